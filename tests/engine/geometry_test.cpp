// Board positions against the places the layout gives them, in both screen modes.
#include "engine/geometry.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/game_fixture.h"

namespace pg {
namespace {

TEST(GeometryTest, EveryPlaceOfTheBoard) {
  TableState t;
  const struct {
    const char* place;
    std::function<Point()> at;
    Point expected;  // with LayoutTop 46
  } rows[] = {
      {"stock, first card", [&] { return StockPosition(t, 0); }, {36, 192}},
      {"stock, top card after the deal", [&] { return StockPosition(t, 24); }, {36, 240}},
      {"table slot 0", [&] { return TableSlotPosition(t, 0); }, {144, 222}},
      {"table slot 3", [&] { return TableSlotPosition(t, 3); }, {200, 302}},
      {"table slot 20", [&] { return TableSlotPosition(t, 20); }, {704, 222}},
      {"player's hand slot 7", [&] { return HandSlotPosition(t, 0, 7); }, {392, 422}},
      {"computer's hand slot 0", [&] { return HandSlotPosition(t, 1, 0); }, {112, 102}},
      {"frame around slot 3", [&] { return ChoiceFramePosition(t, 3); }, {198, 300}},
      {"hint over hand slot 2", [&] { return HintMarkerPosition(t, 2); }, {207, 408}},
      {"player's first bright", [&] { return CapturePilePosition(t, 0, CardClass::Bright, 0); }, {704, 308}},
      {"player's third animal", [&] { return CapturePilePosition(t, 0, CardClass::Animal, 2); }, {528, 308}},
      {"player's second ribbon", [&] { return CapturePilePosition(t, 0, CardClass::Ribbon, 1); }, {684, 386}},
      {"player's first chaff", [&] { return CapturePilePosition(t, 0, CardClass::Chaff, 0); }, {704, 464}},
      {"computer's first bright", [&] { return CapturePilePosition(t, 1, CardClass::Bright, 0); }, {704, 216}},
      {"computer's first animal", [&] { return CapturePilePosition(t, 1, CardClass::Animal, 0); }, {568, 216}},
      {"computer's first ribbon", [&] { return CapturePilePosition(t, 1, CardClass::Ribbon, 0); }, {704, 138}},
      {"computer's tenth chaff", [&] { return CapturePilePosition(t, 1, CardClass::Chaff, 9); }, {524, 60}},
      {"draw candidate 0", [&] { return DealerDrawPosition(t, 0); }, {180, 206}},
      {"draw candidate 7", [&] { return DealerDrawPosition(t, 7); }, {252, 302}},
      {"player's name over candidate 1", [&] { return DealerDrawNamePosition(t, 0, 1); }, {250, 186}},
      {"computer's name under candidate 11", [&] { return DealerDrawNamePosition(t, 1, 11); }, {543, 370}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.place);
    t.LayoutTop = 46;
    EXPECT_EQ(row.at(), row.expected);
    // The 640 x 480 mode moves the whole play area down by four.
    t.LayoutTop = 50;
    const Point moved = row.at();
    EXPECT_EQ(moved.x, row.expected.x);
    EXPECT_EQ(moved.y, row.expected.y + 4);
  }
}

TEST(GeometryTest, MessageLinesAndTheDealerMark) {
  TableState t;
  EXPECT_EQ(DrawPromptTop(t, 0), 78);
  EXPECT_EQ(DrawPromptTop(t, 1), 118);
  EXPECT_EQ(DrawResultTop(t, 0), 426);
  EXPECT_EQ(DrawResultTop(t, 1), 466);
  EXPECT_EQ(MatchResultTop(t, 0), 234);
  EXPECT_EQ(MatchResultTop(t, 2), 322);
  t.Oya = 0;
  EXPECT_EQ(DealerMarkPosition(t), (Point{24, 414}));
  t.Oya = 1;
  EXPECT_EQ(DealerMarkPosition(t), (Point{24, 110}));
}

}  // namespace
}  // namespace pg
