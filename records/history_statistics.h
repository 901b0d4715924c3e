// The player's figures over the stored matches, aggregated by SQLite: counters, streaks, koi-koi
// figures, the charts' data, and the rows of the match list.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "records/history_match.h"
#include "records/player_text.h"

namespace pg {

class HistoryDatabase;

enum class StatisticsPeriod { All, Last100, Last30Days };
// Matches played with or without the advisor's hints and counsel.
enum class StatisticsAid { All, Unaided, Assisted };

struct StatisticsFilter {
  std::optional<std::string> level;
  std::optional<RuleSettings> rules;
  StatisticsPeriod period = StatisticsPeriod::All;
  // UTC, as the history writes it; the last 30 days count back from here.
  std::string now;
  StatisticsAid aid = StatisticsAid::All;
};

// The yaku the figures count, in the order the bar chart shows them.
inline constexpr std::array<const char*, 15> kStatisticsYaku{
    PG_TEXT("五光"), PG_TEXT("四光"), PG_TEXT("三光"), PG_TEXT("猪鹿蝶"), PG_TEXT("花見で一杯"),
    PG_TEXT("月見で一杯"), PG_TEXT("赤短"), PG_TEXT("青短"), PG_TEXT("赤短・青短"), PG_TEXT("タネ"),
    PG_TEXT("タン"), PG_TEXT("カス"), PG_TEXT("手四"), PG_TEXT("くっつき"), PG_TEXT("親権")};

// The points held when calling こいこい, grouped: 1–2文, 3–4文, 5–6文, 7文 and over.
inline constexpr int kCallBands = 4;
int CallBand(int pointsHeld);

struct KoiKoiBand {
  int calls = 0;
  int paidOff = 0;
};

struct MatchStatistics {
  // Matches in the whole history that could be read, whatever the filter.
  int stored = 0;
  int played = 0;
  int won = 0;
  int lost = 0;  // abandoned matches included
  int level = 0;
  int abandoned = 0;
  int currentStreak = 0;
  int longestStreak = 0;
  // Over the finished matches only: an abandoned one stopped at no score of its own.
  int scored = 0;
  double meanScore = 0;
  double meanMargin = 0;
  // The match won by the widest margin; id 0 when none was won.
  std::int64_t bestId = 0;
  std::array<int, 2> bestScores{};
  std::string bestDate;
  // Months that were played to their end; the month an abandoned match stopped in is not one.
  int monthsAsDealer = 0;
  int monthsWonAsDealer = 0;
  int monthsAsNonDealer = 0;
  int monthsWonAsNonDealer = 0;
  // The player's yaku, by kStatisticsYaku.
  std::array<int, kStatisticsYaku.size()> yaku{};
  std::array<KoiKoiBand, kCallBands> koiKoi{};
  int doublings = 0;
  // Charts: the share of matches won after each match and its mean over the last 10; the margin of
  // each finished match; months played and won by the month's number.
  std::vector<double> winShare;
  std::vector<double> movingWinShare;
  std::vector<int> margins;
  std::array<int, 12> monthsPlayed{};
  std::array<int, 12> monthsWon{};
  // Stored rows that made no sense and were left out.
  int skipped = 0;
  // False when SQLite could not read the history to its end.
  bool complete = true;

  double WinShare() const { return played ? static_cast<double>(won) / played : 0.0; }
  int KoiKoiCalls() const;
  int KoiKoiPaidOff() const;
};

MatchStatistics ComputeStatistics(HistoryDatabase& database, const StatisticsFilter& filter);

// A match as the list shows it, without its months.
struct HistoryRow {
  std::int64_t id = 0;
  std::string endedAt;
  std::string level;
  RuleSettings rules;
  std::array<int, 2> scores{};
  MatchOutcome result = MatchOutcome::Abandoned;
  bool assisted = false;
  // Empty for a match dealt from the game's own source.
  std::string dealCode;
  std::string dailyDate;
};

// The matches the filter lets through, oldest first.
std::vector<HistoryRow> FilteredRows(HistoryDatabase& database, const StatisticsFilter& filter);

// What the filters can choose from: the levels and the rule sets stored, each once, in the order
// first played.
struct HistoryChoices {
  std::vector<std::string> levels;
  std::vector<RuleSettings> rules;
};
HistoryChoices FilterChoices(HistoryDatabase& database);

}  // namespace pg
