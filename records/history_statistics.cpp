// The figures are counted by SQLite over the matches the filter lets through, so a history of tens of
// thousands of matches is never read into memory: only one narrow row per match and a few grouped
// counts come back. Every number is bounded in the query before it is used, and a row that makes no
// sense is counted and left out.
#include "records/history_statistics.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <variant>

#include "records/history_database.h"
#include "records/sqlite_statement.h"

namespace pg {

namespace {

constexpr std::size_t kMovingWindow = 10;
constexpr int kLastMatches = 100;
constexpr int kPeriodDays = 30;
// Both sides play eight hand cards and turn eight stock cards in a month played out.
constexpr int kPlaysInAMonth = 32;

constexpr const char* kRuleColumns[] = {"hanami_rule", "tsukimi_rule",  "oya_rule",
                                        "kiku_rule",   "hanami_points", "tsukimi_points"};

// A match row the game could have written: a result it knows, scores it could hold, rules that fit
// their 16 bits.
std::string ReadableMatch() {
  std::string sql = "result IN ('won','lost','level','abandoned') AND player_score BETWEEN 0 AND " +
                    std::to_string(kMostStoredScore) + " AND computer_score BETWEEN 0 AND " +
                    std::to_string(kMostStoredScore);
  for (const char* column : kRuleColumns) sql += std::string(" AND ") + column + " BETWEEN -32768 AND 32767";
  return sql;
}

constexpr const char* kReadableMonth =
    "mo.month BETWEEN 1 AND 12 AND mo.dealer IN (0, 1) AND mo.winner IN (-1, 0, 1) AND mo.payment >= 0";

// "YYYY-MM-DDTHH:MM:SSZ" 30 days before `now`, in the same form, so the texts compare as times do.
std::string DaysBefore(const std::string& now, int days) {
  std::tm utc{};
  if (!strptime(now.c_str(), "%Y-%m-%dT%H:%M:%SZ", &utc)) return {};
  const std::time_t then = timegm(&utc) - static_cast<std::time_t>(days) * 24 * 3600;
  gmtime_r(&then, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

// The filter as an SQL condition on the matches table, with its parameters in the order they stand.
class FilterSql {
 public:
  explicit FilterSql(const StatisticsFilter& filter) {
    std::string where = ReadableMatch();
    if (filter.level) {
      where += " AND level = ?";
      values_.emplace_back(*filter.level);
    }
    if (filter.rules) {
      const RuleSettings& r = *filter.rules;
      const std::int16_t values[] = {r.HanamiRule, r.TsukimiRule,  r.OyaRule,
                                     r.KikuRule,   r.HanamiPoints, r.TsukimiPoints};
      for (std::size_t i = 0; i < std::size(kRuleColumns); ++i) {
        where += std::string(" AND ") + kRuleColumns[i] + " = ?";
        values_.emplace_back(std::int64_t{values[i]});
      }
    }
    if (filter.aid != StatisticsAid::All)
      where += filter.aid == StatisticsAid::Assisted ? " AND assisted != 0" : " AND assisted = 0";
    if (filter.period == StatisticsPeriod::Last30Days) {
      where += " AND ended_at >= ?";
      values_.emplace_back(DaysBefore(filter.now, kPeriodDays));
    }
    if (filter.period == StatisticsPeriod::Last100) {
      where = "id IN (SELECT id FROM matches WHERE " + where + " ORDER BY id DESC LIMIT " +
              std::to_string(kLastMatches) + ")";
    }
    where_ = where;
  }

  const std::string& Where() const { return where_; }

  // The chosen matches, with the month an abandoned match stopped in (none when it stopped between
  // months), and the months of them that were played to their end and make sense.
  std::string Months() const {
    return "WITH chosen(id, open_month) AS (SELECT m.id, CASE WHEN m.result = 'abandoned' THEN"
           " (SELECT mo.month FROM months mo WHERE mo.match_id = m.id AND mo.winner = -1"
           " AND mo.month = (SELECT max(month) FROM months WHERE match_id = m.id)"
           " AND (SELECT count(*) FROM moves mv WHERE mv.match_id = m.id AND mv.month = mo.month) < " +
           std::to_string(kPlaysInAMonth) + ") END FROM matches m WHERE " + where_ +
           "), finished(match_id, month, dealer, winner) AS (SELECT mo.match_id, mo.month, mo.dealer, mo.winner"
           " FROM chosen c CROSS JOIN months mo ON mo.match_id = c.id WHERE " +
           kReadableMonth + " AND mo.month IS NOT c.open_month) ";
  }

  void Bind(SqliteStatement& statement) const {
    int index = 1;
    for (const auto& value : values_) std::visit([&](const auto& v) { statement.Bind(index++, v); }, value);
  }

 private:
  std::string where_;
  std::vector<std::variant<std::int64_t, std::string>> values_;
};

int YakuIndex(const std::string& name) {
  for (std::size_t i = 0; i < kStatisticsYaku.size(); ++i) {
    if (name == kStatisticsYaku[i]) return static_cast<int>(i);
  }
  return -1;
}

bool ValidSide(std::int64_t side) { return side == 0 || side == 1; }

// Steps a query to its end, handing each row to `row`; false when SQLite stopped it short.
template <typename Row>
bool EachRow(SqliteConnection& c, const FilterSql& filter, const std::string& sql, Row row) {
  SqliteStatement query(c, sql);
  filter.Bind(query);
  while (query.Step()) row(query);
  return !query.Failed();
}

std::int64_t Count(SqliteConnection& c, const std::string& sql) {
  std::int64_t value = 0;
  c.QueryInteger(sql, value);
  return value;
}

// Outcomes, streaks, scores and the win-share lines, one narrow row per match in the order played.
bool CountMatches(SqliteConnection& c, const FilterSql& filter, MatchStatistics& s) {
  std::int64_t scoreSum = 0;
  std::int64_t marginSum = 0;
  int streak = 0;
  int bestMargin = 0;
  std::vector<std::uint8_t> outcomes;
  int recent = 0;
  const bool read = EachRow(
      c, filter,
      "SELECT id, result, player_score, computer_score, ended_at FROM matches WHERE " + filter.Where() + " ORDER BY id",
      [&](SqliteStatement& row) {
        MatchOutcome result = MatchOutcome::Abandoned;
        ResultFromKey(row.Text(1), result);
        const std::array<int, 2> scores{static_cast<int>(row.Integer(2)), static_cast<int>(row.Integer(3))};
        ++s.played;
        const bool won = result == MatchOutcome::Won;
        switch (result) {
          case MatchOutcome::Won:
            ++s.won;
            break;
          case MatchOutcome::Level:
            ++s.level;
            break;
          case MatchOutcome::Abandoned:
            // Quitting a match that is going badly must not save a streak.
            ++s.abandoned;
            ++s.lost;
            break;
          case MatchOutcome::Lost:
            ++s.lost;
            break;
        }
        streak = won ? streak + 1 : 0;
        s.longestStreak = std::max(s.longestStreak, streak);
        if (result != MatchOutcome::Abandoned) {
          const int margin = scores[0] - scores[1];
          ++s.scored;
          scoreSum += scores[0];
          marginSum += margin;
          s.margins.push_back(margin);
          if (won && margin > bestMargin) {
            bestMargin = margin;
            s.bestId = row.Integer(0);
            s.bestScores = scores;
            s.bestDate = row.Text(4);
          }
        }
        outcomes.push_back(won ? 1 : 0);
        recent += won ? 1 : 0;
        if (outcomes.size() > kMovingWindow) recent -= outcomes[outcomes.size() - 1 - kMovingWindow];
        s.winShare.push_back(static_cast<double>(s.won) / s.played);
        s.movingWinShare.push_back(static_cast<double>(recent) /
                                   static_cast<double>(std::min(outcomes.size(), kMovingWindow)));
      });
  s.currentStreak = streak;
  if (s.scored) {
    s.meanScore = static_cast<double>(scoreSum) / s.scored;
    s.meanMargin = static_cast<double>(marginSum) / s.scored;
  }
  return read;
}

bool CountMonths(SqliteConnection& c, const FilterSql& filter, MatchStatistics& s) {
  const bool months = EachRow(c, filter,
                              filter.Months() +
                                  "SELECT month, dealer, winner, count(*) FROM finished"
                                  " GROUP BY month, dealer, winner",
                              [&](SqliteStatement& row) {
                                const auto month = static_cast<std::size_t>(row.Integer(0) - 1);
                                const bool won = row.Integer(2) == 0;
                                const int n = static_cast<int>(row.Integer(3));
                                s.monthsPlayed[month] += n;
                                if (won) s.monthsWon[month] += n;
                                if (row.Integer(1) == 0) {
                                  s.monthsAsDealer += n;
                                  if (won) s.monthsWonAsDealer += n;
                                } else {
                                  s.monthsAsNonDealer += n;
                                  if (won) s.monthsWonAsNonDealer += n;
                                }
                              });
  const bool badMonths =
      EachRow(c, filter,
              filter.Months() + "SELECT count(*) FROM chosen c CROSS JOIN months mo ON mo.match_id = c.id WHERE NOT (" +
                  kReadableMonth + ")",
              [&](SqliteStatement& row) { s.skipped += static_cast<int>(row.Integer(0)); });
  const bool yaku = EachRow(c, filter,
                            filter.Months() +
                                "SELECT y.name, y.side, count(*) FROM finished f CROSS JOIN yaku y"
                                " ON y.match_id = f.match_id AND y.month = f.month GROUP BY y.name, y.side",
                            [&](SqliteStatement& row) {
                              const int index = YakuIndex(row.Text(0));
                              const int n = static_cast<int>(row.Integer(2));
                              if (index < 0 || !ValidSide(row.Integer(1))) {
                                s.skipped += n;
                              } else if (row.Integer(1) == 0) {
                                s.yaku[static_cast<std::size_t>(index)] += n;
                              }
                            });
  // Points held are bounded in the query: every total from 7文 up falls in the same band.
  const bool calls =
      EachRow(c, filter,
              filter.Months() +
                  "SELECT k.side, k.kind, k.outcome, k.doubled != 0,"
                  " CASE WHEN k.points_held < 0 THEN -1 WHEN k.points_held > 7 THEN 7 ELSE k.points_held END, count(*)"
                  " FROM finished f CROSS JOIN calls k ON k.match_id = f.match_id AND k.month = f.month"
                  " GROUP BY 1, 2, 3, 4, 5",
              [&](SqliteStatement& row) {
                const int n = static_cast<int>(row.Integer(5));
                const std::string kind = row.Text(1);
                const std::string outcome = row.Text(2);
                const int pointsHeld = static_cast<int>(row.Integer(4));
                if (!ValidSide(row.Integer(0)) || pointsHeld < 0 || (kind != "koikoi" && kind != "shoubu") ||
                    (outcome != CallOutcomeKey(CallOutcome::Won) && outcome != CallOutcomeKey(CallOutcome::Lost) &&
                     outcome != CallOutcomeKey(CallOutcome::NoWin))) {
                  s.skipped += n;
                  return;
                }
                if (row.Integer(0) != 0) return;
                if (row.Integer(3) != 0) s.doublings += n;
                if (kind != CallKindKey(CallKind::KoiKoi)) return;
                KoiKoiBand& band = s.koiKoi[static_cast<std::size_t>(CallBand(pointsHeld))];
                band.calls += n;
                if (outcome == CallOutcomeKey(CallOutcome::Won)) band.paidOff += n;
              });
  return months && badMonths && yaku && calls;
}

}  // namespace

int CallBand(int pointsHeld) { return std::clamp((pointsHeld - 1) / 2, 0, kCallBands - 1); }

int MatchStatistics::KoiKoiCalls() const {
  int calls = 0;
  for (const KoiKoiBand& band : koiKoi) calls += band.calls;
  return calls;
}

int MatchStatistics::KoiKoiPaidOff() const {
  int paid = 0;
  for (const KoiKoiBand& band : koiKoi) paid += band.paidOff;
  return paid;
}

MatchStatistics ComputeStatistics(HistoryDatabase& database, const StatisticsFilter& filter) {
  SqliteConnection& c = database.Connection();
  MatchStatistics s;
  const FilterSql sql(filter);
  // One read transaction, so a match the other copy stores meanwhile is counted whole or not at all.
  c.Execute("BEGIN");
  const std::string readable = ReadableMatch();
  s.stored = static_cast<int>(Count(c, "SELECT count(*) FROM matches WHERE " + readable));
  s.skipped = static_cast<int>(Count(c, "SELECT count(*) FROM matches WHERE NOT (" + readable + ")"));
  const bool matches = CountMatches(c, sql, s);
  const bool months = s.played == 0 || CountMonths(c, sql, s);
  c.Execute("COMMIT");
  s.complete = matches && months;
  return s;
}

std::vector<HistoryRow> FilteredRows(HistoryDatabase& database, const StatisticsFilter& filter) {
  SqliteConnection& c = database.Connection();
  const FilterSql sql(filter);
  std::vector<HistoryRow> rows;
  EachRow(c, sql,
          "SELECT id, ended_at, level, hanami_rule, tsukimi_rule, oya_rule, kiku_rule, hanami_points,"
          " tsukimi_points, player_score, computer_score, result, assisted FROM matches WHERE " +
              sql.Where() + " ORDER BY id",
          [&](SqliteStatement& query) {
            HistoryRow& row = rows.emplace_back();
            row.id = query.Integer(0);
            row.endedAt = query.Text(1);
            row.level = query.Text(2);
            std::int16_t* rules[] = {&row.rules.HanamiRule, &row.rules.TsukimiRule,  &row.rules.OyaRule,
                                     &row.rules.KikuRule,   &row.rules.HanamiPoints, &row.rules.TsukimiPoints};
            for (int i = 0; i < 6; ++i) *rules[i] = static_cast<std::int16_t>(query.Integer(3 + i));
            row.scores = {static_cast<int>(query.Integer(9)), static_cast<int>(query.Integer(10))};
            ResultFromKey(query.Text(11), row.result);
            row.assisted = query.Integer(12) != 0;
          });
  return rows;
}

HistoryChoices FilterChoices(HistoryDatabase& database) {
  SqliteConnection& c = database.Connection();
  const FilterSql sql(StatisticsFilter{});
  HistoryChoices choices;
  EachRow(c, sql, "SELECT level FROM matches WHERE " + sql.Where() + " GROUP BY level ORDER BY min(id)",
          [&](SqliteStatement& query) { choices.levels.push_back(query.Text(0)); });
  EachRow(c, sql,
          "SELECT hanami_rule, tsukimi_rule, oya_rule, kiku_rule, hanami_points, tsukimi_points FROM matches WHERE " +
              sql.Where() + " GROUP BY 1, 2, 3, 4, 5, 6 ORDER BY min(id)",
          [&](SqliteStatement& query) {
            RuleSettings& r = choices.rules.emplace_back();
            std::int16_t* rules[] = {&r.HanamiRule, &r.TsukimiRule,  &r.OyaRule,
                                     &r.KikuRule,   &r.HanamiPoints, &r.TsukimiPoints};
            for (int i = 0; i < 6; ++i) *rules[i] = static_cast<std::int16_t>(query.Integer(i));
          });
  return choices;
}

}  // namespace pg
