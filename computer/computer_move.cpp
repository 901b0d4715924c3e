// The computer plays by card value alone; the same table and hand always give the same move.
#include "computer/computer_move.h"

#include "engine/game.h"
#include "engine/hand.h"
#include "rules/capture.h"

namespace pg {

namespace {

constexpr int kNothingFound = 48;

}  // namespace

int ChooseHandSlot(const Game& game) {
  const TableState& t = game.table;
  const auto& hand = t.HandCard[1];
  const int cards = (t.HandLeft + 1) / 2;
  int best = kNothingFound;
  int chosen = 0;
  for (int i = 0; i < cards; ++i) {
    // Only the lowest table slot of the month is looked at; slot 0 always is, even on an empty table.
    int j = 0;
    while (j < t.FieldCount - 1 && !SameMonth(t.FieldCard[j].code, hand[i].code)) ++j;
    if (SameMonth(t.FieldCard[j].code, hand[i].code)) {
      // best is kept one above the position found, so a later slot meeting the same position wins.
      for (CardCode code : {hand[i].code, t.FieldCard[j].code}) {
        const int p = PriorityOf(code);
        if (p <= 23 && p < best) {
          best = p + 1;
          chosen = i;
        }
      }
      if (chosen == 0 && best == kNothingFound) chosen = i;
    }
  }
  if (chosen == 0 && best == kNothingFound) {
    best = 0;
    for (int i = 0; i < cards; ++i) {
      const int p = PriorityOf(hand[i].code);
      if (p == kUnlisted) {
        best = kNothingFound;
        chosen = i;
      }
      if (p > best) {
        best = p;
        chosen = i;
      }
    }
  }
  return chosen;
}

void ComRootin1(Game& game) {
  TableState& t = game.table;
  t.FieldCountBefore = t.FieldCount;
  t.TurnStep = 1;
  const int chosen = ChooseHandSlot(game);
  --t.HandLeft;
  PlayedCard hand = FromHand(t, 1, chosen);
  game.board.Card.at(hand.pic).cell = static_cast<std::int16_t>(CellOf(hand.code));
  JudgeSame(game, hand);
  TakeOutOfHand(game, 1, chosen);

  PlayStockCard(game, 3);
  --t.StockLeft;
}

}  // namespace pg
