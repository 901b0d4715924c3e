// The computer's levels of play, and the names they are stored and shown by.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pg {

enum class Level : std::uint8_t { Beginner, Normal, Strong, Expert };

// Weakest first, as the options dialog lists them.
inline constexpr std::array<Level, 4> kLevels{Level::Beginner, Level::Normal, Level::Strong, Level::Expert};

// The name a level is kept by in SETTINGS.TXT and history.db, and the tools' name for it.
std::string_view StoredName(Level level);
std::optional<Level> LevelNamed(std::string_view name);
// The name the player knows a level by: 入門, 普通, 強い, 最強.
std::string LevelLabel(Level level);
// The label of a stored name; the name itself for a level this version does not know.
std::string LevelLabel(std::string_view storedName);

}  // namespace pg
