// The daily deal's history: the best of each date kept, plays counted, and the streak of days.
#include "records/daily_best.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "records/history_database.h"
#include "tests/records/history_sample.h"

namespace pg {
namespace {

namespace fs = std::filesystem;

TEST(DailyBestTest, TheStreakCountsConsecutiveDaysUpToTodayOrYesterday) {
  const std::vector<std::string> played = {"2026-12-10", "2026-12-09", "2026-12-08", "2026-12-05", "2026-12-04",
                                           "2026-11-30", "2026-12-01", "2026-12-02", "2026-12-03", "bad date"};
  EXPECT_EQ(CurrentStreak(played, "2026-12-10"), 3);
  // Today's deal still to play keeps yesterday's streak alive; a day missed ends it.
  EXPECT_EQ(CurrentStreak(played, "2026-12-11"), 3);
  EXPECT_EQ(CurrentStreak(played, "2026-12-12"), 0);
  // Across the end of a month.
  EXPECT_EQ(LongestStreak(played), 6);
  EXPECT_EQ(CurrentStreak({}, "2026-12-10"), 0);
}

TEST(DailyBestTest, EachDateKeepsItsWidestWinAndCountsItsPlays) {
  const fs::path folder = fs::temp_directory_path() / ("pg_daily_" + std::to_string(getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  {
    auto opened = HistoryDatabase::Open(folder / "history.db");
    ASSERT_TRUE(opened.database);
    auto store = [&](const char* date, std::array<int, 2> scores, MatchOutcome result) -> std::int64_t {
      HistoryMatch match = testing::SampleMatch(result);
      match.dealCode = "HANAF32D";
      match.dailyDate = date;
      match.scores = scores;
      EXPECT_FALSE(opened.database->Store(match));
      return match.id;
    };
    store("2026-12-09", {3, 9}, MatchOutcome::Lost);
    const std::int64_t best = store("2026-12-10", {20, 4}, MatchOutcome::Won);
    store("2026-12-10", {30, 18}, MatchOutcome::Won);
    store("2026-12-10", {40, 0}, MatchOutcome::Abandoned);
    HistoryMatch ordinary = testing::SampleMatch();
    ASSERT_FALSE(opened.database->Store(ordinary));

    const DailyRecord record = ReadDailyRecord(*opened.database, "2026-12-10");
    ASSERT_EQ(record.days.size(), 2u);
    EXPECT_EQ(record.days[0].date, "2026-12-10");
    EXPECT_EQ(record.days[0].matchId, best);
    EXPECT_EQ(record.days[0].scores, (std::array<int, 2>{20, 4}));
    EXPECT_EQ(record.days[0].plays, 2) << "an abandoned match is no play";
    EXPECT_EQ(record.days[1].result, MatchOutcome::Lost);
    ASSERT_TRUE(record.best);
    EXPECT_EQ(record.best->date, "2026-12-10");
    EXPECT_EQ(record.streak, 2);
    const auto matches = opened.database->Load(HistoryDetail::Matches);
    ASSERT_EQ(matches.size(), 5u);
    EXPECT_EQ(matches[1].dealCode, "HANAF32D");
    EXPECT_EQ(matches[1].dailyDate, "2026-12-10");
    EXPECT_TRUE(matches[4].dealCode.empty());
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace pg
