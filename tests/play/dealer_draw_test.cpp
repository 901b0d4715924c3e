// The dealer draw when the computer's first draws land on the card the player picked.
#include <gtest/gtest.h>

#include "play/setup.h"
#include "play/turn_driver.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

class DealerDrawTest : public GameTest {};

// Seeds whose computer draw meets the player's pick twice running: it must draw until it holds
// another card, so two cards lie face up and the two names stand by different cards.
TEST_F(DealerDrawTest, TheComputerDrawsAgainUntilItHoldsAnotherCard) {
  const struct {
    std::uint64_t seed;
    int pick, computerPick;
  } rows[] = {{14, 3, 8}, {15, 2, 1}, {16, 10, 1}};
  for (const auto& row : rows) {
    SCOPED_TRACE("seed " + std::to_string(row.seed));
    game.random.Seed(row.seed);
    StartGame(game);
    Card_Click(game, row.pick);
    int faceUp = 0;
    for (int q = 0; q < 12; ++q) faceUp += game.board.Card[q].cell != kBackCell ? 1 : 0;
    EXPECT_EQ(faceUp, 2);
    EXPECT_NE(game.board.Card[row.computerPick].cell, kBackCell);
    EXPECT_EQ(game.board.message[3].left, 183 + 72 * (row.computerPick % 6));
    EXPECT_EQ(game.board.message[3].top, 46 + 140 + 184 * (row.computerPick / 6));
  }
}

}  // namespace
}  // namespace pg::test
