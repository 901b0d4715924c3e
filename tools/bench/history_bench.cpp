// Storing a whole self-played match in history.db, as the game does when a match ends, and reading
// a history of 10^4 matches for the statistics window.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "play/match_statistics.h"
#include "records/history_database.h"
#include "tools/bench/large_history.h"

namespace {

namespace fs = std::filesystem;
using pg::bench::BenchFolder;
using pg::bench::LargeHistory;
using pg::bench::PlayedMatch;

constexpr int kHistoryMatches = 10000;

// One transaction with every month, move, yaku and call, synced to disk before it returns.
void StoreMatch(benchmark::State& state) {
  const fs::path folder = BenchFolder("store");
  const pg::HistoryMatch played = PlayedMatch(folder);
  auto opened = pg::HistoryDatabase::Open(folder / "history.db");
  for (auto _ : state) {
    pg::HistoryMatch match = played;
    if (opened.database->Store(match)) state.SkipWithError("the match could not be stored");
  }
  std::size_t moves = 0;
  for (const auto& month : played.months) moves += month.moves.size();
  state.counters["moves"] = static_cast<double>(moves);
  fs::remove_all(folder);
}

// What the statistics window needs before it can draw: the file opened, every match's results read
// and the figures computed.
void StatisticsOfTenThousandMatches(benchmark::State& state) {
  const fs::path folder = BenchFolder("statistics");
  const fs::path path = LargeHistory(folder, kHistoryMatches);
  for (auto _ : state) {
    auto opened = pg::HistoryDatabase::Open(path);
    int skipped = 0;
    const auto matches = opened.database->Load(pg::HistoryDetail::Results, &skipped);
    const pg::MatchStatistics statistics = pg::ComputeStatistics(matches, {}, skipped);
    if (statistics.played != kHistoryMatches) state.SkipWithError("the history is not whole");
    benchmark::DoNotOptimize(statistics.yaku);
  }
  state.counters["MB"] = static_cast<double>(fs::file_size(path)) / 1e6;
  fs::remove_all(folder);
}

}  // namespace

BENCHMARK(StoreMatch)->Unit(benchmark::kMillisecond);
BENCHMARK(StatisticsOfTenThousandMatches)->Unit(benchmark::kMillisecond);
