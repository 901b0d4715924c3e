// The daily deal's best of each date kept beside the matches, and its streaks counted.
#include "records/daily_best.h"

#include <algorithm>
#include <set>

#include "records/history_database.h"
#include "records/local_date.h"

namespace pg {

namespace {

bool Better(const std::array<int, 2>& now, const std::array<int, 2>& kept) {
  const int margin = now[0] - now[1];
  const int keptMargin = kept[0] - kept[1];
  return margin != keptMargin ? margin > keptMargin : now[0] > kept[0];
}

std::set<std::int64_t> DayNumbers(const std::vector<std::string>& dates) {
  std::set<std::int64_t> days;
  for (const std::string& text : dates) {
    if (const auto date = DateFromText(text)) days.insert(DayNumber(*date));
  }
  return days;
}

}  // namespace

bool EnterDailyResult(SqliteConnection& c, const HistoryMatch& match, std::int64_t id) {
  if (match.dailyDate.empty() || match.result == MatchOutcome::Abandoned) return true;
  SqliteStatement kept(c, "SELECT player_score, computer_score, plays FROM daily_best WHERE date = ?");
  kept.Bind(1, match.dailyDate);
  const bool found = kept.Step();
  if (kept.Failed()) return false;
  const std::array<int, 2> keptScores{found ? BoundedStored(kept.Integer(0)) : 0,
                                      found ? BoundedStored(kept.Integer(1)) : 0};
  const std::int64_t plays = found ? std::clamp<std::int64_t>(kept.Integer(2), 0, 1'000'000) : 0;
  if (found && !Better(match.scores, keptScores)) {
    SqliteStatement count(c, "UPDATE daily_best SET plays = ? WHERE date = ?");
    count.Bind(1, plays + 1);
    count.Bind(2, match.dailyDate);
    return count.Run();
  }
  SqliteStatement enter(c,
                        "INSERT OR REPLACE INTO daily_best(date, deal_code, match_id, player_score, computer_score,"
                        " result, plays) VALUES(?,?,?,?,?,?,?)");
  enter.Bind(1, match.dailyDate);
  enter.Bind(2, match.dealCode);
  enter.Bind(3, id);
  enter.Bind(4, match.scores[0]);
  enter.Bind(5, match.scores[1]);
  enter.Bind(6, std::string(ResultKey(match.result)));
  enter.Bind(7, plays + 1);
  return enter.Run();
}

DailyRecord ReadDailyRecord(HistoryDatabase& database, const std::string& today) {
  DailyRecord record;
  SqliteStatement rows(database.Connection(),
                       "SELECT date, deal_code, match_id, player_score, computer_score, result, plays FROM daily_best"
                       " ORDER BY date DESC");
  std::vector<std::string> dates;
  while (rows.Step()) {
    DailyBest day;
    day.date = rows.Text(0);
    day.dealCode = rows.Text(1);
    day.matchId = rows.Integer(2);
    day.scores = {BoundedStored(rows.Integer(3)), BoundedStored(rows.Integer(4))};
    // A result no version writes is shown as a draw rather than dropped: the day was played.
    ResultFromKey(rows.Text(5), day.result);
    day.plays = std::max(1, BoundedStored(rows.Integer(6)));
    if (!record.best || Better(day.scores, record.best->scores)) record.best = day;
    dates.push_back(day.date);
    record.days.push_back(std::move(day));
  }
  record.streak = CurrentStreak(dates, today);
  record.longestStreak = LongestStreak(dates);
  return record;
}

int CurrentStreak(const std::vector<std::string>& dates, const std::string& today) {
  const auto now = DateFromText(today);
  if (!now) return 0;
  const std::set<std::int64_t> days = DayNumbers(dates);
  std::int64_t day = DayNumber(*now);
  if (!days.contains(day)) --day;
  int streak = 0;
  while (days.contains(day - streak)) ++streak;
  return streak;
}

int LongestStreak(const std::vector<std::string>& dates) {
  int longest = 0;
  int run = 0;
  std::optional<std::int64_t> previous;
  for (std::int64_t day : DayNumbers(dates)) {
    run = previous && day == *previous + 1 ? run + 1 : 1;
    longest = std::max(longest, run);
    previous = day;
  }
  return longest;
}

}  // namespace pg
