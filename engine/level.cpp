// Every level's stored name and label, in one table.
#include "engine/level.h"

#include "records/player_text.h"

namespace pg {

namespace {

struct LevelNames {
  Level level;
  std::string_view stored;
  const char* label;
};

constexpr std::array<LevelNames, kLevels.size()> kNames{{{Level::Beginner, "beginner", PG_TEXT("入門")},
                                                         {Level::Normal, "normal", PG_TEXT("普通")},
                                                         {Level::Strong, "strong", PG_TEXT("強い")},
                                                         {Level::Expert, "expert", PG_TEXT("最強")}}};

const LevelNames& NamesOf(Level level) {
  for (const LevelNames& names : kNames) {
    if (names.level == level) return names;
  }
  return kNames[1];
}

}  // namespace

std::string_view StoredName(Level level) { return NamesOf(level).stored; }

std::optional<Level> LevelNamed(std::string_view name) {
  for (const LevelNames& names : kNames) {
    if (names.stored == name) return names.level;
  }
  return std::nullopt;
}

std::string LevelLabel(Level level) { return Tr(NamesOf(level).label); }

std::string LevelLabel(std::string_view storedName) {
  const std::optional<Level> level = LevelNamed(storedName);
  return level ? LevelLabel(*level) : std::string(storedName);
}

}  // namespace pg
