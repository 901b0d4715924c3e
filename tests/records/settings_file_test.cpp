// SETTINGS.TXT: what is saved reads back, what this version cannot use is told about and kept, and
// a save changes only its own line.
#include "records/settings_file.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "engine/game.h"
#include "play/hints.h"
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
  std::string Read() const {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  fs::path folder;
  fs::path path;
};

TEST_F(SettingsFileTest, ASavedLevelReadsBackAndAMissingFileReadsAsNone) {
  EXPECT_EQ(LoadSettingsFile(path).read, SettingsRead::Missing);
  ASSERT_FALSE(SaveSetting(path, kLevelSetting, "beginner"));
  ASSERT_FALSE(SaveSetting(path, kHintsSetting, SwitchValue(true)));
  ASSERT_FALSE(SaveSetting(path, kCardMarksSetting, SwitchValue(true)));
  ASSERT_FALSE(SaveSetting(path, kTableSizeSetting, "125"));
  const LoadedSettings loaded = LoadSettingsFile(path);
  EXPECT_EQ(loaded.read, SettingsRead::Read);
  EXPECT_EQ(loaded.settings.level, "beginner");
  EXPECT_TRUE(loaded.settings.hints);
  EXPECT_TRUE(loaded.settings.cardMarks);
  EXPECT_EQ(loaded.settings.tableSize, 125);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "no temp file left";
}

TEST_F(SettingsFileTest, WhatCannotBeUsedIsToldOnceAndTheRestOfTheFileIsRead) {
  const struct {
    const char* text;
    const char* level;
    bool hints;
    int messages;
    bool marks = false;
    int tableSize = 100;
    int lessonStep = 0;
  } rows[] = {
      {"level=beginner\r\n", "beginner", false, 0},
      {"", "normal", false, 0},
      {"\xEF\xBB\xBFlevel = beginner\nhints =on\n", "beginner", true, 0},
      {"level=beginner\nspeed=3\ncolour=\x93\xFC\n# note\n", "beginner", false, 0},
      {"level=champion\nhints=on\n", "normal", true, 1},  // no level of that name
      {"level=../../x\nhints=on\n", "normal", true, 1},
      {"level=beginner\nhints=yes\n", "beginner", false, 1},
      {"level=expert\nhints=on\nlevel=beginner\nhints=on\n", "beginner", true, 1},
      {"level=beginner\ncard_marks=on\ntable_size=150\n", "beginner", false, 0, true, 150},
      {"card_marks=1\ntable_size=120\n", "normal", false, 1},
      {"table_size=1500000000000\n", "normal", false, 1},
      {"lesson_step=5\n", "normal", false, 0, false, 100, 5},
      {"lesson_step=-1\nlesson_step=100\n", "normal", false, 1},
  };
  for (const auto& row : rows) {
    Write(row.text);
    platform.messages.clear();
    game.hints = false;
    game.cardMarks = false;
    game.tableSize = 100;
    game.lessonStep = 0;
    LoadLevelSetting(game);
    SCOPED_TRACE(row.text);
    EXPECT_EQ(StoredName(game.nextLevel), row.level);
    EXPECT_EQ(game.hints, row.hints);
    EXPECT_EQ(game.cardMarks, row.marks);
    EXPECT_EQ(game.tableSize, row.tableSize);
    EXPECT_EQ(game.lessonStep, row.lessonStep);
    EXPECT_EQ(platform.messages.size(), static_cast<std::size_t>(row.messages));
    EXPECT_EQ(Read(), row.text) << "left as it was";
  }
  // Only a file far larger than any settings file is moved aside, byte for byte.
  const std::string huge(10000, 'x');
  Write(huge);
  platform.messages.clear();
  LoadLevelSetting(game);
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_FALSE(fs::exists(path));
  std::ifstream kept(path.string() + ".damaged", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), huge);
}

TEST_F(SettingsFileTest, ASaveChangesOneLineKeepsTheRestAndWritesThroughALink) {
  // A newer version's names, spaces and the byte-order mark stay; an earlier line of the same name goes.
  Write("\xEF\xBB\xBFlevel=expert\r\ntheme = night\nlevel = normal\nhints=off\n");
  ASSERT_FALSE(SaveSetting(path, kLevelSetting, "beginner"));
  EXPECT_EQ(Read(), "\xEF\xBB\xBFtheme = night\nlevel=beginner\nhints=off\n");

  // Two copies, each changing its own setting: read, change one line, write, so both changes stay.
  Game other{platform};
  other.statusPath = game.statusPath;
  LevelFocus(game, 0);
  SetHints(other, true);
  const LoadedSettings loaded = LoadSettingsFile(path);
  EXPECT_EQ(loaded.settings.level, "beginner");
  EXPECT_TRUE(loaded.settings.hints);
  EXPECT_FALSE(game.statusLock && game.statusLock->Held()) << "the lock is given back";

  const fs::path real = folder / "kept" / "settings.txt";
  fs::create_directories(real.parent_path());
  fs::rename(path, real);
  fs::create_symlink(fs::path("kept") / "settings.txt", path);
  ASSERT_FALSE(SaveSetting(path, kHintsSetting, SwitchValue(false)));
  EXPECT_TRUE(fs::is_symlink(path)) << "the link stays a link";
  EXPECT_EQ(LoadSettingsFile(real).settings.level, "beginner");
  EXPECT_FALSE(LoadSettingsFile(real).settings.hints);
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
