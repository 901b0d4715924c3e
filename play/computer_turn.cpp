// The computer's turn. Its choices read the table and change nothing; the table changes only
// through the rules, and the screen only here. At 普通 the designed player decides as it always
// has; any other level is asked through the model, off the screen's thread.
#include "play/computer_turn.h"

#include <optional>

#include "computer/computer_move.h"
#include "computer/level.h"
#include "computer/table_view.h"
#include "engine/check.h"
#include "engine/game.h"
#include "engine/hand.h"
#include "model/view.h"
#include "play/show_play.h"
#include "rules/capture.h"

namespace pg {

namespace {

bool PlaysByDesign(const Game& game) { return game.level == Level::Normal; }

// The level's move for the computer at `stage`. The level sees only a view: the cards the computer
// cannot see are dealt anew from the search's own random source.
model::Move AskLevel(Game& game, model::Stage stage, model::CardSet turnTook) {
  const model::State state = ComputerState(game.table, game.rules, stage, turnTook);
  const std::unique_ptr<ComputerPlayer> level = MakePlayer(game.level);
  model::Move move;
  Random& search = game.searchRandom;
  game.platform.Think([&state, &level, &move, &search] {
    const model::View view(state, kComputerSide, search);
    move = level->Choose(view, search);
  });
  return move;
}

// A card whose month lies twice on the table waits for the computer's choice of the two.
template <typename Choose>
void ShowPlayWithChoice(Game& game, const PlayedCard& card, const PlaySteps& matched, Choose choose) {
  ShowPlay(game, matched);
  if (!ChoiceOpen(game.table)) return;
  KeepChoice(game.table, choose());
  ShowPlay(game, JudgeOK(game, card));
}

// The designed player's turn; a scripted hand card, while one is left, comes before its choice.
void DesignedTurn(Game& game) {
  TableState& t = game.table;
  std::optional<int> scripted;
  if (!game.scriptedComputerCards.empty()) {
    scripted = HandSlotOf(t, CardIndex(game.scriptedComputerCards.front()));
    game.scriptedComputerCards.erase(game.scriptedComputerCards.begin());
  }
  const int chosen = scripted ? *scripted : ChooseHandSlot(game);
  --t.HandLeft;
  const PlayedCard hand = FromHand(t, 1, chosen);
  game.board.Card.at(hand.pic).cell = static_cast<std::int16_t>(CellOf(hand.code));
  ShowPlayWithChoice(game, hand, JudgeSame(game, hand), [&t] { return ChooseTableCard(t); });
  TakeOutOfHand(game, 1, chosen);

  const PlaySteps stock = PlayStockCard(game, TurnStep::ComputerStock);
  ShowPlayWithChoice(game, FromStock(t), stock, [&t] { return ChooseTableCard(t); });
  --t.StockLeft;
}

// The same turn with each decision the level's: the hand card and its table card in one move,
// the stock card's table card when it comes to that.
void LevelTurn(Game& game) {
  TableState& t = game.table;
  const model::CardSet before = t.Taken[kComputerSide];
  const model::Move play = AskLevel(game, model::Stage::Play, 0);
  // A level only names a card of the computer's hand; should one not, the designed player chooses.
  const std::optional<int> named = HandSlotOf(t, play.card);
  PG_CHECK(named.has_value());
  const int chosen = named ? *named : ChooseHandSlot(game);
  --t.HandLeft;
  const PlayedCard hand = FromHand(t, 1, chosen);
  game.board.Card.at(hand.pic).cell = static_cast<std::int16_t>(CellOf(hand.code));
  ShowPlayWithChoice(game, hand, JudgeSame(game, hand), [&t, &play] { return ChoiceOf(t, play.take); });
  TakeOutOfHand(game, 1, chosen);

  const PlaySteps stock = PlayStockCard(game, TurnStep::ComputerStock);
  ShowPlayWithChoice(game, FromStock(t), stock, [&game, &t, before] {
    return ChoiceOf(t, AskLevel(game, model::Stage::StockChoice, t.Taken[kComputerSide] & ~before).take);
  });
  --t.StockLeft;
}

}  // namespace

void ComRootin1(Game& game) {
  TableState& t = game.table;
  t.FieldCountBefore = t.FieldCount;
  t.TurnStep = TurnStep::ComputerHand;
  if (PlaysByDesign(game) || !game.scriptedComputerCards.empty()) {
    DesignedTurn(game);
  } else {
    LevelTurn(game);
  }
}

bool ComputerStopsAtLevel(Game& game) {
  if (PlaysByDesign(game)) return ComputerStops(game.random, game.table);
  return AskLevel(game, model::Stage::Decision, 0).kind == model::MoveKind::Stop;
}

}  // namespace pg
