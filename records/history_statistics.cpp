// The figures are counted by SQLite over the matches the filter lets through, so a history of tens of
// thousands of matches is never read into memory: one narrow row a match and a few sums come back.
// Each match's counts of months, yaku and calls are kept in match_figures the first time the
// statistics see it, so later they add up one row a match. Every number is bounded in the query
// before it is used, and a row that makes no sense is counted and left out.
#include "records/history_statistics.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <map>
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
  // `narrower`, when given, is one more condition on the matches the filter lets through.
  explicit FilterSql(const StatisticsFilter& filter, const std::string& narrower = {}) {
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
    where_ = narrower.empty() ? where : "(" + where + ") AND " + narrower;
  }

  const std::string& Where() const { return where_; }

  // The chosen matches, with the month an abandoned match stopped in (none when it stopped between
  // months), and the months of them that were played to their end and make sense.
  std::string Months() const {
    return "WITH chosen(id, open_month) AS (SELECT m.id, CASE WHEN m.result = 'abandoned' THEN"
           " (SELECT mo.month FROM months mo WHERE mo.match_id = m.id AND mo.winner = -1"
           " AND mo.month = (SELECT max(month) FROM months WHERE match_id = m.id)"
           " AND coalesce((SELECT packed_move_count(d.moves) FROM deals d WHERE d.match_id = m.id"
           " AND d.month = mo.month), 0) < " +
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

// One match's counts of its months, yaku and calls, or the sum of many: the columns of
// match_figures in their order.
constexpr int kDealerMonths = 0;
constexpr int kDealerWon = 1;
constexpr int kChildMonths = 2;
constexpr int kChildWon = 3;
constexpr int kPlayed = 4;                                                 // 12, by the month's number
constexpr int kWon = kPlayed + 12;                                         // 12
constexpr int kYaku = kWon + 12;                                           // by kStatisticsYaku
constexpr int kKoiKoi = kYaku + static_cast<int>(kStatisticsYaku.size());  // by CallBand
constexpr int kPaid = kKoiKoi + kCallBands;
constexpr int kDoublings = kPaid + kCallBands;
constexpr int kSkipped = kDoublings + 1;
constexpr int kFigures = kSkipped + 1;
using Figures = std::array<std::int64_t, kFigures>;

std::string FigureColumns() {
  std::string columns = "dealer_months, dealer_won, child_months, child_won";
  for (const char* name : {"played_", "won_"}) {
    for (int m = 1; m <= 12; ++m) columns += ", " + std::string(name) + std::to_string(m);
  }
  for (std::size_t y = 1; y <= kStatisticsYaku.size(); ++y) columns += ", yaku_" + std::to_string(y);
  for (const char* name : {"koikoi_", "paid_"}) {
    for (int b = 1; b <= kCallBands; ++b) columns += ", " + std::string(name) + std::to_string(b);
  }
  return columns + ", doublings, skipped";
}

// The figures of every match the filter lets through, counted from its months, yaku and calls. The
// rows are streamed in the order of their keys and counted here: grouping them in SQL would sort
// millions of rows. A yaku or call counts when its month is one of the twelve and not the month an
// abandoned match stopped in.
bool CountFigures(SqliteConnection& c, const FilterSql& filter, std::map<std::int64_t, Figures>& figures) {
  const std::string months = filter.Months();
  Figures* f = nullptr;
  std::int64_t at = 0;
  const auto figuresOf = [&](std::int64_t id) -> Figures& {
    if (!f || id != at) {
      f = &figures[id];
      at = id;
    }
    return *f;
  };
  const bool monthsRead =
      EachRow(c, filter, months + "SELECT match_id, month, dealer, winner FROM finished", [&](SqliteStatement& row) {
        Figures& n = figuresOf(row.Integer(0));
        const auto month = static_cast<std::size_t>(row.Integer(1) - 1);
        const bool won = row.Integer(3) == 0;
        const bool dealer = row.Integer(2) == 0;
        ++n[kPlayed + month];
        ++n[dealer ? kDealerMonths : kChildMonths];
        if (won) {
          ++n[kWon + month];
          ++n[dealer ? kDealerWon : kChildWon];
        }
      });
  const bool badMonths =
      EachRow(c, filter,
              months + "SELECT c.id, count(*) FROM chosen c CROSS JOIN months mo ON mo.match_id = c.id WHERE NOT (" +
                  kReadableMonth + ") GROUP BY 1",
              [&](SqliteStatement& row) { figuresOf(row.Integer(0))[kSkipped] += row.Integer(1); });
  const std::string counted = " k ON k.match_id = c.id WHERE k.month BETWEEN 1 AND 12 AND k.month IS NOT c.open_month";
  const bool yaku = EachRow(c, filter, months + "SELECT c.id, k.name, k.side FROM chosen c CROSS JOIN yaku" + counted,
                            [&](SqliteStatement& row) {
                              Figures& n = figuresOf(row.Integer(0));
                              const int index = YakuIndex(row.Text(1));
                              if (index < 0 || !ValidSide(row.Integer(2))) {
                                ++n[kSkipped];
                              } else if (row.Integer(2) == 0) {
                                ++n[kYaku + index];
                              }
                            });
  // Points held are bounded in the query: every total from 7文 up falls in the same band.
  const bool calls =
      EachRow(c, filter,
              months +
                  "SELECT c.id, k.side, k.kind, k.outcome, k.doubled != 0,"
                  " CASE WHEN k.points_held < 0 THEN -1 WHEN k.points_held > 7 THEN 7 ELSE k.points_held END"
                  " FROM chosen c CROSS JOIN calls" +
                  counted,
              [&](SqliteStatement& row) {
                Figures& n = figuresOf(row.Integer(0));
                const std::string kind = row.Text(2);
                const std::string outcome = row.Text(3);
                const int pointsHeld = static_cast<int>(row.Integer(5));
                if (!ValidSide(row.Integer(1)) || pointsHeld < 0 || (kind != "koikoi" && kind != "shoubu") ||
                    (outcome != CallOutcomeKey(CallOutcome::Won) && outcome != CallOutcomeKey(CallOutcome::Lost) &&
                     outcome != CallOutcomeKey(CallOutcome::NoWin))) {
                  ++n[kSkipped];
                  return;
                }
                if (row.Integer(1) != 0) return;
                if (row.Integer(4) != 0) ++n[kDoublings];
                if (kind != CallKindKey(CallKind::KoiKoi)) return;
                const int band = CallBand(pointsHeld);
                ++n[kKoiKoi + band];
                if (outcome == CallOutcomeKey(CallOutcome::Won)) ++n[kPaid + band];
              });
  return monthsRead && badMonths && yaku && calls;
}

// Ids only grow, and the figures of new matches are kept in one transaction, so the matches without
// them are those after the last match with them.
constexpr const char* kWithoutFigures = "id > (SELECT coalesce(max(match_id), 0) FROM match_figures)";

// Counts and keeps the figures of the matches stored since the statistics last ran, in one write
// transaction. A file another copy is writing is left for the next time.
void KeepNewFigures(SqliteConnection& c) {
  // Most looks find nothing new, and need not wait for the write lock to learn it.
  std::int64_t waiting = 0;
  if (!c.QueryInteger(std::string("SELECT count(*) FROM matches WHERE ") + kWithoutFigures, waiting) || waiting == 0)
    return;
  if (!c.Execute("BEGIN IMMEDIATE")) return;
  std::map<std::int64_t, Figures> figures;
  const FilterSql sql(StatisticsFilter{}, kWithoutFigures);
  // A match with no month at all still gets its row of zeros, so it is not counted again.
  bool kept = EachRow(c, sql, "SELECT id FROM matches WHERE " + sql.Where(),
                      [&](SqliteStatement& row) { figures[row.Integer(0)]; }) &&
              CountFigures(c, sql, figures);
  std::string insert = "INSERT INTO match_figures(match_id, " + FigureColumns() + ") VALUES(?";
  for (int i = 0; i < kFigures; ++i) insert += ",?";
  SqliteStatement row(c, insert + ")");
  for (auto it = figures.begin(); kept && it != figures.end(); ++it) {
    row.Bind(1, it->first);
    for (int i = 0; i < kFigures; ++i) row.Bind(i + 2, it->second[static_cast<std::size_t>(i)]);
    kept = row.Run();
  }
  c.Execute(kept ? "COMMIT" : "ROLLBACK");
}

void AddFigures(const Figures& f, MatchStatistics& s) {
  const auto count = [&](int i) {
    return static_cast<int>(std::min<std::int64_t>(f[static_cast<std::size_t>(i)], INT32_MAX));
  };
  s.monthsAsDealer += count(kDealerMonths);
  s.monthsWonAsDealer += count(kDealerWon);
  s.monthsAsNonDealer += count(kChildMonths);
  s.monthsWonAsNonDealer += count(kChildWon);
  for (std::size_t m = 0; m < 12; ++m) {
    s.monthsPlayed[m] += count(kPlayed + static_cast<int>(m));
    s.monthsWon[m] += count(kWon + static_cast<int>(m));
  }
  for (std::size_t y = 0; y < kStatisticsYaku.size(); ++y) s.yaku[y] += count(kYaku + static_cast<int>(y));
  for (std::size_t b = 0; b < kCallBands; ++b) {
    s.koiKoi[b].calls += count(kKoiKoi + static_cast<int>(b));
    s.koiKoi[b].paidOff += count(kPaid + static_cast<int>(b));
  }
  s.doublings += count(kDoublings);
  s.skipped += count(kSkipped);
}

// The kept figures of the matches the filter lets through, added up by SQLite, and those of any
// match without them counted from its rows.
bool CountMonths(SqliteConnection& c, const StatisticsFilter& filter, MatchStatistics& s) {
  const FilterSql sql(filter);
  std::string sums;
  const std::string columns = FigureColumns();
  for (std::size_t at = 0; at < columns.size();) {
    const std::size_t comma = columns.find(", ", at);
    const std::string name = columns.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
    sums += (sums.empty() ? "" : ", ") + ("total(" + name + ")");
    at = comma == std::string::npos ? columns.size() : comma + 2;
  }
  Figures kept{};
  const bool summed =
      EachRow(c, sql,
              // The matches in the order of their ids, each finding its figures by its key.
              "SELECT " + sums +
                  " FROM matches CROSS JOIN match_figures ON match_figures.match_id = matches.id WHERE " + sql.Where(),
              [&](SqliteStatement& row) {
                for (int i = 0; i < kFigures; ++i) kept[static_cast<std::size_t>(i)] = row.Integer(i);
              });
  AddFigures(kept, s);
  std::map<std::int64_t, Figures> rest;
  const bool counted = CountFigures(c, FilterSql(filter, kWithoutFigures), rest);
  for (const auto& [id, figures] : rest) AddFigures(figures, s);
  return summed && counted;
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
  if (!database.ReadOnly()) KeepNewFigures(c);
  // One read transaction, so a match the other copy stores meanwhile is counted whole or not at all.
  c.Execute("BEGIN");
  const std::string readable = ReadableMatch();
  s.stored = static_cast<int>(Count(c, "SELECT count(*) FROM matches WHERE " + readable));
  s.skipped = static_cast<int>(Count(c, "SELECT count(*) FROM matches")) - s.stored;
  const bool matches = CountMatches(c, sql, s);
  const bool months = s.played == 0 || CountMonths(c, filter, s);
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
          " tsukimi_points, player_score, computer_score, result, assisted, deal_code, daily_date FROM matches"
          " WHERE " +
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
            row.dealCode = query.Text(13);
            row.dailyDate = query.Text(14);
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
