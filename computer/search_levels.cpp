// The budgets of the searching levels: sized so a move takes a few milliseconds, far inside the
// 200 ms a player would notice, while the search still has room to beat the level below.
#include "computer/search_levels.h"

#include <cstdint>

#include "computer/flat_monte_carlo.h"
#include "computer/ismcts.h"

namespace pg {

namespace {

constexpr int kStrongPlayouts = 800;
constexpr int kExpertIterations = 3000;

// The search's seed comes from the level's random source, itself seeded from the game's.
std::uint64_t SearchSeed(Random& random) { return static_cast<std::uint64_t>(random.Uniform() * 0x1.0p53); }

class StrongLevel : public ComputerPlayer {
 public:
  model::Move Choose(const model::View& view, Random& random) override {
    return computer::FlatMonteCarloMove(view.Guess(), SearchSeed(random), {kStrongPlayouts});
  }
};

class ExpertLevel : public ComputerPlayer {
 public:
  model::Move Choose(const model::View& view, Random& random) override {
    return computer::IsmctsMove(view.Guess(), SearchSeed(random), {kExpertIterations});
  }
};

}  // namespace

std::unique_ptr<ComputerPlayer> MakeStrongPlayer() { return std::make_unique<StrongLevel>(); }
std::unique_ptr<ComputerPlayer> MakeExpertPlayer() { return std::make_unique<ExpertLevel>(); }

}  // namespace pg
