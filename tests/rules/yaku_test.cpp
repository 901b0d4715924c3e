// Yaku thresholds and the progress labels.
#include "rules/yaku.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/game.h"
#include "headless/scripted_platform.h"

namespace {

using pg::YakuGroup;

constexpr pg::Rgb kYellow{255, 255, 128};
constexpr pg::Rgb kRed{255, 0, 0};
constexpr pg::Rgb kGrey{128, 128, 128};

class YakuTest : public ::testing::Test {
 protected:
  // The mover captures cards of `group` until its count is `count`, as the capture code reports them.
  void Capture(int side, YakuGroup group, int count) {
    game.table.TurnStep = side == 0 ? pg::TurnStep::PlayerHand : pg::TurnStep::ComputerHand;
    game.table.YakuCount[side][group] = static_cast<std::int16_t>(count);
    pg::JudgeYaku(game, side, group);
  }
  pg::Label& State(int side, YakuGroup group) { return game.board.YakuLabel(side, group); }

  pg::headless::ScriptedPlatform platform;
  pg::Game game{platform};
};

TEST_F(YakuTest, WinCodeRisesAtEachGroupsThreshold) {
  const struct {
    YakuGroup group;
    int threshold;
  } rows[] = {{YakuGroup::Hikari, 6},  {YakuGroup::InoShikaCho, 3}, {YakuGroup::Hanami, 2},
              {YakuGroup::Tsukimi, 2}, {YakuGroup::Akatan, 3},      {YakuGroup::Aotan, 3},
              {YakuGroup::Tane, 5},    {YakuGroup::Tan, 5},         {YakuGroup::Kasu, 10}};
  for (const auto& row : rows) {
    SCOPED_TRACE("group " + std::to_string(pg::IndexOf(row.group)));
    game.table.WinCode = pg::WinCode::None;
    game.table.YakuTouched = {};
    Capture(1, row.group, row.threshold - 1);
    EXPECT_EQ(game.table.WinCode, pg::WinCode::None);
    pg::ByYakuGroup<bool> touched{};
    touched[row.group] = true;
    EXPECT_EQ(game.table.YakuTouched, touched);
    Capture(1, row.group, row.threshold);
    EXPECT_EQ(game.table.WinCode, pg::WinCode::Yaku);
  }
}

TEST_F(YakuTest, BrightLabelNamesTheYakuInReach) {
  const struct {
    int count;
    const char* text;
    pg::Rgb colour;
  } rows[] = {{2, "三光　残2", {}},    {3, "四光　残2", {}},    {4, "三光　残1", kYellow}, {5, "四光　残1", kYellow},
              {6, "三光　完成", kRed}, {7, "四光　完成", kRed}, {8, "四光　完成", kRed},   {9, "五光　完成", kRed}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.count);
    State(0, YakuGroup::Hikari) = {};
    Capture(0, YakuGroup::Hikari, row.count);
    pg::GotoYaku(game);
    EXPECT_EQ(State(0, YakuGroup::Hikari).caption, row.text);
    EXPECT_EQ(State(0, YakuGroup::Hikari).back, row.colour);
  }
}

TEST_F(YakuTest, GroupLabelsCountDownThenCountExtras) {
  const struct {
    YakuGroup group;
    int count, tane, tan;
    const char* text;
  } rows[] = {
      {YakuGroup::InoShikaCho, 3, 3, 0, "猪鹿蝶　完成"}, {YakuGroup::InoShikaCho, 3, 4, 0, "猪鹿蝶　完+1"},
      {YakuGroup::Akatan, 3, 0, 5, "赤短　完+2"},        {YakuGroup::Tane, 4, 4, 0, "ﾀﾈ　残1"},
      {YakuGroup::Kasu, 10, 0, 0, "ｶｽ　完成"},           {YakuGroup::Kasu, 11, 0, 0, "ｶｽ　完+1"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    game.table.YakuCount[0][YakuGroup::Tane] = static_cast<std::int16_t>(row.tane);
    game.table.YakuCount[0][YakuGroup::Tan] = static_cast<std::int16_t>(row.tan);
    Capture(0, row.group, row.count);
    pg::GotoYaku(game);
    EXPECT_EQ(State(0, row.group).caption, row.text);
  }
}

// Which cards block the opponent is followed through real captures with the progress labels;
// here, the blocked side taking a card of the same set blocks the first side in turn.
TEST_F(YakuTest, ABlockedSideTakingACardOfTheSetBlocksInTurn) {
  Capture(0, YakuGroup::InoShikaCho, 1);
  pg::GotoYaku(game);
  EXPECT_EQ(State(1, YakuGroup::InoShikaCho).caption, "猪鹿蝶　×");
  EXPECT_EQ(State(1, YakuGroup::InoShikaCho).back, kGrey);
  game.table.YakuTouched = {};
  Capture(1, YakuGroup::InoShikaCho, 1);
  pg::GotoYaku(game);
  EXPECT_EQ(State(0, YakuGroup::InoShikaCho).caption, "猪鹿蝶　×");
  EXPECT_EQ(State(1, YakuGroup::InoShikaCho).caption, "猪鹿蝶　×");
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
    State(0, YakuGroup::Tane) = {};
    State(0, YakuGroup::Tan) = {};
    Capture(0, YakuGroup::Tane, 4);
    Capture(0, YakuGroup::Tan, 3);
    pg::GotoYaku(game);
    EXPECT_EQ(State(0, YakuGroup::Tane).visible, row.oneToGoShown);
    EXPECT_EQ(State(0, YakuGroup::Tan).visible, row.twoToGoShown);
    EXPECT_EQ(State(0, YakuGroup::Tane).back, kYellow);
  }
}

TEST_F(YakuTest, AFourthAnimalAfterInoshikachoReportsNothing) {
  Capture(0, YakuGroup::Tane, 3);
  Capture(0, YakuGroup::InoShikaCho, 3);
  pg::GotoYaku(game);
  game.table.WinCode = pg::WinCode::None;
  game.table.YakuTouched = {};
  Capture(0, YakuGroup::Tane, 4);
  pg::GotoYaku(game);
  EXPECT_EQ(game.table.WinCode, pg::WinCode::None);
  EXPECT_EQ(State(0, YakuGroup::InoShikaCho).caption, "猪鹿蝶　完成");
}

}  // namespace
