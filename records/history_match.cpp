// The texts the history keeps for results, and whole-match comparison for reading back.
#include "records/history_match.h"

#include <array>
#include <utility>

namespace pg {

namespace {

constexpr std::array<std::pair<MatchResult, const char*>, 4> kResultKeys{{
    {MatchResult::Won, "won"},
    {MatchResult::Lost, "lost"},
    {MatchResult::Level, "level"},
    {MatchResult::Abandoned, "abandoned"},
}};

}  // namespace

const char* ResultKey(MatchResult result) {
  for (const auto& [value, key] : kResultKeys) {
    if (value == result) return key;
  }
  return "abandoned";
}

bool ResultFromKey(const std::string& key, MatchResult& result) {
  for (const auto& [value, text] : kResultKeys) {
    if (key == text) {
      result = value;
      return true;
    }
  }
  return false;
}

bool SameRules(const RuleSettings& a, const RuleSettings& b) {
  return a.HanamiRule == b.HanamiRule && a.TsukimiRule == b.TsukimiRule && a.OyaRule == b.OyaRule &&
         a.KikuRule == b.KikuRule && a.HanamiPoints == b.HanamiPoints && a.TsukimiPoints == b.TsukimiPoints;
}

bool operator==(const HistoryMatch& a, const HistoryMatch& b) {
  return a.id == b.id && a.startedAt == b.startedAt && a.endedAt == b.endedAt && SameRules(a.rules, b.rules) &&
         a.level == b.level && a.scores == b.scores && a.result == b.result && a.months == b.months;
}

}  // namespace pg
