// The game for players who cannot see the table: what a screen reader finds on it, and the
// sentences told as a month is played.
#include "play/spoken_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "play/computer_turn.h"
#include "play/turn_driver.h"
#include "tests/arranged_deal.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class SpokenTableTest : public GameTest {
 protected:
  SpokenTableTest() { game.observer = &announcer; }

  std::vector<std::string> NamesEndingWith(const std::string& place) const {
    std::vector<std::string> names;
    for (const SpokenItem& item : SpokenBoard(game)) {
      if (item.kind == SpokenItem::Kind::Card && EndsWith(item.name, place)) names.push_back(item.name);
    }
    return names;
  }
  bool Told(const std::string& sentence) const {
    return std::find(platform.announcements.begin(), platform.announcements.end(), sentence) !=
           platform.announcements.end();
  }

  Announcer announcer{game, nullptr};
};

TEST_F(SpokenTableTest, EveryCardOnTheTableIsNamedWithItsPlaceAndTheStockOnce) {
  DealArranged(0, {"11", "21", "31", "41", "51", "61", "71", "81"}, {"12", "22", "32", "42", "52", "62", "72", "82"},
               {"13", "23", "33", "43", "53", "63", "73", "83"});
  EXPECT_EQ(NamesEndingWith(" 手札").size(), 8u);
  EXPECT_EQ(NamesEndingWith(" 場").size(), 8u);
  EXPECT_EQ(NamesEndingWith("ｃｏｍの手札").size(), 8u);
  EXPECT_EQ(NamesEndingWith("山札 24枚").size(), 1u);
  const std::vector<std::string> hand = NamesEndingWith(" 手札");
  EXPECT_NE(std::find(hand.begin(), hand.end(), "3月 桜に幕（光） 手札"), hand.end());
  for (const SpokenItem& item : SpokenBoard(game)) {
    EXPECT_FALSE(item.name.empty());
    if (item.kind == SpokenItem::Kind::Card) {
      EXPECT_EQ(item.button, EndsWith(item.name, " 手札")) << item.name;
    }
  }
}

TEST_F(SpokenTableTest, APlayAYakuKoiKoiAndTheMonthsResultAreTold) {
  for (const int decision : {1, 0}) {
    platform.announcements.clear();
    playerDecision = decision;
    DealTakingTurn(game, {0, "31", {"33"}, "91", {"93"}});
    Card_Click(game, HandPicture("31"));
    EXPECT_TRUE(Told("あなた、手札から3月 桜に幕（光）で3月 桜（カス）を取りました。"));
    EXPECT_TRUE(Told("あなた、山札から9月 菊に杯（種）で9月 菊（カス）を取りました。"));
    if (decision == 1) {
      EXPECT_TRUE(Told("あなたの役：花見で一杯 5文。あなたの勝ち、5文です。"));
      EXPECT_EQ(platform.announcements.back(), "1月目の結果：あなたに5文。合計は、あなた5文、ｃｏｍ0文です。");
      EXPECT_EQ(NamesEndingWith(" 取り札").size(), 4u);
    } else {
      EXPECT_TRUE(Told("あなたの役：花見で一杯 5文。あなたはこいこいしました。"));
      // The computer answers in the same click, and is heard doing so.
      EXPECT_EQ(platform.announcements.back().rfind("ｃｏｍ、山札から", 0), 0u) << platform.announcements.back();
    }
  }
}

TEST_F(SpokenTableTest, TheComputersPlaysAreTold) {
  DealTakingTurn(game, {1, "31", {"33"}, "91", {"93"}});
  ComRootin1(game);
  EXPECT_TRUE(Told("ｃｏｍ、手札から3月 桜に幕（光）で3月 桜（カス）を取りました。"));
  EXPECT_TRUE(Told("ｃｏｍ、山札から9月 菊に杯（種）で9月 菊（カス）を取りました。"));
  EXPECT_EQ(NamesEndingWith("ｃｏｍの取り札").size(), 4u);
}

}  // namespace
}  // namespace pg::test
