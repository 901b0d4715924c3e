// The statistics over a small hand-made history: counters, streaks, koi-koi figures, filters,
// abandoned matches as losses, and rows that make no sense left out and counted.
#include "play/match_statistics.h"

#include <gtest/gtest.h>

#include "tests/records/history_sample.h"

namespace pg {
namespace {

using testing::SampleMatch;

// W W W L A W W over December, ids 1..7. Every match holds the sample's two months: the player deals
// the first and wins it with 猪鹿蝶 and タネ after a paid-off こいこい at 5文; the computer wins the
// second with 手四.
std::vector<HistoryMatch> History() {
  const MatchOutcome results[] = {MatchOutcome::Won,       MatchOutcome::Won, MatchOutcome::Won, MatchOutcome::Lost,
                                  MatchOutcome::Abandoned, MatchOutcome::Won, MatchOutcome::Won};
  const std::array<int, 2> scores[] = {{12, 6}, {20, 6}, {12, 6}, {3, 9}, {0, 2}, {12, 6}, {12, 6}};
  std::vector<HistoryMatch> history;
  for (int i = 0; i < 7; ++i) {
    HistoryMatch match = SampleMatch(results[i], "2026-12-0" + std::to_string(i + 1) + "T10:20:00Z");
    match.id = i + 1;
    match.scores = scores[i];
    history.push_back(match);
  }
  return history;
}

TEST(MatchStatisticsTest, CountsStreaksAndKoiKoiFiguresOverAHandMadeHistory) {
  const MatchStatistics s = ComputeStatistics(History(), {});
  EXPECT_EQ(s.played, 7);
  EXPECT_EQ(s.won, 5);
  EXPECT_EQ(s.lost, 2);
  EXPECT_EQ(s.abandoned, 1);
  EXPECT_EQ(s.level, 0);
  EXPECT_EQ(s.longestStreak, 3);
  EXPECT_EQ(s.currentStreak, 2);
  EXPECT_DOUBLE_EQ(s.meanScore, (12 + 20 + 12 + 3 + 0 + 12 + 12) / 7.0);
  EXPECT_DOUBLE_EQ(s.meanMargin, (6 + 14 + 6 - 6 - 2 + 6 + 6) / 7.0);
  EXPECT_EQ(s.bestId, 2);
  EXPECT_EQ(s.monthsAsDealer, 7);
  EXPECT_EQ(s.monthsWonAsDealer, 7);
  EXPECT_EQ(s.monthsAsNonDealer, 7);
  EXPECT_EQ(s.monthsWonAsNonDealer, 0);
  EXPECT_EQ(s.yaku[3], 7);   // 猪鹿蝶
  EXPECT_EQ(s.yaku[9], 7);   // タネ
  EXPECT_EQ(s.yaku[12], 0);  // 手四 was the computer's
  EXPECT_EQ(s.koiKoi[CallBand(5)].calls, 7);
  EXPECT_EQ(s.KoiKoiPaidOff(), 7);
  EXPECT_EQ(s.doublings, 7);
  EXPECT_EQ(s.monthsWon[0], 7);
  EXPECT_EQ(s.monthsPlayed[1], 7);
  ASSERT_EQ(s.movingWinShare.size(), 7u);
  EXPECT_DOUBLE_EQ(s.winShare.back(), 5 / 7.0);
  EXPECT_DOUBLE_EQ(s.movingWinShare[3], 3 / 4.0);
  EXPECT_EQ(s.margins[4], -2);
  EXPECT_EQ(s.skipped, 0);
}

TEST(MatchStatisticsTest, FiltersByLevelRulesPeriodAndHints) {
  std::vector<HistoryMatch> history = History();
  history[0].rules.KikuRule = 1;
  history[1].level = "strong";
  history[3].assisted = history[4].assisted = true;
  RuleSettings houseRules = history[2].rules;
  struct Case {
    const char* name;
    StatisticsFilter filter;
    int played;
  };
  const Case cases[] = {
      {"all", {}, 7},
      {"the normal level", {std::string(kNormalLevel), std::nullopt, StatisticsPeriod::All, ""}, 6},
      {"one rule set", {std::nullopt, houseRules, StatisticsPeriod::All, ""}, 6},
      {"the last 30 days from late December",
       {std::nullopt, std::nullopt, StatisticsPeriod::Last30Days, "2026-12-31T12:00:00Z"},
       6},
      {"the last 30 days from February",
       {std::nullopt, std::nullopt, StatisticsPeriod::Last30Days, "2027-02-01T00:00:00Z"},
       0},
      {"the last 100", {std::nullopt, std::nullopt, StatisticsPeriod::Last100, ""}, 7},
      {"unaided", {std::nullopt, std::nullopt, StatisticsPeriod::All, "", StatisticsAid::Unaided}, 5},
      {"assisted", {std::nullopt, std::nullopt, StatisticsPeriod::All, "", StatisticsAid::Assisted}, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ComputeStatistics(history, c.filter).played, c.played) << c.name;
  }
}

TEST(MatchStatisticsTest, RowsThatMakeNoSenseAreLeftOutAndCounted) {
  std::vector<HistoryMatch> history = History();
  history[0].months[1].month = 13;
  history[1].months[0].yaku.push_back({0, "謎の役", 3});
  history[2].months[0].calls[0].side = 7;
  history[3].scores = {-1, 4};
  const MatchStatistics s = ComputeStatistics(history, {}, 2);
  EXPECT_EQ(s.skipped, 2 + 4);
  EXPECT_EQ(s.played, 6);
  EXPECT_EQ(s.monthsAsNonDealer, 5);
}

}  // namespace
}  // namespace pg
