// The history database's tables, and each step from one schema version to the next.
#include "records/history_schema.h"

#include <array>
#include <map>
#include <string>

#include <sqlite3.h>

#include "records/packed_moves.h"
#include "records/sqlite_statement.h"

namespace pg {

namespace {

// Step i takes a file from version i to version i + 1. Steps are only ever added, never edited:
// a player's file may stand at any version an earlier build wrote.
constexpr std::array<const char*, kHistorySchemaVersion> kSteps{
    // Card lists are codes separated by spaces, the stock from its top card. The cards lie apart
    // from the months' results, which the statistics read on their own.
    R"sql(
CREATE TABLE matches(
  id INTEGER PRIMARY KEY,
  started_at TEXT NOT NULL,
  ended_at TEXT NOT NULL,
  level TEXT NOT NULL,
  hanami_rule INTEGER NOT NULL,
  tsukimi_rule INTEGER NOT NULL,
  oya_rule INTEGER NOT NULL,
  kiku_rule INTEGER NOT NULL,
  hanami_points INTEGER NOT NULL,
  tsukimi_points INTEGER NOT NULL,
  player_score INTEGER NOT NULL,
  computer_score INTEGER NOT NULL,
  result TEXT NOT NULL);
CREATE INDEX matches_by_end ON matches(ended_at);
CREATE TABLE months(
  match_id INTEGER NOT NULL REFERENCES matches(id) ON DELETE CASCADE,
  month INTEGER NOT NULL,
  dealer INTEGER NOT NULL,
  winner INTEGER NOT NULL,
  payment INTEGER NOT NULL,
  PRIMARY KEY(match_id, month)) WITHOUT ROWID;
CREATE TABLE deals(
  match_id INTEGER NOT NULL REFERENCES matches(id) ON DELETE CASCADE,
  month INTEGER NOT NULL,
  table_cards TEXT NOT NULL,
  player_hand TEXT NOT NULL,
  computer_hand TEXT NOT NULL,
  stock TEXT NOT NULL,
  PRIMARY KEY(match_id, month)) WITHOUT ROWID;
CREATE TABLE moves(
  match_id INTEGER NOT NULL REFERENCES matches(id) ON DELETE CASCADE,
  month INTEGER NOT NULL,
  seq INTEGER NOT NULL,
  side INTEGER NOT NULL,
  from_stock INTEGER NOT NULL,
  card TEXT NOT NULL,
  chosen TEXT NOT NULL,
  taken TEXT NOT NULL,
  PRIMARY KEY(match_id, month, seq)) WITHOUT ROWID;
CREATE TABLE yaku(
  match_id INTEGER NOT NULL REFERENCES matches(id) ON DELETE CASCADE,
  month INTEGER NOT NULL,
  seq INTEGER NOT NULL,
  side INTEGER NOT NULL,
  name TEXT NOT NULL,
  points INTEGER NOT NULL,
  PRIMARY KEY(match_id, month, seq)) WITHOUT ROWID;
CREATE TABLE calls(
  match_id INTEGER NOT NULL REFERENCES matches(id) ON DELETE CASCADE,
  month INTEGER NOT NULL,
  seq INTEGER NOT NULL,
  side INTEGER NOT NULL,
  kind TEXT NOT NULL,
  points_held INTEGER NOT NULL,
  doubled INTEGER NOT NULL,
  outcome TEXT NOT NULL,
  PRIMARY KEY(match_id, month, seq)) WITHOUT ROWID;
)sql",
    // Matches in which the player was shown a hint or counsel; every older match was unaided.
    R"sql(
ALTER TABLE matches ADD COLUMN assisted INTEGER NOT NULL DEFAULT 0;
)sql",
    // Each match's counts for the statistics, kept so that 成績 adds up one row a match instead of
    // every month, yaku and call. Filled by the statistics for the matches that have none yet.
    R"sql(
CREATE TABLE match_figures(
  match_id INTEGER PRIMARY KEY REFERENCES matches(id) ON DELETE CASCADE,
  dealer_months INTEGER NOT NULL, dealer_won INTEGER NOT NULL, child_months INTEGER NOT NULL,
  child_won INTEGER NOT NULL, played_1 INTEGER NOT NULL, played_2 INTEGER NOT NULL,
  played_3 INTEGER NOT NULL, played_4 INTEGER NOT NULL, played_5 INTEGER NOT NULL,
  played_6 INTEGER NOT NULL, played_7 INTEGER NOT NULL, played_8 INTEGER NOT NULL,
  played_9 INTEGER NOT NULL, played_10 INTEGER NOT NULL, played_11 INTEGER NOT NULL,
  played_12 INTEGER NOT NULL, won_1 INTEGER NOT NULL, won_2 INTEGER NOT NULL,
  won_3 INTEGER NOT NULL, won_4 INTEGER NOT NULL, won_5 INTEGER NOT NULL, won_6 INTEGER NOT NULL,
  won_7 INTEGER NOT NULL, won_8 INTEGER NOT NULL, won_9 INTEGER NOT NULL, won_10 INTEGER NOT NULL,
  won_11 INTEGER NOT NULL, won_12 INTEGER NOT NULL, yaku_1 INTEGER NOT NULL,
  yaku_2 INTEGER NOT NULL, yaku_3 INTEGER NOT NULL, yaku_4 INTEGER NOT NULL,
  yaku_5 INTEGER NOT NULL, yaku_6 INTEGER NOT NULL, yaku_7 INTEGER NOT NULL,
  yaku_8 INTEGER NOT NULL, yaku_9 INTEGER NOT NULL, yaku_10 INTEGER NOT NULL,
  yaku_11 INTEGER NOT NULL, yaku_12 INTEGER NOT NULL, yaku_13 INTEGER NOT NULL,
  yaku_14 INTEGER NOT NULL, yaku_15 INTEGER NOT NULL, koikoi_1 INTEGER NOT NULL,
  koikoi_2 INTEGER NOT NULL, koikoi_3 INTEGER NOT NULL, koikoi_4 INTEGER NOT NULL,
  paid_1 INTEGER NOT NULL, paid_2 INTEGER NOT NULL, paid_3 INTEGER NOT NULL,
  paid_4 INTEGER NOT NULL, doublings INTEGER NOT NULL, skipped INTEGER NOT NULL);
)sql",
    // The deal code a match was dealt from and the date of a daily deal; every older match was dealt
    // from the game's own source. The best finished match of each day's deal, one row a date.
    R"sql(
ALTER TABLE matches ADD COLUMN deal_code TEXT NOT NULL DEFAULT '';
ALTER TABLE matches ADD COLUMN daily_date TEXT NOT NULL DEFAULT '';
CREATE TABLE daily_best(
  date TEXT PRIMARY KEY,
  deal_code TEXT NOT NULL,
  match_id INTEGER REFERENCES matches(id) ON DELETE SET NULL,
  player_score INTEGER NOT NULL,
  computer_score INTEGER NOT NULL,
  result TEXT NOT NULL,
  plays INTEGER NOT NULL) WITHOUT ROWID;
)sql",
    // A month's moves packed into one value beside its cards (records/packed_moves.h) rather than a
    // row a move: a long history reads and checks in a fraction of the time. Rows the packed form
    // cannot hold stay as they were in a table no one reads, and their month reads as damaged.
    R"sql(
ALTER TABLE deals ADD COLUMN moves BLOB;
UPDATE deals SET moves = (SELECT packed_moves(seq, side, from_stock, card, chosen, taken) FROM moves mv
  WHERE mv.match_id = deals.match_id AND mv.month = deals.month);
CREATE TABLE unpacked_moves AS SELECT * FROM moves WHERE (match_id, month) IN (
  SELECT match_id, month FROM moves GROUP BY match_id, month
  EXCEPT SELECT match_id, month FROM deals WHERE moves IS NOT NULL);
DROP TABLE moves;
)sql",
};

}  // namespace

bool MigrateHistory(SqliteConnection& connection, std::int64_t version) {
  if (!AddPackedMoveFunctions(connection)) return false;
  for (std::int64_t v = version; v < kHistorySchemaVersion; ++v) {
    if (!connection.Execute(kSteps[static_cast<std::size_t>(v)])) return false;
  }
  return connection.Execute("PRAGMA application_id = " + std::to_string(kHistoryApplicationId) + ";") &&
         connection.Execute("PRAGMA user_version = " + std::to_string(kHistorySchemaVersion) + ";");
}

namespace {

// Each table's columns and their defaults, as `PRAGMA table_info` lists them.
std::map<std::string, std::string> Columns(SqliteConnection& connection, const std::string& schema,
                                           const std::string& table) {
  std::map<std::string, std::string> columns;
  SqliteStatement info(connection, "PRAGMA " + schema + ".table_info(" + table + ")");
  while (info.Step()) columns[info.Text(1)] = info.Text(4);
  return columns;
}

// What a file of an older version holds in place of a later column: the moves, a row each before
// they were packed, are packed as they are read.
std::string OlderForm(const std::string& table, const std::string& column) {
  if (table == "deals" && column == "moves") {
    return "(SELECT packed_moves(seq, side, from_stock, card, chosen, taken) FROM main.moves mv"
           " WHERE mv.match_id = deals.match_id AND mv.month = deals.month)";
  }
  return {};
}

}  // namespace

bool ShowInCurrentLayout(SqliteConnection& connection) {
  if (!AddPackedMoveFunctions(connection)) return false;
  SqliteConnection layout;
  if (!layout.Open(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY) || !MigrateHistory(layout, 0)) return false;
  SqliteStatement tables(layout, "SELECT name, sql FROM sqlite_master WHERE type = 'table' ORDER BY name");
  bool shown = tables.Prepared();
  while (shown && tables.Step()) {
    const std::string name = tables.Text(0);
    const std::map<std::string, std::string> held = Columns(connection, "main", name);
    if (held.empty()) {
      const std::string create = tables.Text(1);
      shown = connection.Execute("CREATE TEMP" + create.substr(create.find(' ')));
      continue;
    }
    std::string added;
    for (const auto& [column, defaultValue] : Columns(layout, "main", name)) {
      if (held.contains(column)) continue;
      const std::string older = OlderForm(name, column);
      added += ", " + (!older.empty() ? older : defaultValue.empty() ? "NULL" : defaultValue) + " AS " + column;
    }
    if (!added.empty()) shown = connection.Execute("CREATE TEMP VIEW " + name + " AS SELECT *" + added + " FROM main." + name);
  }
  return shown;
}

}  // namespace pg
