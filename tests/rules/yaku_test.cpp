// Yaku thresholds and the progress labels.
#include "rules/yaku.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/game.h"
#include "headless/scripted_platform.h"

namespace {

constexpr pg::Rgb kYellow{255, 255, 128};
constexpr pg::Rgb kRed{255, 0, 0};
constexpr pg::Rgb kGrey{128, 128, 128};

class YakuTest : public ::testing::Test {
 protected:
  // The mover captures cards of `group` until its count is `count`, as the capture code reports them.
  void Capture(int side, int group, int count) {
    game.table.TurnStep = static_cast<std::int16_t>(side);
    game.table.YakuCount[side][group] = static_cast<std::int16_t>(count);
    pg::JudgeYaku(game, side, group);
  }
  pg::Label& State(int side, int group) { return game.board.YakuState[9 * side + group]; }

  pg::headless::ScriptedPlatform platform;
  pg::Game game{platform};
};

TEST_F(YakuTest, WinCodeRisesAtEachGroupsThreshold) {
  const int thresholds[] = {6, 3, 2, 2, 3, 3, 5, 5, 10};
  for (int group = 0; group < 9; ++group) {
    SCOPED_TRACE("group " + std::to_string(group));
    game.table.WinCode = pg::WinCode::None;
    game.table.YakuTouched = "000000000";
    Capture(1, group, thresholds[group] - 1);
    EXPECT_EQ(game.table.WinCode, pg::WinCode::None);
    std::string touched = "000000000";
    touched[group] = '1';
    EXPECT_EQ(game.table.YakuTouched, touched);
    Capture(1, group, thresholds[group]);
    EXPECT_EQ(game.table.WinCode, pg::WinCode::Yaku);
  }
}

TEST_F(YakuTest, BrightLabelNamesTheYakuInReach) {
  const struct {
    int count;
    const char* text;
    pg::Rgb colour;
  } rows[] = {{2, "三光　残2", {}},         {3, "四光　残2", {}},         {4, "三光　残1", kYellow},
              {5, "四光　残1", kYellow},    {6, "三光　完成", kRed},      {7, "四光　完成", kRed},
              {8, "四光　完成", kRed},      {9, "五光　完成", kRed}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.count);
    State(0, 0) = {};
    Capture(0, 0, row.count);
    pg::GotoYaku(game);
    EXPECT_EQ(State(0, 0).caption, row.text);
    EXPECT_EQ(State(0, 0).back, row.colour);
  }
}

TEST_F(YakuTest, GroupLabelsCountDownThenCountExtras) {
  const struct {
    int group, count, tane, tan;
    const char* text;
  } rows[] = {
      {1, 3, 3, 0, "猪鹿蝶　完成"}, {1, 3, 4, 0, "猪鹿蝶　完+1"}, {4, 3, 0, 5, "赤短　完+2"},
      {6, 4, 4, 0, "ﾀﾈ　残1"},      {8, 10, 0, 0, "ｶｽ　完成"},     {8, 11, 0, 0, "ｶｽ　完+1"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    game.table.YakuCount[0][6] = static_cast<std::int16_t>(row.tane);
    game.table.YakuCount[0][7] = static_cast<std::int16_t>(row.tan);
    Capture(0, row.group, row.count);
    pg::GotoYaku(game);
    EXPECT_EQ(State(0, row.group).caption, row.text);
  }
}

TEST_F(YakuTest, OneCardOfASetBlocksTheOpponent) {
  for (int group = 0; group < 9; ++group) {
    State(1, group).caption = "before";
  }
  State(1, 0).caption = "三光　残3";
  Capture(0, 1, 1);  // the boar
  Capture(0, 0, 2);  // one bright is not enough to block
  Capture(0, 7, 1);  // ribbons never block
  pg::GotoYaku(game);
  EXPECT_EQ(State(1, 1).caption, "猪鹿蝶　×");
  EXPECT_EQ(State(1, 1).back, kGrey);
  EXPECT_EQ(State(1, 0).caption, "三光　残3");
  EXPECT_EQ(State(1, 7).caption, "before");

  Capture(0, 0, 4);
  pg::GotoYaku(game);
  EXPECT_EQ(State(1, 0).caption, "三光　×");

  // The blocked side taking a card of the same set blocks the first side in turn.
  game.table.YakuTouched = "000000000";
  Capture(1, 1, 1);
  pg::GotoYaku(game);
  EXPECT_EQ(State(0, 1).caption, "猪鹿蝶　×");
  EXPECT_EQ(State(1, 1).caption, "猪鹿蝶　×");
}

TEST_F(YakuTest, DisplayModeDecidesWhichLabelsAppear) {
  const struct {
    pg::YakuDisplay mode;
    bool oneToGoShown, twoToGoShown;
  } rows[] = {{pg::YakuDisplay::Always, true, false},
              {pg::YakuDisplay::NearCompletion, true, false},
              {pg::YakuDisplay::Never, false, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(static_cast<int>(row.mode));
    game.options.DekiYaku = row.mode;
    State(0, 6) = {};
    State(0, 7) = {};
    Capture(0, 6, 4);
    Capture(0, 7, 3);
    pg::GotoYaku(game);
    EXPECT_EQ(State(0, 6).visible, row.oneToGoShown);
    EXPECT_EQ(State(0, 7).visible, row.twoToGoShown);
    EXPECT_EQ(State(0, 6).back, kYellow);
  }
}

TEST_F(YakuTest, AFourthAnimalAfterInoshikachoReportsNothing) {
  Capture(0, 6, 3);
  Capture(0, 1, 3);
  pg::GotoYaku(game);
  game.table.WinCode = pg::WinCode::None;
  game.table.YakuTouched = "000000000";
  Capture(0, 6, 4);
  pg::GotoYaku(game);
  EXPECT_EQ(game.table.WinCode, pg::WinCode::None);
  EXPECT_EQ(State(0, 1).caption, "猪鹿蝶　完成");
}

}  // namespace
