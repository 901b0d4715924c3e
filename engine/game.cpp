// The phase and its mirror, and the random sources' seeds.
#include "engine/game.h"

namespace pg {

namespace {

// Mixed into the game's seed: the search's stream never repeats the game's.
constexpr std::uint64_t kSearchStream = 0x7365617263680000ull;
constexpr std::uint64_t kAdviceStream = 0x6164766963650000ull;

}  // namespace

void Game::SeedRandoms(std::uint64_t seed) {
  random.Seed(seed);
  searchRandom.Seed(seed ^ kSearchStream);
  adviceRandom.Seed(seed ^ kAdviceStream);
}

bool Game::RestoreSources(const RandomStates& states) {
  for (const RandomState& state : states) {
    if (state == RandomState{}) return false;
  }
  random.Restore(states[kGameSource]);
  searchRandom.Restore(states[kSearchSource]);
  adviceRandom.Restore(states[kAdvisorSource]);
  return true;
}

void Game::SetPhase(Phase phase) {
  table.Phase = phase;
  options.JudgeMode = phase;
}

}  // namespace pg
