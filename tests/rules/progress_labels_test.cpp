// The eighteen yaku-progress labels after the player's real captures: the mover's count-downs and
// the opponent's groups that those cards put out of reach.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "play/turn_driver.h"
#include "tests/arranged_deal.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

constexpr const char* kStartTexts[9] = {"三光　残3", "猪鹿蝶　残3", "花見　残2", "月見　残2", "赤短　残3",
                                        "青短　残3", "ﾀﾈ　残5",     "ﾀﾝ　残5",   "ｶｽ　残10"};

constexpr Rgb kYellow{255, 255, 128};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGrey{128, 128, 128};
// A label left as the deal made it: transparent.
constexpr Rgb kClear{};

struct Shows {
  std::string text;
  Rgb colour;
};

class ProgressLabelsTest : public GameTest {};

TEST_F(ProgressLabelsTest, CapturesCountDownTheirGroupsAndBlockTheOpponent) {
  const struct {
    const char* name;
    TakingTurn turn;
    bool kikuAsChaff;
    // Labels 0..8 are the player's, 9..17 the computer's; every other label keeps its start text.
    std::map<int, Shows> changed;
  } rows[] = {
      {"the rain bright and the crane stay short of blocking 三光",
       {0, "B1", {"B4"}, "11", {"13"}},
       false,
       {{0, {"四光　残2", kClear}}, {8, {"ｶｽ　残8", kClear}}}},
      {"two brights block the computer's 三光",
       {0, "11", {"13"}, "31", {"33"}},
       false,
       {{0, {"三光　残1", kYellow}},
        {2, {"花見　残1", kYellow}},
        {8, {"ｶｽ　残8", kClear}},
        {9, {"三光　×", kGrey}},
        {11, {"花見　×", kGrey}}}},
      {"the boar and the deer",
       {0, "61", {"63"}, "71", {"73"}},
       false,
       {{1, {"猪鹿蝶　残1", kYellow}}, {6, {"ﾀﾈ　残3", kClear}}, {8, {"ｶｽ　残8", kClear}}, {10, {"猪鹿蝶　×", kGrey}}}},
      {"a red and a blue ribbon",
       {0, "12", {"14"}, "62", {"64"}},
       false,
       {{4, {"赤短　残2", kClear}},
        {5, {"青短　残2", kClear}},
        {7, {"ﾀﾝ　残3", kClear}},
        {8, {"ｶｽ　残8", kClear}},
        {13, {"赤短　×", kGrey}},
        {14, {"青短　×", kGrey}}}},
      {"the curtain and the sake cup complete 花見",
       {0, "31", {"33"}, "91", {"93"}},
       false,
       {{0, {"三光　残2", kClear}},
        {2, {"花見　完成", kRed}},
        {3, {"月見　残1", kYellow}},
        {6, {"ﾀﾈ　残4", kClear}},
        {8, {"ｶｽ　残8", kClear}},
        {11, {"花見　×", kGrey}},
        {12, {"月見　×", kGrey}}}},
      {"the sake cup as chaff",
       {0, "91", {"93"}, "21", {"23"}},
       true,
       {{2, {"花見　残1", kYellow}},
        {3, {"月見　残1", kYellow}},
        {6, {"ﾀﾈ　残4", kClear}},
        {8, {"ｶｽ　残7", kClear}},
        {11, {"花見　×", kGrey}},
        {12, {"月見　×", kGrey}}}},
      {"ribbons and animals count to five",
       {0, "42", {"41"}, "52", {"51"}},
       false,
       {{6, {"ﾀﾈ　残3", kClear}}, {7, {"ﾀﾝ　残3", kClear}}}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    game.rules.option[3] = row.kikuAsChaff ? 1 : 0;
    DealTakingTurn(game, row.turn);
    Card_Click(game, HandPicture(row.turn.hand.c_str()));
    for (int i = 0; i < 18; ++i) {
      const Label& label = game.board.YakuState[i];
      const auto it = row.changed.find(i);
      const Shows expected = it != row.changed.end() ? it->second : Shows{kStartTexts[i % 9], kClear};
      EXPECT_EQ(label.caption, expected.text) << "label " << i;
      EXPECT_EQ(label.opaque ? label.back : kClear, expected.colour) << "label " << i;
    }
  }
}

}  // namespace
}  // namespace pg::test
