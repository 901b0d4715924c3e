// The computer plays by card value alone; the same table and hand always give the same move.
#include "computer/computer_move.h"

#include "engine/designed_hand_choice.h"
#include "engine/game.h"

namespace pg {

int ChooseHandSlot(const Game& game) {
  const TableState& t = game.table;
  const auto& hand = t.HandCard[1];
  return DesignedHandSlot(
      CardsInHand(t, 1), [&](int i) { return PriorityOf(hand[i].code); },
      [&](int i) -> std::optional<int> {
        // Only the lowest table slot of the month is looked at; slot 0 always is, even on an empty table.
        int j = 0;
        while (j < t.FieldCount - 1 && !SameMonth(t.FieldCard[j].code, hand[i].code)) ++j;
        if (!SameMonth(t.FieldCard[j].code, hand[i].code)) return std::nullopt;
        return PriorityOf(t.FieldCard[j].code);
      });
}

int ChooseTableCard(const TableState& table) {
  const CardCode first = table.FieldCard[table.SameSlot[0]].code;
  const CardCode second = table.FieldCard[table.SameSlot[1]].code;
  // The card listed first in the value order; two chaff cards, the lower slot.
  for (int k = 0; k < kUnlisted; ++k) {
    const CardCode entry = CardCode::FromText(PriorityList.substr(2 * k, 2));
    if (first == entry) return 0;
    if (second == entry) return 1;
  }
  return 0;
}

// Every draw that applies is made, and a later one overrides an earlier: the fewer cards the
// computer still holds, the likelier it takes what it has (1/10, then 1/2, then 9/10).
bool ComputerStops(Random& random, const TableState& table) {
  const int cardsLeft = CardsInHand(table, 1);
  bool stop = random.Below(10) == 0;
  if (cardsLeft < 6) stop = random.Below(2) != 0;
  if (cardsLeft < 3) stop = random.Below(10) != 0;
  return stop || cardsLeft == 0;
}

}  // namespace pg
