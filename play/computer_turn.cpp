// The computer's turn. Its choices read the table and change nothing; the table changes only
// through the rules, and the screen only here.
#include "play/computer_turn.h"

#include "computer/computer_move.h"
#include "engine/game.h"
#include "engine/hand.h"
#include "play/show_play.h"
#include "rules/capture.h"

namespace pg {

namespace {

// A card whose month lies twice on the table waits for the computer's choice of the two.
void PlayOut(Game& game, const PlayedCard& card, const PlaySteps& matched) {
  ShowPlay(game, matched);
  if (!ChoiceOpen(game.table)) return;
  KeepChoice(game.table, ChooseTableCard(game.table));
  ShowPlay(game, JudgeOK(game, card));
}

}  // namespace

void ComRootin1(Game& game) {
  TableState& t = game.table;
  t.FieldCountBefore = t.FieldCount;
  t.TurnStep = 1;
  const int chosen = ChooseHandSlot(game);
  --t.HandLeft;
  const PlayedCard hand = FromHand(t, 1, chosen);
  game.board.Card.at(hand.pic).cell = static_cast<std::int16_t>(CellOf(hand.code));
  PlayOut(game, hand, JudgeSame(game, hand));
  TakeOutOfHand(game, 1, chosen);

  const PlaySteps stock = PlayStockCard(game, 3);
  PlayOut(game, FromStock(t), stock);
  --t.StockLeft;
}

}  // namespace pg
