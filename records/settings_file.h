// SETTINGS.TXT beside STATUS.DAT: what the game keeps that STATUS.DAT has no room for, one
// "name=value" line each, so STATUS.DAT keeps its layout.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "records/status_file.h"

namespace pg {

inline constexpr const char* kSettingsFileName = "SETTINGS.TXT";

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
};

inline constexpr int kTableSizes[] = {100, 125, 150};

enum class SettingsRead { Read, Missing, Damaged };

struct LoadedSettings {
  Settings settings;
  SettingsRead read = SettingsRead::Missing;
};

// A file that cannot be read, or holds a line that is not "name=value" with a name this game knows,
// is Damaged: its settings read as none.
LoadedSettings LoadSettingsFile(const std::filesystem::path& path);

// Written to a new file in the same folder, synced and renamed into place, as STATUS.DAT is.
[[nodiscard]] std::optional<StatusFileError> SaveSettingsFile(const std::filesystem::path& path,
                                                              const Settings& settings);

// Moves a damaged file aside ("SETTINGS.TXT.damaged", replacing an older one) so that a save does
// not overwrite it unseen; the name it now has, or the error.
std::optional<StatusFileError> SetAsideSettingsFile(const std::filesystem::path& path, std::filesystem::path& setAside);

}  // namespace pg
