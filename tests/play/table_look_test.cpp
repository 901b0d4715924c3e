// The game for eyes that cannot go by the pictures alone: card names and marks, and the larger table.
#include "play/table_look.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/card_name.h"
#include "records/settings_file.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(CardNameTest, EveryCardIsNamedByMonthPictureAndKind) {
  const struct {
    const char* code;
    bool kikuAsChaff;
    const char* name;
  } rows[] = {
      {"31", false, "3月 桜に幕（光）"},    {"B1", false, "11月 柳に雨（光）"},
      {"82", false, "8月 芒に雁（種）"},    {"91", false, "9月 菊に杯（種）"},
      {"91", true, "9月 菊に杯（カス）"},   {"A2", false, "10月 紅葉に青短（短）"},
      {"B3", false, "11月 柳に短冊（短）"}, {"B4", false, "11月 柳に雷（カス）"},
      {"C4", false, "12月 桐（カス）"},
  };
  for (const auto& row : rows) EXPECT_EQ(CardName(CardCode::FromText(row.code), row.kikuAsChaff), row.name) << row.code;
  for (int n = 0; n < kCardCount; ++n) {
    const CardCode code = CodeOf(n);
    EXPECT_EQ(CardOfCell(CellOf(code)), code) << code.Text();
    const std::string name = CardName(code, false);
    EXPECT_EQ(name.rfind(std::to_string(MonthOf(code)) + "月 ", 0), 0u) << name;
    EXPECT_TRUE(EndsWith(name, "（" + std::string(KindMark(code, false)) + "）")) << name;
  }
  for (const int cell : {kBackCell, 25, 38, 51, -1, 52}) EXPECT_FALSE(CardOfCell(cell)) << cell;
}

using TableLookTest = GameTest;

TEST_F(TableLookTest, ALargerTableIsOfferedOnlyWhereTheScreenHoldsItAndIsKept) {
  game.statusPath = std::filesystem::path(testing::TempDir()) / "petalgame-look" / "STATUS.DAT";
  std::filesystem::create_directories(game.statusPath.parent_path());
  platform.frames[Window::Main] = {760, 542, 1, 24, 1, 1};
  platform.screens = {{0, 0, 1024, 768}};
  EXPECT_TRUE(TableSizeFits(game, 125));
  EXPECT_FALSE(TableSizeFits(game, 150));
  SetTableSize(game, 150);
  EXPECT_EQ(platform.tableSize, 100) << "refused";
  SetTableSize(game, 125);
  SetCardMarks(game, true);
  EXPECT_EQ(platform.tableSize, 125);
  const Settings kept = LoadSettingsFile(SettingsPathBeside(game.statusPath)).settings;
  EXPECT_EQ(kept.tableSize, 125);
  EXPECT_TRUE(kept.cardMarks);
  // A size kept from a larger screen falls back to the largest that fits.
  game.tableSize = 150;
  platform.tableSize = 100;
  ApplyTableSizeAtStart(game);
  EXPECT_EQ(platform.tableSize, 125);
  EXPECT_EQ(game.tableSize, 125);
  std::filesystem::remove_all(game.statusPath.parent_path());
}

}  // namespace
}  // namespace pg::test
