// The model against the game: self-played matches followed play by play under house rules that
// change play (dealer's right, the sake cup as chaff, 花見/月見 off and their points).
#include "tools/agreement/agreement.h"

#include <gtest/gtest.h>

#include "model/rule_set.h"

namespace pg {
namespace {

TEST(Agreement, ModelFollowsSelfPlayedMatchesOfTheGame) {
  // Rule set indices: bits 0..3 the four switches, bits 4..5 the 花見/月見 point pair.
  constexpr int kRuleSets[] = {0, 4, 7, 9, 14, 19, 27, 38, 45, 63};
  constexpr int kMatchesEach = 30;
  agreement::Report total;
  for (int index : kRuleSets) {
    const agreement::Report report = agreement::Compare(static_cast<std::uint64_t>(100 + index), kMatchesEach,
                                                        model::ControlsOf(model::SweptRules(index)));
    EXPECT_EQ(report.disagreements, 0) << "rule set " << index << ": "
                                       << (report.faults.empty() ? "" : report.faults[0]);
    total += report;
  }
  EXPECT_EQ(total.matches, kMatchesEach * static_cast<int>(std::size(kRuleSets)));
  // Every month was dealt and followed, and win dialogs were compared along the way.
  EXPECT_EQ(total.months, 12L * total.matches);
  EXPECT_GT(total.dialogs, total.months / 2);
}

}  // namespace
}  // namespace pg
