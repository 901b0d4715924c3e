// Working back from the end of the match through the self-played month outcomes.
#include "computer/win_chance.h"

#include <algorithm>
#include <cstddef>
#include <memory>
#include <mutex>

#include "computer/month_outcomes.h"

namespace pg::computer {

namespace {

int SwitchSetting(const model::Rules& rules) {
  return (rules.hanami ? 0 : 1) | (rules.tsukimi ? 0 : 2) | (rules.dealerRight ? 4 : 0) | (rules.kikuAsChaff ? 8 : 0);
}

int PointPairs(int setting) { return ((setting & 1) == 0 ? 5 : 1) * ((setting & 2) == 0 ? 5 : 1); }

int FirstOfSetting(int setting) {
  int first = 0;
  for (int s = 0; s < setting; ++s) first += PointPairs(s);
  return first;
}

}  // namespace

int OutcomeRuleSet(const model::Rules& rules) {
  const int hanami = rules.hanami ? std::clamp<int>(rules.hanamiPoints, 1, 5) - 1 : 0;
  const int tsukimi = rules.tsukimi ? std::clamp<int>(rules.tsukimiPoints, 1, 5) - 1 : 0;
  return FirstOfSetting(SwitchSetting(rules)) + hanami * (rules.tsukimi ? 5 : 1) + tsukimi;
}

model::Rules OutcomeRules(int index) {
  int setting = 0;
  while (index >= PointPairs(setting)) index -= PointPairs(setting++);
  const bool tsukimi = (setting & 2) == 0;
  const int hanamiPoints = (setting & 1) == 0 ? index / (tsukimi ? 5 : 1) + 1 : 5;
  const int tsukimiPoints = tsukimi ? index % 5 + 1 : 5;
  return model::MakeRules((setting & 1) == 0, tsukimi, (setting & 4) != 0, (setting & 8) != 0, hanamiPoints,
                          tsukimiPoints);
}

WinChance::WinChance(const model::Rules& rules) {
  const auto& outcomes = kMonthOutcomes[static_cast<std::size_t>(OutcomeRuleSet(rules))];
  // After the twelfth month a lead wins and a tie is half a win. Before, each outcome of the month
  // leads into the next month's chance, seen from whoever deals it.
  for (int month = model::kMonths; month >= 1; --month) {
    auto& row = dealer_[static_cast<std::size_t>(month - 1)];
    for (int lead = -kSpread; lead <= kSpread; ++lead) {
      double chance = 0;
      for (int again = 0; again < 2; ++again) {
        for (int swing = -kMaxSwing; swing <= kMaxSwing; ++swing) {
          const std::uint32_t count =
              outcomes[static_cast<std::size_t>(again)][static_cast<std::size_t>(swing + kMaxSwing)];
          if (count == 0) continue;
          const int after = lead + swing;
          const double next = again == 0 ? Chance(month + 1, true, after) : Chance(month + 1, false, after);
          chance += count * next;
        }
      }
      row[static_cast<std::size_t>(lead + kSpread)] = static_cast<float>(chance / kMonthsPlayed);
    }
  }
}

double WinChance::DealerChance(int month, int lead) const {
  const int at = std::clamp(lead, -kSpread, kSpread) + kSpread;
  return dealer_[static_cast<std::size_t>(month - 1)][static_cast<std::size_t>(at)];
}

double WinChance::Chance(int month, bool sideDeals, int lead) const {
  if (month > model::kMonths) return lead > 0 ? 1.0 : lead == 0 ? 0.5 : 0.0;
  const int m = std::max(month, 1);
  return sideDeals ? DealerChance(m, lead) : 1.0 - DealerChance(m, -lead);
}

double WinChance::AfterMonth(const model::State& s, int side) const {
  const int lead = s.score[static_cast<std::size_t>(side)] - s.score[static_cast<std::size_t>(1 - side)];
  const int next = s.stage == model::Stage::MatchOver ? model::kMonths + 1 : s.month + 1;
  return Chance(next, s.dealer == side, lead);
}

const WinChance& WinChanceFor(const model::Rules& rules) {
  static std::mutex guard;
  static std::array<std::unique_ptr<const WinChance>, kOutcomeRuleSets> tables;
  const std::lock_guard lock(guard);
  auto& table = tables[static_cast<std::size_t>(OutcomeRuleSet(rules))];
  if (!table) table = std::make_unique<const WinChance>(rules);
  return *table;
}

}  // namespace pg::computer
