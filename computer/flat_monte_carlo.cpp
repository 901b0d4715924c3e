// Flat Monte Carlo over guesses at the hidden cards.
#include "computer/flat_monte_carlo.h"

#include <array>
#include <chrono>

#include "computer/win_chance.h"
#include "engine/random.h"
#include "model/determinize.h"
#include "model/month.h"
#include "model/playout.h"
#include "model/policy.h"

namespace pg::computer {

namespace {

// The clock is read once in this many guesses: reading it costs more than a playout.
constexpr int kClockEvery = 16;

}  // namespace

model::Move FlatMonteCarloMove(const model::State& s, std::uint64_t seed, const SearchBudget& budget) {
  model::MoveList moves;
  model::LegalMoves(s, moves);
  if (moves.size <= 1) return moves[0];
  const int side = s.mover;
  const auto deadline = std::chrono::steady_clock::now() + budget.cap;
  const int guesses = budget.iterations / moves.size > 0 ? budget.iterations / moves.size : 1;
  const WinChance& chance = WinChanceFor(s.rules);
  Random random(seed);
  std::array<double, 2 * model::kHandCards> total{};
  for (int g = 0; g < guesses; ++g) {
    if (g % kClockEvery == kClockEvery - 1 && std::chrono::steady_clock::now() > deadline) break;
    const model::State guess = model::Determinize(s, side, random);
    // Every move meets the same later draws of the designed player's こいこい odds.
    const auto playoutSeed = static_cast<std::uint64_t>(random.Uniform() * 0x1.0p53);
    for (int i = 0; i < moves.size; ++i) {
      model::State t = guess;
      model::Apply(t, moves[i]);
      Random playout(playoutSeed);
      model::PlayOutMonth(t, model::DesignedPolicy{}, model::DesignedPolicy{}, playout);
      total[static_cast<std::size_t>(i)] += chance.AfterMonth(t, side);
    }
  }
  int best = 0;
  for (int i = 1; i < moves.size; ++i) {
    if (total[static_cast<std::size_t>(i)] > total[static_cast<std::size_t>(best)]) best = i;
  }
  return moves[best];
}

}  // namespace pg::computer
