// The daily deal's results: the best finished match of each date, the player's best day, and the
// streak of consecutive days the daily deal was played.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "records/history_match.h"
#include "records/sqlite_statement.h"

namespace pg {

class HistoryDatabase;

struct DailyBest {
  std::string date;
  std::string dealCode;
  // 0 when the match itself is no longer in the history.
  std::int64_t matchId = 0;
  std::array<int, 2> scores{};
  MatchOutcome result = MatchOutcome::Level;
  // Finished plays of that date's deal.
  int plays = 0;
  int Margin() const { return scores[0] - scores[1]; }
};

// Enters a finished daily match, stored just now as `id`, into its date's row, keeping the wider
// margin (then the higher score, then the earlier match). Nothing for other matches; false with the
// connection's error set when SQLite refused.
bool EnterDailyResult(SqliteConnection& connection, const HistoryMatch& match, std::int64_t id);

struct DailyRecord {
  // Newest first.
  std::vector<DailyBest> days;
  // The widest margin of all days; none before the first.
  std::optional<DailyBest> best;
  // Consecutive days played up to today, or up to yesterday while today's is still to play.
  int streak = 0;
  int longestStreak = 0;
};

DailyRecord ReadDailyRecord(HistoryDatabase& database, const std::string& today);

// The streak ending today, or yesterday, over the dates played ("YYYY-MM-DD", any order); dates
// that do not read are passed over.
int CurrentStreak(const std::vector<std::string>& dates, const std::string& today);
int LongestStreak(const std::vector<std::string>& dates);

}  // namespace pg
