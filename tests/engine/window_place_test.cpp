// Windows opened from stored places land on a screen: whole where they fit, by their title bar
// and top left corner where they do not.
#include <gtest/gtest.h>

#include "engine/window_place.h"

namespace pg {
namespace {

constexpr double kTwips = 15.0;

// A 200 x 100 client under a frame of 1 pixel, with a title bar of 20.
constexpr WindowFrame kDialog{200, 100, 1, 20, 1, 1};
// A 1024 x 768 primary screen with a 32-pixel panel at the top, and a second screen to its right.
const std::vector<ScreenArea> kScreens{{0, 32, 1024, 736}, {1024, 0, 1280, 1024}};

TEST(WindowPlaceTest, StoredPlacesComeOntoTheScreenTheyLandOn) {
  struct Row {
    const char* what;
    double left, top;  // client corner, pixels
    double wantLeft, wantTop;
  } rows[] = {
      {"on the screen: untouched", 100, 200, 100, 200},
      {"under the panel: moved below it", 100, 40, 100, 52},
      {"far below the screen", 100, 5000, 100, 767 - 100},
      {"past the right edge of the second screen", 2200, 300, 2304 - 201, 300},
      {"across both screens, mostly on the second", 1000, 300, 1025, 300},
      {"left of every screen", -900, 300, 1, 300},
      {"on no screen at all: onto the primary", 30000, -30000, 1024 - 201, 52},
  };
  for (const Row& row : rows) {
    const WindowOrigin place = PlaceOnScreen({row.left * kTwips, row.top * kTwips}, kDialog, kScreens);
    EXPECT_EQ(place.left, row.wantLeft * kTwips) << row.what;
    EXPECT_EQ(place.top, row.wantTop * kTwips) << row.what;
  }
}

TEST(WindowPlaceTest, AWindowLargerThanTheScreenShowsItsTitleBarAndCorner) {
  // The main window of the 800x600 mode at twice the scale on a 1024 x 768 screen: 512 x 384.
  const WindowFrame main{760, 588, 1, 20, 1, 1};
  const std::vector<ScreenArea> halfScreen{{0, 0, 512, 384}};
  for (const WindowOrigin stored : {WindowOrigin{600, 600}, WindowOrigin{-3000, 9000}, WindowOrigin{15, 300}}) {
    const WindowOrigin place = PlaceOnScreen(stored, main, halfScreen);
    EXPECT_EQ(place.left, 1 * kTwips);
    EXPECT_EQ(place.top, 20 * kTwips);
  }
}

TEST(WindowPlaceTest, APlaceInsideTheScreenKeepsItsTwipsExactly) {
  // Twips that are no whole pixel are kept as stored, so a window left alone never creeps.
  const WindowOrigin stored{1007, 998};
  const WindowOrigin place = PlaceOnScreen(stored, kDialog, kScreens);
  EXPECT_EQ(place.left, 1007);
  EXPECT_EQ(place.top, 998);
  const WindowOrigin unknown = PlaceOnScreen({-40000, 90000}, kDialog, {});
  EXPECT_EQ(unknown.left, -40000) << "with no screen to go by the place stays";
}

}  // namespace
}  // namespace pg
