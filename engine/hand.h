// Taking a played card out of a hand.
#pragma once

namespace pg {

struct Game;

// Marks the slot "FF" and closes the hand up over it: the cards to its right move one slot left at
// once, without a flight. The old last slot keeps a stale copy outside the hand. HandLeft must
// already count the card as played.
void TakeOutOfHand(Game& game, int side, int slot);

}  // namespace pg
