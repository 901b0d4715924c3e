// Every level's stored name and label, in one table.
#include "engine/level.h"

namespace pg {

namespace {

struct LevelNames {
  Level level;
  std::string_view stored;
  std::string_view label;
};

constexpr std::array<LevelNames, kLevels.size()> kNames{{{Level::Beginner, "beginner", "入門"},
                                                         {Level::Normal, "normal", "普通"},
                                                         {Level::Strong, "strong", "強い"},
                                                         {Level::Expert, "expert", "最強"}}};

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

std::string_view LevelLabel(Level level) { return NamesOf(level).label; }

std::string_view LevelLabel(std::string_view storedName) {
  const std::optional<Level> level = LevelNamed(storedName);
  return level ? LevelLabel(*level) : storedName;
}

}  // namespace pg
