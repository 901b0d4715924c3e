// One side's view of a state made whole: what it has not seen is dealt anew at random.
#pragma once

#include "engine/random.h"
#include "model/state.h"

namespace pg::model {

// The cards `viewer` cannot see (the opponent's hand and the stock) shuffled among themselves; the
// opponent keeps its number of cards and the stock its length. Everything else stays as it is.
State Determinize(const State& s, int viewer, Random& random);
// The cards `viewer` cannot see.
CardSet Unseen(const State& s, int viewer);

}  // namespace pg::model
