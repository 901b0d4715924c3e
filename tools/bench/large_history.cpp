// Histories for the benchmarks, built from self-played matches.
#include "tools/bench/large_history.h"

#include <sqlite3.h>
#include <unistd.h>

#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>

#include "play/match_recorder.h"
#include "records/history_database.h"
#include "tools/bench/moves_as_rows.h"
#include "tools/selfplay/self_play.h"

namespace pg::bench {

namespace fs = std::filesystem;

namespace {

constexpr std::pair<const char*, const char*> kChildTables[] = {
    {"months", "month, dealer, winner, payment"},
    {"deals", "month, table_cards, player_hand, computer_hand, stock, moves"},
    {"yaku", "month, seq, side, name, points"},
    {"calls", "month, seq, side, kind, points_held, doubled, outcome"},
};
// The same as laid out before moves were packed: the cards and each move a row.
constexpr std::pair<const char*, const char*> kChildTablesMovesAsRows[] = {
    {"months", "month, dealer, winner, payment"},
    {"deals", "month, table_cards, player_hand, computer_hand, stock"},
    {"moves", "month, seq, side, from_stock, card, chosen, taken"},
    {"yaku", "month, seq, side, name, points"},
    {"calls", "month, seq, side, kind, points_held, doubled, outcome"},
};
constexpr int kPlayedMatches = 16;

void Run(sqlite3* db, const std::string& sql) {
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
    throw std::runtime_error(sqlite3_errmsg(db));
}

}  // namespace

fs::path BenchFolder(const char* name) {
  const fs::path folder = fs::temp_directory_path() / ("pg_bench_" + std::to_string(getpid()) + "_" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

HistoryMatch PlayedMatch(const fs::path& folder, std::uint64_t seed) {
  std::ostream discard(nullptr);
  selfplay::SelfPlayOptions options;
  options.seed = seed;
  selfplay::SelfPlay play(options, discard);
  const fs::path file = folder / ("played" + std::to_string(seed) + ".db");
  MatchRecorder recorder(play.State(), file);
  play.Watch(recorder);
  play.Run();
  auto opened = HistoryDatabase::Open(file);
  return opened.database->Load(HistoryDetail::Everything).at(0);
}

fs::path LargeHistory(const fs::path& folder, int matches, bool movesAsRows) {
  const fs::path path = folder / "history.db";
  {
    auto opened = HistoryDatabase::Open(path);
    for (int seed = 0; seed < kPlayedMatches; ++seed) {
      HistoryMatch match = PlayedMatch(folder, static_cast<std::uint64_t>(seed));
      opened.database->Store(match);
    }
  }
  if (movesAsRows && !MovesAsRows(path)) throw std::runtime_error("the moves could not be laid out as rows");
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  std::string sql = "BEGIN;";
  for (int copy = 1; copy < matches / kPlayedMatches; ++copy) {
    const std::string shift = std::to_string(copy * kPlayedMatches);
    sql += "INSERT INTO matches SELECT id + " + shift + ", started_at, strftime('%Y-%m-%dT%H:%M:%SZ', ended_at, '+" +
           std::to_string(copy) +
           " hours'), level, hanami_rule, tsukimi_rule, oya_rule, kiku_rule, hanami_points,"
           " tsukimi_points, player_score, computer_score, result, assisted, deal_code, daily_date FROM matches WHERE id <= " +
           std::to_string(kPlayedMatches) + ";";
    for (const auto& [table, rest] : movesAsRows ? std::span<const std::pair<const char*, const char*>>(kChildTablesMovesAsRows)
                                                                 : std::span<const std::pair<const char*, const char*>>(kChildTables)) {
      sql += std::string("INSERT INTO ") + table + " SELECT match_id + " + shift + ", " + rest + " FROM " + table +
             " WHERE match_id <= " + std::to_string(kPlayedMatches) + ";";
    }
  }
  sql += "COMMIT;";
  Run(db, sql);
  sqlite3_close(db);
  return path;
}

}  // namespace pg::bench
