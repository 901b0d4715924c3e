// The strong level (強い): every legal move tried on many guesses at the hidden cards, each played
// out to the month's end by the designed player on both sides and valued by the chance of winning
// the match.
#pragma once

#include <cstdint>

#include "computer/search_budget.h"
#include "model/state.h"

namespace pg::computer {

// The move for s.mover, seeing only what that side has seen. `budget.iterations` playouts are shared
// among the legal moves; each guess at the hidden cards is played out once for every move, so the
// moves are compared on the same deals.
model::Move FlatMonteCarloMove(const model::State& s, std::uint64_t seed, const SearchBudget& budget);

}  // namespace pg::computer
