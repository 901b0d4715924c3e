// The advisor's costs: how long a hand's badges take to appear (median and 99th percentile over
// positions from the whole of a month), and how long 振り返り takes over a twelve-month match.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <unistd.h>

#include "computer/advisor.h"
#include "computer/review.h"
#include "model/month.h"
#include "model/policy.h"
#include "play/match_recorder.h"
#include "tools/selfplay/self_play.h"

namespace {

using namespace pg::model;

constexpr int kPositions = 200;

// The player's hand choices across dealt months, from the first card to the last, as the designed
// player would reach them.
std::vector<State> PlayerChoices() {
  std::vector<State> positions;
  pg::Random random(5);
  while (static_cast<int>(positions.size()) < kPositions) {
    State s = NewMatch(MakeRules(true, true, true, false, 5, 5), static_cast<int>(positions.size()) % 2);
    Deal(s, ShuffledDeck(random));
    while (s.stage == Stage::Play || s.stage == Stage::StockChoice || s.stage == Stage::Decision) {
      if (s.mover == 0 && s.stage == Stage::Play) positions.push_back(s);
      Apply(s, DesignedMove(s, random));
    }
  }
  positions.resize(kPositions);
  return positions;
}

double Percentile(std::vector<double> values, double share) {
  std::sort(values.begin(), values.end());
  const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1));
  return values[at];
}

void BadgeLatency(benchmark::State& state) {
  const std::vector<State> positions = PlayerChoices();
  std::vector<double> ms;
  std::uint64_t seed = 1;
  for (auto _ : state) {
    ms.clear();
    for (const State& s : positions) {
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(pg::computer::CardChances(s, seed++, {pg::computer::kAdvisorIterations}));
      ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
  }
  state.counters["median_ms"] = Percentile(ms, 0.5);
  state.counters["p99_ms"] = Percentile(ms, 0.99);
}

// A twelve-month match as the recorder stored it.
pg::HistoryMatch StoredMatch() {
  const auto folder = std::filesystem::temp_directory_path() / ("pg_bench_review_" + std::to_string(getpid()));
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::ostream discard(nullptr);
  pg::selfplay::SelfPlayOptions options;
  options.seed = 11;
  pg::selfplay::SelfPlay play(options, discard);
  pg::MatchRecorder recorder(play.State(), folder / "history.db");
  play.Watch(recorder);
  play.Run();
  auto opened = pg::HistoryDatabase::Open(folder / "history.db");
  pg::HistoryMatch match = opened.database->Load(pg::HistoryDetail::Everything).at(0);
  std::filesystem::remove_all(folder);
  return match;
}

void ReviewTwelveMonths(benchmark::State& state) {
  const pg::HistoryMatch match = StoredMatch();
  int choices = 0;
  for (auto _ : state) {
    const auto review = pg::computer::ReviewMatch(match, 1, {pg::computer::kReviewIterations});
    choices = review.choicesWeighed;
  }
  state.counters["choices"] = choices;
  state.counters["months"] = static_cast<double>(match.months.size());
}

}  // namespace

BENCHMARK(BadgeLatency)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(ReviewTwelveMonths)->Unit(benchmark::kMillisecond)->Iterations(1);
