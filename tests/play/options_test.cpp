// The options as they change the table: the yaku display by phase, the two screen modes, the
// wallpaper's error path, faces and picture files that cannot be read.
#include "play/option_dialog.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/geometry.h"
#include "play/dealer_decision.h"
#include "play/screen_mode.h"
#include "play/setup.h"
#include "play/turn_driver.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

class OptionsTest : public GameTest {
 protected:
  void DealAMonth() {
    DealArranged(0, {"11", "21", "33", "43", "53", "63", "73", "91"}, {"14", "24", "34", "44", "54", "64", "74", "C3"},
                 {"92", "32", "42", "52", "62", "72", "C1", "B2"});
  }
  // The places of the controls that stay put through a match.
  std::vector<Point> FixedPlaces() const {
    const Board& b = game.board;
    std::vector<Point> places;
    auto add = [&places](const auto& control) { places.push_back({control.left, control.top}); };
    for (int side = 0; side < 2; ++side) {
      add(b.Face[side]);
      add(b.ScoreP[side]);
      add(b.Score[side]);
    }
    add(b.PnumP);
    add(b.Pnum);
    add(b.LevelName);
    for (const Shape& hint : b.PG) add(hint);
    for (const Label& label : b.YakuState) add(label);
    return places;
  }
  int VisibleLabels() const {
    int shown = 0;
    for (const Label& label : game.board.YakuState) shown += label.visible ? 1 : 0;
    return shown;
  }
};

TEST_F(OptionsTest, TheYakuDisplayAppliesAtOnceOnlyWhileAMonthIsPlayed) {
  DealAMonth();
  game.board.YakuState[4].caption = "赤短　残1";
  game.board.YakuState[13].caption = "青短　×";
  DekiYakuFocus(game, 1);
  EXPECT_EQ(VisibleLabels(), 2) << "one card short and blocked";
  EXPECT_EQ(game.board.YakuState[13].back, (Rgb{128, 128, 128}));
  DekiYakuFocus(game, 2);
  EXPECT_EQ(VisibleLabels(), 0);
  game.rules.option[0] = 1;
  DekiYakuFocus(game, 0);
  EXPECT_EQ(VisibleLabels(), 16) << "all but the 花見 pair, whose yaku is off";

  // From the first play to the month's end a month is in play; outside it the next refresh shows
  // the mode.
  const struct {
    Phase phase;
    bool appliesAtOnce;
  } phases[] = {
      {Phase::Idle, false},      {Phase::DealerDraw, false}, {Phase::DealerKnown, false}, {Phase::PlayerToPlay, true},
      {Phase::HandChoice, true}, {Phase::StockChoice, true}, {Phase::MonthOver, true},    {Phase::MatchOver, false},
  };
  for (const auto& row : phases) {
    SCOPED_TRACE(static_cast<int>(row.phase));
    game.SetPhase(Phase::PlayerToPlay);
    DekiYakuFocus(game, 0);
    game.SetPhase(row.phase);
    DekiYakuFocus(game, 2);
    EXPECT_EQ(VisibleLabels(), row.appliesAtOnce ? 0 : 16);
    EXPECT_EQ(game.options.DekiYaku, YakuDisplay::Never);
  }
}

TEST_F(OptionsTest, SwitchingScreenModesThereAndBackLeavesEveryControlWhereItWasOnTheTable) {
  DealAMonth();
  Card_Click(game, HandPicture("11"));
  const std::array<CardPicture, kCardCount> before = game.board.Card;
  const std::vector<Point> fixedBefore = FixedPlaces();
  const Label message = game.board.message[0];
  SOptionFocus(game, 0);
  EXPECT_TRUE(game.SmallScreen());
  EXPECT_TRUE(platform.smallMode);
  EXPECT_EQ(game.table.LayoutTop, 50);
  for (int i = 0; i < kCardCount; ++i) {
    EXPECT_EQ(game.board.Card[i].left, before[i].left) << i;
    EXPECT_EQ(game.board.Card[i].top, before[i].top + 4) << i << ": down with the play area";
  }
  EXPECT_EQ(game.board.oyamark.top, 50 + 368) << "the dealer mark follows the dealer";
  const std::vector<Point> fixedSmall = FixedPlaces();
  for (std::size_t i = 0; i < fixedBefore.size(); ++i) {
    EXPECT_EQ(fixedSmall[i], (Point{fixedBefore[i].x, static_cast<std::int16_t>(fixedBefore[i].y + 4)})) << i;
  }
  SOptionFocus(game, 0);
  EXPECT_EQ(game.table.LayoutTop, 50) << "the mode in effect is not laid out again";
  SOptionFocus(game, 1);
  EXPECT_FALSE(game.SmallScreen());
  for (int i = 0; i < kCardCount; ++i) EXPECT_EQ(game.board.Card[i].top, before[i].top) << i;
  EXPECT_EQ(FixedPlaces(), fixedBefore);
  EXPECT_EQ(game.board.message[0].fontSize, message.fontSize) << "sizes do not drift";
}

TEST_F(OptionsTest, MessagesTakeTheSizesOfTheModeTheyAreShownIn) {
  StartGame(game);
  oya2(game, 0);
  SOptionFocus(game, 0);
  EXPECT_EQ(game.board.message[0].fontSize, 21);
  EXPECT_EQ(game.board.message[2].fontSize, 9) << "the name by the picked card";
  SOptionFocus(game, 1);
  SOptionFocus(game, 0);
  SOptionFocus(game, 1);
  EXPECT_EQ(game.board.message[0].fontSize, 24);
  EXPECT_EQ(game.board.message[2].fontSize, 12);
}

TEST_F(OptionsTest, A640PixelScreenStartsSmallAndCannotChooseTheLargerMode) {
  platform.screenWidth = 640;
  setup(game);
  EXPECT_TRUE(game.SmallScreen());
  EXPECT_EQ(game.options.SOption, 0);
  EXPECT_FALSE(game.options.SOption1Enabled);
  SOptionFocus(game, 1);
  EXPECT_TRUE(game.SmallScreen()) << "the 800 button is disabled";
}

TEST_F(OptionsTest, AMissingWallpaperIsReportedOnceAndTheTableGoesPlain) {
  DealAMonth();
  platform.existingFiles.clear();
  game.options.WFileName = "gone.bmp";
  WallFocus(game, 3);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0], "ﾌｧｲﾙが見つかりません。");
  EXPECT_EQ(platform.messageTitles[0], "エラー");
  EXPECT_EQ(game.options.WFileName, "");
  EXPECT_EQ(game.options.Wall, 3);
  EXPECT_EQ(platform.background, "");
  EXPECT_FALSE(game.board.background.lines.empty()) << "the ruling is drawn again while a month is played";
  EXPECT_FALSE(game.board.ownWallpaper) << "the plain table needs no backing";

  WallFocus(game, 3);
  EXPECT_EQ(platform.messages.size(), 1u) << "その他 with no file is no error";

  platform.existingFiles = {"picked.jpg", "wall1.bmp"};
  platform.pickedFiles.push_back("picked.jpg");
  WCommandClick(game);
  EXPECT_EQ(platform.background, "picked.jpg");
  EXPECT_TRUE(game.board.ownWallpaper) << "the player's own picture gets the labels a backing";
  WallFocus(game, 0);
  EXPECT_FALSE(game.board.ownWallpaper) << "the built-in wallpapers keep their colours";
  WallFocus(game, 3);
  platform.pickedFiles.push_back(std::nullopt);
  WCommandClick(game);
  EXPECT_EQ(platform.background, "picked.jpg") << "a cancelled picker changes nothing";
}

TEST_F(OptionsTest, FacesPickAFileOrGoBackAndUnreadablePicturesAreRefused) {
  platform.existingFiles = {"me.png", "drawing.wmf"};
  platform.unreadableFiles = {"drawing.wmf"};
  platform.pickedFiles.push_back("me.png");
  FaceMouseUp(game, 1, true);
  EXPECT_EQ(game.options.FFileName[1], "me.png");
  EXPECT_EQ(platform.faces[1], "me.png");

  FaceMouseUp(game, 0, false);
  EXPECT_TRUE(platform.messages.empty()) << "a built-in face stays as it is";
  FaceMouseUp(game, 1, false);
  EXPECT_EQ(game.options.FFileName[1], "Original");
  EXPECT_EQ(platform.faces[1], "");

  platform.pickedFiles.push_back("drawing.wmf");
  FaceMouseUp(game, 0, true);
  EXPECT_EQ(game.options.FFileName[0], "Original");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].starts_with("この画像は表示できません。"));

  platform.background = "wall1.bmp";
  game.options.WFileName = "drawing.wmf";
  WallFocus(game, 3);
  EXPECT_EQ(platform.background, "wall1.bmp") << "the wallpaper shown stays";
  EXPECT_EQ(platform.messages.size(), 2u);
}

// Record 4 holds the three names in 592 bytes; the wallpaper's is stored first.
TEST_F(OptionsTest, ANameThatCannotBeSavedIsReportedWhenChosen) {
  const std::string longWall = "/home/" + std::string(881, 'w');
  const std::string longFace = "/home/" + std::string(400, 'f') + ".png";
  const std::string otherFace = "/home/" + std::string(250, 'g') + ".png";
  const std::string emoji = "/home/\xF0\x9F\x98\x80.png";
  platform.existingFiles = {longWall, longFace, otherFace, emoji, "ok.png"};
  const std::string report = "このファイル名は保存できないため、次に起動したときには使われません。\n";
  const auto messages = [&] {
    std::vector<std::string> shown = platform.messages;
    platform.messages.clear();
    return shown;
  };

  platform.pickedFiles.push_back("ok.png");
  FaceMouseUp(game, 0, true);
  EXPECT_EQ(messages(), std::vector<std::string>{}) << "a name that fits";
  platform.pickedFiles.push_back(emoji);
  FaceMouseUp(game, 0, true);
  EXPECT_EQ(messages(), std::vector<std::string>{report + emoji}) << "not CP932";

  platform.pickedFiles.push_back(longFace);
  FaceMouseUp(game, 0, true);
  EXPECT_EQ(messages(), std::vector<std::string>{}) << "room for a long face while the wallpaper has none";
  WallFocus(game, 3);
  game.options.WFileName = longWall;
  WFileNameLostFocus(game);
  EXPECT_EQ(platform.background, longWall) << "it shows";
  EXPECT_EQ(messages(), std::vector<std::string>{report + longWall});
  WFileNameLostFocus(game);
  WallFocus(game, 3);
  EXPECT_EQ(messages(), std::vector<std::string>{}) << "once per name";

  game.options.WFileName = otherFace;
  WFileNameLostFocus(game);
  EXPECT_EQ(messages(), std::vector<std::string>{report + longFace}) << "a wallpaper that fits crowds out the face";
  EXPECT_EQ(platform.messageTitles.back(), "オプション");
}

TEST_F(OptionsTest, TheSpeedIsNeverZero) {
  SliderChange(game, 0);
  EXPECT_EQ(game.options.Slider, 1);
  SliderChange(game, 99);
  EXPECT_EQ(game.options.Slider, 30);
}

}  // namespace
}  // namespace pg::test
