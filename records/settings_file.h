// SETTINGS.TXT beside STATUS.DAT: what the game keeps that STATUS.DAT has no room for, one
// "name=value" line each, so STATUS.DAT keeps its layout.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/status_file.h"

namespace pg {

inline constexpr const char* kSettingsFileName = "SETTINGS.TXT";

// The names this version writes.
inline constexpr std::string_view kLevelSetting = "level";
inline constexpr std::string_view kHintsSetting = "hints";
inline constexpr std::string_view kCardMarksSetting = "card_marks";
inline constexpr std::string_view kTableSizeSetting = "table_size";
inline constexpr std::string_view kLessonStepSetting = "lesson_step";
inline constexpr std::string_view kLanguageSetting = "language";
// The language values: the desktop's own, Japanese, English.
inline constexpr std::string_view kLanguageAuto = "auto";
inline constexpr std::string_view kLanguageJapanese = "ja";
inline constexpr std::string_view kLanguageEnglish = "en";
// "on" or "off", as the switches are written.
std::string_view SwitchValue(bool on);

// The settings file of the STATUS.DAT at `statusPath`: the same folder.
std::filesystem::path SettingsPathBeside(const std::filesystem::path& statusPath);

struct Settings {
  // The computer's level by its tool name; empty when the file has none.
  std::string level;
  // The advisor's hints, off unless the file says "hints=on".
  bool hints = false;
  // The month and kind in a corner of every face, off unless the file says "card_marks=on".
  bool cardMarks = false;
  // The table's size in percent, one of kTableSizes.
  int tableSize = 100;
  // The step of the lesson to pick up at, 0 for its start; a number from 0 to kLessonStepLimit.
  int lessonStep = 0;
  // kLanguageAuto unless the file names one of the other language values.
  std::string language{kLanguageAuto};
};

// Above any lesson's length: a larger number is a bad line, and the lesson starts again.
inline constexpr int kLessonStepLimit = 99;

inline constexpr int kTableSizes[] = {100, 125, 150};

enum class SettingsRead { Read, Missing, Damaged };

struct LoadedSettings {
  Settings settings;
  SettingsRead read = SettingsRead::Missing;
  // Lines of a name this version knows whose value it cannot use, as written: that setting keeps
  // its default, the others are read.
  std::vector<std::string> badLines;
  // Names given more than once; the last line of each is the one read.
  std::vector<std::string> repeated;
};

// A name this version does not know, a line without "=", spaces around the "=" and a UTF-8
// byte-order mark are all taken in their stride: a newer version's file reads as far as this one
// understands it. Only a file that cannot be read, or is far larger than any settings file, is
// Damaged, and its settings read as none.
LoadedSettings LoadSettingsFile(const std::filesystem::path& path);

// Reads the file again, sets one name to `value` and writes it back with every other line as it
// was (names this version does not know included); earlier lines of the same name are dropped.
// Written to a new file beside the real one (the target, where the path is a symbolic link),
// synced and renamed into place.
[[nodiscard]] std::optional<StatusFileError> SaveSetting(const std::filesystem::path& path, std::string_view name,
                                                         std::string_view value);

// Moves a damaged file aside ("SETTINGS.TXT.damaged", replacing an older one) so that a save does
// not overwrite it unseen; the name it now has, or the error.
std::optional<StatusFileError> SetAsideSettingsFile(const std::filesystem::path& path, std::filesystem::path& setAside);

}  // namespace pg
