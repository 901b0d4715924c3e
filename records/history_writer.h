// One match written into history.db's tables, inside the caller's transaction.
#pragma once

#include "records/history_match.h"
#include "records/sqlite_statement.h"

namespace pg {

// Inserts the match with its months, deals, moves, yaku and calls and gives it its new id; false
// with the connection's error set when SQLite refused a row.
bool InsertMatch(SqliteConnection& connection, HistoryMatch& match);

}  // namespace pg
