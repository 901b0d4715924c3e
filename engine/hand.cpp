// Closing a hand up after a card was played from it.
#include "engine/hand.h"

#include "engine/game.h"
#include "engine/geometry.h"

namespace pg {

void TakeOutOfHand(Game& game, int side, int slot) {
  TableState& t = game.table;
  t.HandCard[side][slot] = kTakenSlot;
  for (int i = slot; i < CardsInHand(t, side); ++i) {
    t.HandCard[side][i] = t.HandCard[side][i + 1];
    game.board.Card.at(t.HandCard[side][i].pic).left = HandSlotPosition(t, side, i).x;
  }
}

}  // namespace pg
