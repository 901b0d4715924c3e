// The player's figures over the stored matches. A row that makes no sense is counted and left out.
#include "play/match_statistics.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace pg {

namespace {

constexpr std::size_t kMovingWindow = 10;
constexpr std::size_t kLastMatches = 100;
constexpr int kPeriodDays = 30;

int YakuIndex(const std::string& name) {
  for (std::size_t i = 0; i < kStatisticsYaku.size(); ++i) {
    if (name == kStatisticsYaku[i]) return static_cast<int>(i);
  }
  return -1;
}

bool ValidSide(int side) { return side == 0 || side == 1; }

bool ValidMonth(const HistoryMonth& m) {
  return m.month >= 1 && m.month <= 12 && ValidSide(m.dealer) && (m.winner == -1 || ValidSide(m.winner)) &&
         m.payment >= 0;
}

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

void CountMonths(const HistoryMatch& match, MatchStatistics& s) {
  for (const HistoryMonth& month : match.months) {
    if (!ValidMonth(month)) {
      ++s.skipped;
      continue;
    }
    const bool won = month.winner == 0;
    ++s.monthsPlayed[month.month - 1];
    if (won) ++s.monthsWon[month.month - 1];
    if (month.dealer == 0) {
      ++s.monthsAsDealer;
      if (won) ++s.monthsWonAsDealer;
    } else {
      ++s.monthsAsNonDealer;
      if (won) ++s.monthsWonAsNonDealer;
    }
    for (const HistoryYaku& yaku : month.yaku) {
      const int index = YakuIndex(yaku.name);
      if (index < 0 || !ValidSide(yaku.side)) {
        ++s.skipped;
      } else if (yaku.side == 0) {
        ++s.yaku[static_cast<std::size_t>(index)];
      }
    }
    for (const HistoryCall& call : month.calls) {
      if (!ValidSide(call.side) || call.pointsHeld < 0) {
        ++s.skipped;
        continue;
      }
      if (call.side != 0) continue;
      if (call.doubled) ++s.doublings;
      if (call.kind != CallKind::KoiKoi) continue;
      KoiKoiBand& band = s.koiKoi[static_cast<std::size_t>(CallBand(call.pointsHeld))];
      ++band.calls;
      if (call.outcome == CallOutcome::Won) ++band.paidOff;
    }
  }
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

std::vector<const HistoryMatch*> FilteredMatches(const std::vector<HistoryMatch>& matches,
                                                 const StatisticsFilter& filter) {
  const std::string since =
      filter.period == StatisticsPeriod::Last30Days ? DaysBefore(filter.now, kPeriodDays) : std::string();
  std::vector<const HistoryMatch*> kept;
  for (const HistoryMatch& match : matches) {
    if (filter.level && match.level != *filter.level) continue;
    if (filter.rules && !SameRules(match.rules, *filter.rules)) continue;
    if (filter.aid != StatisticsAid::All && match.assisted != (filter.aid == StatisticsAid::Assisted)) continue;
    if (!since.empty() && match.endedAt < since) continue;
    kept.push_back(&match);
  }
  if (filter.period == StatisticsPeriod::Last100 && kept.size() > kLastMatches) {
    kept.erase(kept.begin(), kept.end() - kLastMatches);
  }
  return kept;
}

MatchStatistics ComputeStatistics(const std::vector<HistoryMatch>& matches, const StatisticsFilter& filter,
                                  int skipped) {
  MatchStatistics s;
  s.skipped = skipped;
  long long scoreSum = 0;
  long long marginSum = 0;
  int streak = 0;
  int bestMargin = 0;
  std::vector<int> outcomes;
  for (const HistoryMatch* match : FilteredMatches(matches, filter)) {
    if (match->scores[0] < 0 || match->scores[1] < 0) {
      ++s.skipped;
      continue;
    }
    ++s.played;
    const int margin = match->scores[0] - match->scores[1];
    const bool won = match->result == MatchOutcome::Won;
    switch (match->result) {
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
    scoreSum += match->scores[0];
    marginSum += margin;
    s.margins.push_back(margin);
    if (won && margin > bestMargin) {
      bestMargin = margin;
      s.bestId = match->id;
      s.bestScores = match->scores;
      s.bestDate = match->endedAt;
    }
    outcomes.push_back(won ? 1 : 0);
    s.winShare.push_back(static_cast<double>(s.won) / s.played);
    const std::size_t from = outcomes.size() > kMovingWindow ? outcomes.size() - kMovingWindow : 0;
    int recent = 0;
    for (std::size_t i = from; i < outcomes.size(); ++i) recent += outcomes[i];
    s.movingWinShare.push_back(static_cast<double>(recent) / static_cast<double>(outcomes.size() - from));
    CountMonths(*match, s);
  }
  s.currentStreak = streak;
  if (s.played) {
    s.meanScore = static_cast<double>(scoreSum) / s.played;
    s.meanMargin = static_cast<double>(marginSum) / s.played;
  }
  return s;
}

}  // namespace pg
