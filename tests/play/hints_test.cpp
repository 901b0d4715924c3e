// The badges in play: off, nothing is searched; on, every card the player may choose gets one, the
// search's choice marked, and a click taken first drops the badges still on their way.
#include "play/hints.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "play/turn_driver.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

class HintsTest : public GameTest {
 protected:
  void DealTwoWayChoice() {
    DealArranged(0, {"11", "21", "33", "43", "53", "63", "73", "83"}, {"14", "24", "34", "44", "54", "64", "74", "C3"},
                 {"12", "22", "32", "13", "52", "62", "72", "C1"}, {"B4"});
  }
  int Shown() const {
    const auto& badges = game.board.badges;
    return static_cast<int>(std::count_if(badges.begin(), badges.end(), [](const Badge& b) { return b.visible; }));
  }
  int Marked() const {
    const auto& badges = game.board.badges;
    return static_cast<int>(
        std::count_if(badges.begin(), badges.end(), [](const Badge& b) { return b.visible && b.best; }));
  }
};

TEST_F(HintsTest, OffNothingIsSearchedAndNothingShown) {
  DealTwoWayChoice();
  RefreshHints(game);
  Card_Click(game, HandPicture("21"));
  EXPECT_EQ(platform.BackgroundWaiting(), 0u);
  EXPECT_EQ(Shown(), 0);
  EXPECT_FALSE(game.assisted);
}

TEST_F(HintsTest, OnEveryHandCardAndEachFramedCardGetsABadgeWithoutTouchingTheGamesRandomSources) {
  DealTwoWayChoice();
  Random random = game.random;
  Random search = game.searchRandom;
  SetHints(game, true);
  ASSERT_EQ(platform.BackgroundWaiting(), 1u);
  EXPECT_EQ(Shown(), 0) << "nothing until the search delivers";
  platform.FinishBackground();
  EXPECT_EQ(Shown(), 8);
  EXPECT_EQ(Marked(), 1);
  EXPECT_TRUE(game.assisted);
  const Point slot0 = HandSlotPosition(game.table, 0, 0);
  const auto& badges = game.board.badges;
  EXPECT_TRUE(std::any_of(badges.begin(), badges.end(), [&](const Badge& b) {
    return Point{b.left, b.top} == BadgePosition(slot0) && b.caption.ends_with("%");
  }));
  EXPECT_EQ(random.Uniform(), game.random.Uniform());
  EXPECT_EQ(search.Uniform(), game.searchRandom.Uniform());

  Card_Click(game, HandPicture("11"));
  ASSERT_EQ(game.table.Phase, Phase::HandChoice);
  platform.FinishBackground();
  EXPECT_EQ(Shown(), 2) << "the two framed cards";
  for (const char* code : {"12", "13"}) {
    const Point card = PlaceOf(TablePicture(code));
    EXPECT_TRUE(std::any_of(badges.begin(), badges.end(), [&](const Badge& b) {
      return b.visible && Point{b.left, b.top} == BadgePosition(card);
    })) << code;
  }
}

TEST_F(HintsTest, AClickBeforeTheBadgesArriveDropsThem) {
  DealTwoWayChoice();
  SetHints(game, true);
  Card_Click(game, HandPicture("21"));
  EXPECT_EQ(Shown(), 0);
  ASSERT_EQ(platform.BackgroundWaiting(), 2u) << "the old search, and one for the next turn";
  platform.FinishBackground();
  EXPECT_EQ(Shown(), 7) << "only the next turn's badges: the player holds seven cards";
  SetHints(game, false);
  EXPECT_EQ(Shown(), 0);
}

}  // namespace
}  // namespace pg::test
