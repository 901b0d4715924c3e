// Storing a whole self-played match in history.db, as the game does when a match ends, and what the
// statistics window reads from a history of 65,536 matches.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>

#include "records/history_database.h"
#include "records/history_statistics.h"
#include "tools/bench/large_history.h"

namespace {

namespace fs = std::filesystem;
using pg::bench::BenchFolder;
using pg::bench::LargeHistory;
using pg::bench::PlayedMatch;

constexpr int kHistoryMatches = 65536;

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

// The heap malloc hands out now, SQLite's included.
double HeapBytes() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd);
}

// What the statistics window needs before it can draw: the file opened, the figures counted and the
// list's rows read. "held_MB" is the heap still held for them once read; "sqlite_peak_MB" is the most
// SQLite held at any moment while counting.
void StatisticsWindowData(benchmark::State& state) {
  const fs::path folder = BenchFolder("statistics");
  const fs::path path = LargeHistory(folder, kHistoryMatches);
  // The first look at a history keeps each match's counts: once, when this version first opens it.
  const auto first = std::chrono::steady_clock::now();
  pg::ComputeStatistics(*pg::HistoryDatabase::Open(path).database, {});
  state.counters["first_look_s"] = std::chrono::duration<double>(std::chrono::steady_clock::now() - first).count();
  double held = 0;
  for (auto _ : state) {
    const double before = HeapBytes();
    sqlite3_memory_highwater(1);
    auto opened = pg::HistoryDatabase::Open(path);
    const pg::MatchStatistics statistics = pg::ComputeStatistics(*opened.database, {});
    const std::vector<pg::HistoryRow> rows = pg::FilteredRows(*opened.database, {});
    held = HeapBytes() - before;
    if (statistics.played != kHistoryMatches || rows.size() != kHistoryMatches)
      state.SkipWithError("the history is not whole");
    benchmark::DoNotOptimize(statistics.yaku);
  }
  state.counters["held_MB"] = held / 1e6;
  state.counters["sqlite_peak_MB"] = static_cast<double>(sqlite3_memory_highwater(0)) / 1e6;
  state.counters["file_MB"] = static_cast<double>(fs::file_size(path)) / 1e6;
  fs::remove_all(folder);
}

}  // namespace

BENCHMARK(StoreMatch)->Unit(benchmark::kMillisecond);
BENCHMARK(StatisticsWindowData)->Unit(benchmark::kMillisecond);
