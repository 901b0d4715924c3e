// The win dialog: rows and total, the choices of both sides, and the payment.
#include "play/agari.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "engine/card.h"
#include "engine/game.h"
#include "headless/scripted_platform.h"
#include "play/timers.h"

namespace {

using Counts = std::array<std::int16_t, pg::kYakuGroups>;
using Rows = std::vector<std::pair<std::string, std::string>>;

class WinDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.onTimer = [this](pg::Timer timer) { pg::TimerTick(game, timer); };
    game.board.Score[0].caption = " 0";
    game.board.Score[1].caption = " 0";
    game.SetPhase(pg::Phase::PlayerToPlay);
  }
  // A yaku report for `side` with these counts; `click` is pressed once the dialog shows.
  void Win(int side, const Counts& counts, int click, int handLeft = 10) {
    game.table.YakuCount[side].values = counts;
    game.table.TurnStep = side == 0 ? pg::TurnStep::PlayerStock : pg::TurnStep::ComputerStock;
    game.table.HandLeft = static_cast<std::int16_t>(handLeft);
    game.table.WinCode = pg::WinCode::Yaku;
    Show(click);
  }
  void Show(int click) {
    platform.onModal = [this, click](pg::Dialog) {
      shown = game.agari;
      pg::AgariCommandClick(game, click);
    };
    pg::Agari(game);
  }
  Rows ShownRows() const {
    Rows rows;
    for (int row = 0; row < 8 && shown.rowVisible[row]; ++row)
      rows.emplace_back(shown.yakunam[row], shown.yakuten[row]);
    return rows;
  }

  pg::headless::ScriptedPlatform platform;
  pg::Game game{platform};
  pg::WinDialogState shown;
};

TEST_F(WinDialogTest, ListsEveryCompleteYakuAndDoublesFromSeven) {
  const struct {
    const char* name;
    Counts counts;
    Rows rows;
    const char* sum;
    int rowsGrown;
    bool bonus;
  } cases[] = {
      {"三光", {6}, {{"三光", "5文"}}, " 5文", 1, false},
      {"四光 with rain", {7}, {{"四光", " 7文"}}, " 14文", 2, true},
      {"四光 without rain", {8}, {{"四光", " 8文"}}, " 16文", 2, true},
      {"五光", {9}, {{"五光", "10文"}}, " 20文", 2, true},
      {"三光 and カス make exactly 7",
       {6, 0, 0, 0, 0, 0, 0, 0, 11},
       {{"三光", "5文"}, {"カス", " 2文"}},
       " 14文",
       3,
       true},
      {"猪鹿蝶 with four タネ", {0, 3, 0, 0, 0, 0, 4}, {{"猪鹿蝶", " 6文"}}, " 6文", 1, false},
      {"猪鹿蝶 with five タネ", {0, 3, 0, 0, 0, 0, 5}, {{"猪鹿蝶", " 7文"}, {"タネ", " 1文"}}, " 16文", 3, true},
      {"赤短・青短 with six ribbons",
       {0, 0, 0, 0, 3, 3, 0, 6},
       {{"赤短・青短", " 10文"}, {"タン", " 2文"}},
       " 24文",
       4,
       true},
      {"赤短・青短 alone", {0, 0, 0, 0, 3, 3, 0, 4}, {{"赤短・青短", " 8文"}}, " 16文", 3, true},
      {"青短 with four ribbons", {0, 0, 0, 0, 2, 3, 0, 4}, {{"青短", " 6文"}}, " 6文", 1, false},
      {"花見で一杯 at its setting", {0, 0, 2}, {{"花見で一杯", "3文"}}, " 3文", 1, false},
      {"カス at ten", {0, 0, 0, 0, 0, 0, 0, 0, 10}, {{"カス", " 1文"}}, " 1文", 1, false},
  };
  game.rules.SetPoints(0, 3);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Win(0, c.counts, 0);
    EXPECT_EQ(ShownRows(), c.rows);
    EXPECT_EQ(shown.sum, c.sum);
    EXPECT_EQ(shown.height, 2655 + 360 * c.rowsGrown);
    EXPECT_EQ(shown.namHeight, 81 + 24 * c.rowsGrown);
    EXPECT_EQ(shown.bonusVisible, c.bonus);
    if (c.bonus) {
      EXPECT_EQ(shown.bonusTop, static_cast<int>(c.rows.size()) * 360 + 600);
    }
  }
}

TEST_F(WinDialogTest, PlayerStopsAndIsPaidOneMonAtATime) {
  game.table.matchScore[0] = 3;
  std::vector<std::string> seen;
  platform.onStep = [&] { seen.push_back(game.board.Score[1].caption + "/" + game.agari.sum); };
  Win(0, {0, 3, 0, 0, 0, 0, 4}, 1);
  EXPECT_EQ(seen, (std::vector<std::string>{" 4/ 5文", " 5/ 4文", " 6/ 3文", " 7/ 2文", " 8/ 1文", " 9/ 0文"}));
  EXPECT_EQ(shown.nam, "あなた");
  EXPECT_EQ(game.agari.note, "6");
  EXPECT_EQ(game.board.Score[0].caption, " 0");
  EXPECT_EQ(game.options.JudgeMode, pg::Phase::MonthOver);
  EXPECT_EQ(game.table.Oya, 0);
  EXPECT_EQ(game.table.WinCode, pg::WinCode::None);
  EXPECT_TRUE(platform.timers.empty());
}

TEST_F(WinDialogTest, PlayerWithNoCardLeftCanOnlyStop) {
  Win(0, {6}, 1, 1);
  EXPECT_FALSE(shown.Command1[0].enabled);
  EXPECT_TRUE(shown.Command1[1].enabled);
  Win(0, {6}, 0, 2);
  EXPECT_TRUE(shown.Command1[0].enabled);
  EXPECT_EQ(shown.Command1[0].caption, "こいこい");
  EXPECT_EQ(game.agari.check, pg::WinChoice::PlayOn);
}

TEST_F(WinDialogTest, AChoiceOnceMadeIsNotTakenBack) {
  // A click can also arrive while a 文 of the payment is shown: a button's delayed keyboard click.
  platform.onStep = [this] { pg::AgariCommandClick(game, 1); };
  platform.onModal = [this](pg::Dialog) {
    pg::AgariCommandClick(game, 1);
    pg::AgariCommandClick(game, 0);
    pg::AgariCommandClick(game, 1);
  };
  game.table.YakuCount[0][pg::YakuGroup::Hikari] = 6;
  game.table.TurnStep = pg::TurnStep::PlayerHand;
  game.table.WinCode = pg::WinCode::Yaku;
  pg::Agari(game);
  EXPECT_EQ(game.board.Score[1].caption, " 5");
  EXPECT_EQ(game.options.JudgeMode, pg::Phase::MonthOver);
}

TEST_F(WinDialogTest, ComputerStopsMoreOftenAsItsHandEmpties) {
  const struct {
    int handLeft, minStops, maxStops;
  } cases[] = {{16, 70, 130}, {12, 70, 130}, {10, 420, 580}, {6, 420, 580},
               {4, 860, 940}, {2, 860, 940}, {0, 1000, 1000}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.handLeft);
    int stops = 0;
    for (int trial = 0; trial < 1000; ++trial) {
      game.table.YakuCount[1][pg::YakuGroup::Hikari] = 6;
      game.table.TurnStep = pg::TurnStep::ComputerStock;
      game.table.HandLeft = static_cast<std::int16_t>(c.handLeft);
      game.table.WinCode = pg::WinCode::Yaku;
      Show(2);
      EXPECT_EQ(shown.nam, "ｃｏｍ");
      EXPECT_FALSE(shown.Command1[0].visible);
      if (shown.Command1[2].caption == "勝負") ++stops;
    }
    EXPECT_GE(stops, c.minStops);
    EXPECT_LE(stops, c.maxStops);
  }
}

TEST_F(WinDialogTest, PlayingOnEarnsNothingWhenTheOtherSideStops) {
  Win(0, {0, 3, 0, 0, 0, 0, 3}, 0);
  EXPECT_EQ(game.options.JudgeMode, pg::Phase::PlayerToPlay);
  Win(1, {6}, 2, 0);
  EXPECT_EQ(game.board.Score[1].caption, " 0");
  EXPECT_EQ(game.board.Score[0].caption, " 5");
  EXPECT_EQ(game.options.JudgeMode, pg::Phase::MonthOver);
  EXPECT_EQ(game.table.Oya, 1);
}

TEST_F(WinDialogTest, DealersRightPaysTheDealerOneMon) {
  Win(0, {6, 3, 2, 2, 3, 3, 5, 5, 10}, 0);
  game.table.Oya = 1;
  game.table.WinCode = pg::WinCode::DealerRight;
  Show(0);
  EXPECT_EQ(ShownRows(), (Rows{{"親権", "1文"}}));
  EXPECT_EQ(shown.height, 2655 + 360);
  EXPECT_EQ(shown.Command1[0].caption, "ＯＫ");
  EXPECT_FALSE(shown.Command1[1].visible);
  EXPECT_EQ(shown.nam, "ｃｏｍ");
  EXPECT_EQ(game.board.Score[0].caption, " 1");
  EXPECT_EQ(game.table.Oya, 1);
  EXPECT_EQ(game.options.JudgeMode, pg::Phase::MonthOver);
}

}  // namespace
