// Card flights: every step position, and the stacking order reset.
#include "engine/animation.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/game.h"
#include "headless/scripted_platform.h"

namespace pg {
namespace {

using Steps = std::vector<std::pair<int, int>>;

class AnimationTest : public ::testing::Test {
 protected:
  Steps Fly(int fromX, int fromY, int toX, int toY, int speed) {
    Steps steps;
    platform.onStep = [&] { steps.emplace_back(game.board.Card[5].left, game.board.Card[5].top); };
    MoveCard(game, 5, fromX, fromY, toX, toY, speed);
    EXPECT_EQ(game.board.Card[5].left, toX);
    EXPECT_EQ(game.board.Card[5].top, toY);
    return steps;
  }

  headless::ScriptedPlatform platform;
  Game game{platform};
};

TEST_F(AnimationTest, StepsAreWholePixelsAlongTheLineThenTheTarget) {
  EXPECT_EQ(Fly(100, 50, 65, 50, 10), (Steps{{90, 50}, {80, 50}, {70, 50}})) << "leftwards";
  EXPECT_EQ(Fly(0, 0, 0, 25, 10), (Steps{{0, 10}, {0, 20}})) << "straight down";
  EXPECT_EQ(Fly(0, 25, 0, 0, 10), (Steps{{0, 15}, {0, 5}})) << "straight up";
  EXPECT_EQ(Fly(0, 0, 30, 40, 12), (Steps{{7, 10}, {14, 19}, {22, 29}, {29, 38}}));
  EXPECT_EQ(Fly(30, 40, 0, 0, 20), (Steps{{18, 24}, {6, 8}})) << "up and left";
}

// A flight shows a step for every whole speed unit of its length, the one that lands exactly on
// the target included; a speed below 1 flies at 1.
TEST_F(AnimationTest, AFlightTakesAStepPerSpeedUnitOfItsLength) {
  const struct {
    const char* name;
    int fromX, fromY, toX, toY, speed;
    std::size_t steps;
  } rows[] = {
      {"no distance", 10, 10, 10, 10, 5, 0},
      {"shorter than a step", 10, 10, 14, 13, 6, 0},
      {"the last step lands on the target", 0, 0, 30, 40, 25, 2},
      {"straight down, the kept constants end a hair past the target", 0, 0, 0, 20, 10, 1},
      {"a step short of the target", 0, 0, 0, 29, 10, 2},
      {"at the slowest speed", 0, 0, 100, 0, 1, 100},
      {"a speed of 0", 0, 0, 100, 0, 0, 100},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Fly(row.fromX, row.fromY, row.toX, row.toY, row.speed).size(), row.steps) << row.name;
  }
}

// One stacking order holds the cards and every other control: a flying card passes over the
// labels, plates and faces, and CZOrder lays every card below them again.
TEST_F(AnimationTest, FlyingCardGoesOverEveryControlAndCZOrderPutsThemAllBack) {
  const Board& board = game.board;
  Fly(0, 0, 0, 0, 1);
  EXPECT_EQ(board.stack.back(), CardControl(5));
  CZOrder(game);
  const std::size_t controls = board.stack.size();
  EXPECT_EQ(controls, kCardCount + 2 + 2 + 1 + 1 + 2 + 8 + 2 + 2 + 1 + 18 + 6 + 1u) << "each control once";
  for (int z = 0; z < kCardCount; ++z) EXPECT_EQ(board.stack[z], CardControl(kCardCount - 1 - z)) << z;
  for (std::size_t z = kCardCount; z < controls; ++z) {
    EXPECT_NE(board.stack[z].kind, ControlKind::Card) << "a card above the controls at " << z;
  }
}

}  // namespace
}  // namespace pg
