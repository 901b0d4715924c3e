// The chance that a side wins the whole match from the start of a month: how the search values a
// month's outcome, so a lead late in the match counts for more than the same points early.
#pragma once

#include <array>

#include "model/rule_set.h"
#include "model/state.h"

namespace pg::computer {

// The rule sets that play differently: the four switches, and the points of 花見 and 月見 where
// that yaku is on (16 settings of the switches, 144 rule sets in all).
inline constexpr int kOutcomeRuleSets = 144;
// A month moves the dealer's lead by less than this but for a handful of deals in a million; those
// are counted at it.
inline constexpr int kMaxSwing = 60;
inline constexpr int kSwings = 2 * kMaxSwing + 1;

// Which of the rule sets above `rules` plays as, and the rules of each.
int OutcomeRuleSet(const model::Rules& rules);
model::Rules OutcomeRules(int index);

// The chance of winning, worked back from the end of the match through the self-played outcomes of a
// month under one rule set.
class WinChance {
 public:
  explicit WinChance(const model::Rules& rules);

  // The chance that a side wins the match (a draw counting half) from the start of `month`, 1 to
  // 12, with `lead` its score minus the other's; month 13 is the end of the match.
  double Chance(int month, bool sideDeals, int lead) const;
  // The chance for `side` once a month (or the match) is over, from the score and the next dealer.
  double AfterMonth(const model::State& s, int side) const;

 private:
  // Leads beyond this are counted at it: the match is decided long before.
  static constexpr int kSpread = 300;
  double DealerChance(int month, int lead) const;

  std::array<std::array<float, 2 * kSpread + 1>, model::kMonths> dealer_{};
};

// The table of `rules`, worked out once and kept; safe to call from several threads.
const WinChance& WinChanceFor(const model::Rules& rules);

}  // namespace pg::computer
