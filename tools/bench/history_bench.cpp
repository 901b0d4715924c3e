// Storing a whole self-played match in history.db, as the game does when a match ends, and what the
// statistics window reads from a history of 65,536 matches.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>

#include "play/match_recorder.h"
#include "records/history_statistics.h"
#include "tools/selfplay/self_play.h"

namespace {

namespace fs = std::filesystem;

fs::path BenchFolder(const char* name) {
  const fs::path folder = fs::temp_directory_path() / ("pg_bench_" + std::to_string(getpid()) + "_" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

// Real matches, deals and moves and all, as the recorder followed them.
pg::HistoryMatch PlayedMatch(const fs::path& folder, std::uint64_t seed = 3) {
  std::ostream discard(nullptr);
  pg::selfplay::SelfPlayOptions options;
  options.seed = seed;
  pg::selfplay::SelfPlay play(options, discard);
  const fs::path file = folder / ("played" + std::to_string(seed) + ".db");
  pg::MatchRecorder recorder(play.State(), file);
  play.Watch(recorder);
  play.Run();
  auto opened = pg::HistoryDatabase::Open(file);
  return opened.database->Load(pg::HistoryDetail::Everything).at(0);
}

constexpr std::pair<const char*, const char*> kChildTables[] = {
    {"months", "month, dealer, winner, payment"},
    {"deals", "month, table_cards, player_hand, computer_hand, stock"},
    {"moves", "month, seq, side, from_stock, card, chosen, taken"},
    {"yaku", "month, seq, side, name, points"},
    {"calls", "month, seq, side, kind, points_held, doubled, outcome"},
};
constexpr int kPlayedMatches = 16;
constexpr int kHistoryMatches = 65536;

// 16 different self-played matches, copied in SQL until the file holds 65,536, each copy ending a
// little later than the one before.
fs::path LargeHistory(const fs::path& folder) {
  const fs::path path = folder / "history.db";
  {
    auto opened = pg::HistoryDatabase::Open(path);
    for (int seed = 0; seed < kPlayedMatches; ++seed) {
      pg::HistoryMatch match = PlayedMatch(folder, static_cast<std::uint64_t>(seed));
      opened.database->Store(match);
    }
  }
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  std::string sql = "BEGIN;";
  for (int copy = 1; copy < kHistoryMatches / kPlayedMatches; ++copy) {
    const std::string shift = std::to_string(copy * kPlayedMatches);
    sql += "INSERT INTO matches SELECT id + " + shift + ", started_at, strftime('%Y-%m-%dT%H:%M:%SZ', ended_at, '+" +
           std::to_string(copy) +
           " hours'), level, hanami_rule, tsukimi_rule, oya_rule, kiku_rule, hanami_points,"
           " tsukimi_points, player_score, computer_score, result, assisted FROM matches WHERE id <= " +
           std::to_string(kPlayedMatches) + ";";
    for (const auto& [table, rest] : kChildTables) {
      sql += std::string("INSERT INTO ") + table + " SELECT match_id + " + shift + ", " + rest + " FROM " + table +
             " WHERE match_id <= " + std::to_string(kPlayedMatches) + ";";
    }
  }
  sql += "COMMIT;";
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
    throw std::runtime_error(sqlite3_errmsg(db));
  sqlite3_close(db);
  return path;
}

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
  const fs::path path = LargeHistory(folder);
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
