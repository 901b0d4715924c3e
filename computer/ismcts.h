// The strongest level (最強): information-set Monte Carlo tree search from one side's view. Each
// iteration guesses the hidden cards anew and walks a tree of the moves this side could make in that
// guess, 勝負 and こいこい among them; a month's end is valued by the chance of winning the match.
#pragma once

#include <cstdint>
#include <vector>

#include "computer/search_budget.h"
#include "model/state.h"

namespace pg::computer {

// The move for s.mover, seeing only what that side has seen, after `budget.iterations` iterations.
model::Move IsmctsMove(const model::State& s, std::uint64_t seed, const SearchBudget& budget);

// One move at the root of the search: how often it was tried and the mean chance of winning the
// match it led to.
struct RootMove {
  model::Move move;
  int visits = 0;
  double chance = 0;
};

// Every move the search tried at the root, the one IsmctsMove would play first; the same
// iterations, seed and budget as IsmctsMove.
std::vector<RootMove> IsmctsRootMoves(const model::State& s, std::uint64_t seed, const SearchBudget& budget);

}  // namespace pg::computer
