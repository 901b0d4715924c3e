// Start-up and a new match: defaults, wallpaper and faces, and what a new match hides and resets.
#include "play/setup.h"

#include <gtest/gtest.h>

#include "tests/game_fixture.h"

namespace pg::test {
namespace {

TEST(SetupTest, FirstRunUsesTheDefaultsAndSeedsFromTheClock) {
  headless::ScriptedPlatform platform(42);
  Game game(platform);
  setup(game);
  EXPECT_EQ(game.table.LayoutTop, 46);
  EXPECT_EQ(platform.background, "wall1.bmp");
  EXPECT_EQ(platform.faces[0], "");
  EXPECT_EQ(game.options.FFileName[1], "Original");
  EXPECT_EQ(game.options.Slider, kSliderDefault);
  EXPECT_TRUE(game.rules.HanamiOn() && game.rules.TsukimiOn());
  EXPECT_FALSE(game.rules.OyaRightOn());
  EXPECT_FALSE(game.rules.KikuAsChaff());
  EXPECT_EQ(game.rules.rten[0], "5");
  EXPECT_TRUE(platform.messages.empty());

  Random same(42);
  EXPECT_EQ(game.random.Uniform(), same.Uniform()) << "the game's one random source is seeded from the clock";
}

TEST(SetupTest, AMissingWallpaperIsReportedAndClearedWithoutLosingTheGame) {
  headless::ScriptedPlatform platform;
  platform.existingFiles.clear();
  Game game(platform);
  setup(game);
  EXPECT_EQ(platform.messages, (std::vector<std::string>{"ﾌｧｲﾙが見つかりません。"}));
  EXPECT_EQ(game.options.Wall, 3);
  EXPECT_EQ(game.options.WFileName, "");
  EXPECT_EQ(platform.background, "");
}

class StartGameTest : public GameTest {};

TEST_F(StartGameTest, ANewMatchHidesTheTableAndKeepsTheScoresUntilItsFirstMonth) {
  DealArranged(0, {"11", "21", "33", "43", "53", "63", "73", "83"}, {"14", "24", "34", "44", "54", "64", "74", "C3"},
               {"12", "22", "32", "13", "52", "62", "72", "C1"});
  game.table.BestMonthPoints = {9, 4, 2};
  game.table.matchScore[0] = 12;
  game.board.Score[1].caption = " 12";
  game.board.PG[0].visible = true;
  game.board.message[4].visible = true;
  StartGame(game);
  EXPECT_EQ(game.table.BestMonthPoints, (std::array<std::int16_t, 3>{0, 0, 0}));
  EXPECT_FALSE(game.board.PG[0].visible);
  EXPECT_FALSE(game.board.message[4].visible);
  EXPECT_FALSE(game.board.Score[1].visible || game.board.Score[1].enabled);
  EXPECT_EQ(game.table.matchScore[0], 12) << "reset only when the first month begins";
  EXPECT_EQ(game.board.Score[1].caption, " 12");
  for (int i = 12; i < kCardCount; ++i) EXPECT_FALSE(game.board.Card[i].visible || game.board.Card[i].enabled);
  EXPECT_EQ(game.options.JudgeMode, Phase::DealerDraw);

  GameSetUp(game);
  EXPECT_EQ(game.table.matchScore[0], 0);
  EXPECT_EQ(game.board.Score[1].caption, "0");
  const Board& b = game.board;
  EXPECT_TRUE(b.Face[0].visible && b.Face[1].visible && b.PnumP.visible && b.Pnum.visible);
  EXPECT_EQ(game.board.background.captions.size(), 8u) << "the capture areas are ruled and captioned";
  EXPECT_EQ(game.board.background.captions[0].text, "カス札");
  EXPECT_EQ(game.board.background.captions[0].top, 46 + 27);
}

}  // namespace
}  // namespace pg::test
