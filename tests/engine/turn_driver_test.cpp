// Whole plays through the clicks: captures, choices, the computer's turn, the table closing up.
#include "engine/turn_driver.h"

#include <gtest/gtest.h>

#include "tests/game_fixture.h"

namespace pg::test {
namespace {

using Codes = std::vector<std::string>;

class TurnDriverTest : public GameTest {};

TEST_F(TurnDriverTest, ComputerHandClosesUpAfterItsCard) {
  DealArranged(0, {"11", "21", "33", "43", "53", "63", "73", "83"}, {"14", "24", "34", "44", "54", "64", "74", "C3"},
               {"12", "22", "32", "42", "52", "62", "72", "C1"});
  Card_Click(game, HandPicture("83"));
  for (int k = 0; k < 7; ++k) {
    const Slot& slot = game.table.HandCard[1][k];
    EXPECT_EQ(game.board.Card[slot.pic].left, 112 + 40 * k) << "slot " << k;
  }
  ExpectCardsAccountedFor();
}

}  // namespace
}  // namespace pg::test
