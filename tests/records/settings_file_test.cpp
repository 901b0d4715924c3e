// SETTINGS.TXT: what is saved reads back, and what is not ours is never taken for a setting or lost.
#include "records/settings_file.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "play/level_setting.h"
#include "tests/game_fixture.h"

namespace pg {
namespace {

namespace fs = std::filesystem;

class SettingsFileTest : public test::GameTest {
 protected:
  SettingsFileTest() {
    std::string pattern = (fs::path(testing::TempDir()) / "petalgame-settings-XXXXXX").string();
    folder = ::mkdtemp(pattern.data());
    game.statusPath = folder / "STATUS.DAT";
    path = SettingsPathBeside(game.statusPath);
  }
  ~SettingsFileTest() override {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }
  void Write(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

  fs::path folder;
  fs::path path;
};

TEST_F(SettingsFileTest, ASavedLevelReadsBackAndAMissingFileReadsAsNone) {
  EXPECT_EQ(LoadSettingsFile(path).read, SettingsRead::Missing);
  ASSERT_FALSE(SaveSettingsFile(path, {"beginner", true}));
  const LoadedSettings loaded = LoadSettingsFile(path);
  EXPECT_EQ(loaded.read, SettingsRead::Read);
  EXPECT_EQ(loaded.settings.level, "beginner");
  EXPECT_TRUE(loaded.settings.hints);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "no temp file left";
}

TEST_F(SettingsFileTest, BadDataMeansNormalIsReportedAndIsSetAside) {
  const struct {
    const char* text;
    bool damaged;
  } rows[] = {
      {"level=beginner\r\n", false},
      {"", false},
      {"level=champion\n", true},  // no level of that name
      {"levle=beginner\n", true},
      {"level=beginner\nspeed=3\n", true},
      {"\x93\xFC\x96\xE5\n", true},
      {"level=../../x\n", true},
      {"level=beginner\nhints=off\n", false},
      {"level=beginner\nhints=yes\n", true},
  };
  for (const auto& row : rows) {
    Write(row.text);
    platform.messages.clear();
    game.nextLevel = Level::Beginner;
    LoadLevelSetting(game);
    SCOPED_TRACE(row.text);
    EXPECT_EQ(platform.messages.size(), row.damaged ? 1u : 0u);
    if (row.damaged) {
      EXPECT_EQ(game.nextLevel, Level::Normal);
      EXPECT_EQ(game.level, Level::Normal);
      EXPECT_FALSE(fs::exists(path));
      std::ifstream kept(path.string() + ".damaged", std::ios::binary);
      EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), row.text) << "kept byte for byte";
    } else {
      EXPECT_EQ(game.nextLevel, *row.text ? Level::Beginner : Level::Normal);
    }
  }
}

TEST_F(SettingsFileTest, ALevelChosenDuringAMatchWaitsForTheNextAndIsSaved) {
  game.SetPhase(Phase::PlayerToPlay);
  LevelFocus(game, 0);
  EXPECT_EQ(game.nextLevel, Level::Beginner);
  EXPECT_EQ(game.level, Level::Normal) << "the running match keeps its level";
  EXPECT_EQ(LoadSettingsFile(path).settings.level, "beginner");
}

}  // namespace
}  // namespace pg
