// The texts the history keeps for results, and whole-match comparison for reading back.
#include "records/history_match.h"

#include <array>
#include <utility>

namespace pg {

namespace {

constexpr std::array<std::pair<MatchOutcome, const char*>, 4> kResultKeys{{
    {MatchOutcome::Won, "won"},
    {MatchOutcome::Lost, "lost"},
    {MatchOutcome::Level, "level"},
    {MatchOutcome::Abandoned, "abandoned"},
}};

}  // namespace

const char* ResultKey(MatchOutcome result) {
  for (const auto& [value, key] : kResultKeys) {
    if (value == result) return key;
  }
  return "abandoned";
}

bool ResultFromKey(const std::string& key, MatchOutcome& result) {
  for (const auto& [value, text] : kResultKeys) {
    if (key == text) {
      result = value;
      return true;
    }
  }
  return false;
}

const char* CallKindKey(CallKind kind) { return kind == CallKind::KoiKoi ? "koikoi" : "shoubu"; }

const char* CallOutcomeKey(CallOutcome outcome) {
  switch (outcome) {
    case CallOutcome::Won:
      return "won";
    case CallOutcome::Lost:
      return "lost";
    default:
      return "no_win";
  }
}

bool SameRules(const RuleSettings& a, const RuleSettings& b) {
  return a.HanamiRule == b.HanamiRule && a.TsukimiRule == b.TsukimiRule && a.OyaRule == b.OyaRule &&
         a.KikuRule == b.KikuRule && a.HanamiPoints == b.HanamiPoints && a.TsukimiPoints == b.TsukimiPoints;
}

bool operator==(const HistoryMatch& a, const HistoryMatch& b) {
  return a.id == b.id && a.startedAt == b.startedAt && a.endedAt == b.endedAt && SameRules(a.rules, b.rules) &&
         a.level == b.level && a.scores == b.scores && a.result == b.result && a.assisted == b.assisted &&
         a.dealCode == b.dealCode && a.dailyDate == b.dailyDate && a.months == b.months;
}

}  // namespace pg
