// The statistics counted in SQL over a small hand-made history: counters, streaks, koi-koi figures,
// filters, abandoned matches as losses without a score, and rows that make no sense or hold numbers
// past what the game writes left out and counted.
#include "records/history_statistics.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "records/history_database.h"
#include "tests/records/history_sample.h"

namespace pg {
namespace {

namespace fs = std::filesystem;
using testing::SampleMatch;

class HistoryStatisticsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("pg_statistics_" + std::to_string(getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    database_ = HistoryDatabase::Open(folder_ / "history.db").database;
    ASSERT_TRUE(database_);
  }
  void TearDown() override {
    database_.reset();
    fs::remove_all(folder_);
  }

  // W W W L A W W over December, ids 1..7. Every match holds the sample's two months: the player
  // deals the first and wins it with 猪鹿蝶 and タネ after a paid-off こいこい at 5文; the computer wins
  // the second with 手四, except in the abandoned match, which stopped in its second month.
  void Store(const std::function<void(int, HistoryMatch&)>& change = {}) {
    const MatchOutcome results[] = {MatchOutcome::Won,       MatchOutcome::Won, MatchOutcome::Won, MatchOutcome::Lost,
                                    MatchOutcome::Abandoned, MatchOutcome::Won, MatchOutcome::Won};
    const std::array<int, 2> scores[] = {{12, 6}, {20, 6}, {12, 6}, {3, 9}, {0, 2}, {12, 6}, {12, 6}};
    for (int i = 0; i < 7; ++i) {
      HistoryMatch match = SampleMatch(results[i], "2026-12-0" + std::to_string(i + 1) + "T10:20:00Z");
      match.scores = scores[i];
      if (results[i] == MatchOutcome::Abandoned) {
        HistoryMonth& open = match.months[1];
        open.winner = -1;
        open.payment = 0;
        open.yaku.clear();
        open.calls = {{0, CallKind::KoiKoi, 2, false, CallOutcome::NoWin}};
      }
      if (change) change(i, match);
      ASSERT_FALSE(database_->Store(match));
    }
  }

  fs::path folder_;
  std::unique_ptr<HistoryDatabase> database_;
};

TEST_F(HistoryStatisticsTest, CountsStreaksScoresAndKoiKoiFiguresOfFinishedMatchesAndMonths) {
  Store();
  const MatchStatistics s = ComputeStatistics(*database_, {});
  EXPECT_EQ(s.stored, 7);
  EXPECT_EQ(s.played, 7);
  EXPECT_EQ(s.won, 5);
  EXPECT_EQ(s.lost, 2) << "the abandoned match is a loss";
  EXPECT_EQ(s.abandoned, 1);
  EXPECT_EQ(s.longestStreak, 3);
  EXPECT_EQ(s.currentStreak, 2);
  // The abandoned match stopped at no score of its own: it is kept out of the score figures.
  EXPECT_EQ(s.scored, 6);
  EXPECT_DOUBLE_EQ(s.meanScore, (12 + 20 + 12 + 3 + 12 + 12) / 6.0);
  EXPECT_DOUBLE_EQ(s.meanMargin, (6 + 14 + 6 - 6 + 6 + 6) / 6.0);
  EXPECT_EQ(s.margins.size(), 6u);
  EXPECT_EQ(s.bestId, 2);
  EXPECT_EQ(s.bestDate, "2026-12-02T10:20:00Z");
  // Its second month was never played to the end, nor was its こいこい there decided.
  EXPECT_EQ(s.monthsAsDealer, 7);
  EXPECT_EQ(s.monthsWonAsDealer, 7);
  EXPECT_EQ(s.monthsAsNonDealer, 6);
  EXPECT_EQ(s.monthsWonAsNonDealer, 0);
  EXPECT_EQ(s.monthsPlayed[1], 6);
  EXPECT_EQ(s.yaku[3], 7);   // 猪鹿蝶
  EXPECT_EQ(s.yaku[12], 0);  // 手四 was the computer's
  EXPECT_EQ(s.koiKoi[CallBand(5)].calls, 7);
  EXPECT_EQ(s.KoiKoiCalls(), 7);
  EXPECT_EQ(s.KoiKoiPaidOff(), 7);
  EXPECT_EQ(s.doublings, 7);
  ASSERT_EQ(s.movingWinShare.size(), 7u);
  EXPECT_DOUBLE_EQ(s.winShare.back(), 5 / 7.0);
  EXPECT_DOUBLE_EQ(s.movingWinShare[3], 3 / 4.0);
  EXPECT_EQ(s.skipped, 0);
  EXPECT_TRUE(s.complete);

  // The second time the months, yaku and calls come from the counts kept for each match.
  const MatchStatistics again = ComputeStatistics(*database_, {});
  EXPECT_EQ(again.monthsAsNonDealer, 6);
  EXPECT_EQ(again.yaku, s.yaku);
  EXPECT_EQ(again.KoiKoiPaidOff(), 7);
  EXPECT_EQ(again.monthsPlayed, s.monthsPlayed);
}

TEST_F(HistoryStatisticsTest, FiltersByLevelRulesPeriodAndHintsForTheFiguresAndTheList) {
  RuleSettings houseRules;
  Store([&](int i, HistoryMatch& m) {
    if (i == 0) m.rules.KikuRule = 1;
    if (i == 1) m.level = "strong";
    if (i == 3 || i == 4) m.assisted = true;
    if (i == 2) houseRules = m.rules;
  });
  struct Case {
    const char* name;
    StatisticsFilter filter;
    int played;
  };
  const Case cases[] = {
      {"all", {}, 7},
      {"the normal level", {std::string(kNormalLevel), std::nullopt, StatisticsPeriod::All, ""}, 6},
      {"a level never played", {std::string("expert"), std::nullopt, StatisticsPeriod::All, ""}, 0},
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
    const MatchStatistics s = ComputeStatistics(*database_, c.filter);
    EXPECT_EQ(s.played, c.played) << c.name;
    EXPECT_EQ(s.stored, 7) << c.name;
    EXPECT_EQ(FilteredRows(*database_, c.filter).size(), static_cast<std::size_t>(c.played)) << c.name;
  }
  const std::vector<HistoryRow> assisted =
      FilteredRows(*database_, {std::nullopt, std::nullopt, StatisticsPeriod::All, "", StatisticsAid::Assisted});
  ASSERT_EQ(assisted.size(), 2u);
  EXPECT_TRUE(assisted[0].assisted);
  EXPECT_EQ(assisted[1].result, MatchOutcome::Abandoned);
  const HistoryChoices choices = FilterChoices(*database_);
  EXPECT_EQ(choices.levels, (std::vector<std::string>{kNormalLevel, "strong"}));
  EXPECT_EQ(choices.rules.size(), 2u);
}

TEST_F(HistoryStatisticsTest, RowsThatMakeNoSenseOrHoldNumbersPastTheGamesAreLeftOutAndCounted) {
  Store([](int i, HistoryMatch& m) {
    if (i == 0) m.months[1].month = 13;
    if (i == 1) m.months[0].yaku.push_back({0, "謎の役", 3});
    if (i == 2) m.months[0].calls[0].side = 7;
    if (i == 3) m.scores = {-1, 4};
  });
  // Edited by hand past the 16 bits the game keeps a score in, and past what an int holds.
  SqliteConnection& c = database_->Connection();
  ASSERT_TRUE(
      c.Execute("UPDATE matches SET player_score = 2147483647, computer_score = 0 WHERE id = 5;"
                "UPDATE matches SET player_score = 2e9 WHERE id = 6;"
                "UPDATE matches SET player_score = 0, computer_score = 2e9 WHERE id = 7;"
                "UPDATE months SET payment = 9223372036854775807 WHERE match_id = 1 AND month = 1;"
                "UPDATE calls SET points_held = 9223372036854775807 WHERE match_id = 2;"));
  const MatchStatistics s = ComputeStatistics(*database_, {});
  EXPECT_EQ(s.played, 3);
  EXPECT_EQ(s.skipped, 4 + 3);
  EXPECT_EQ(s.monthsAsNonDealer, 2);
  EXPECT_EQ(s.koiKoi[CallBand(7)].calls, 1) << "a huge total held falls in the top band";
  for (int margin : s.margins) EXPECT_LE(std::abs(margin), kMostStoredScore);
  EXPECT_EQ(FilteredRows(*database_, {}).size(), 3u);
}

}  // namespace
}  // namespace pg
