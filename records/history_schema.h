// The history database's tables, its version number and the steps that bring an older file forward.
#pragma once

#include <cstdint>

namespace pg {

class SqliteConnection;

// The file's PRAGMA application_id: "PG32". A database without it, holding tables, is another program's.
inline constexpr std::int64_t kHistoryApplicationId = 0x50473332;
// The PRAGMA user_version this build writes. A file with a higher one comes from a later version.
inline constexpr int kHistorySchemaVersion = 5;

// Brings the tables from `version` up to kHistorySchemaVersion inside the caller's transaction.
bool MigrateHistory(SqliteConnection& connection, std::int64_t version);
// For a file of an older version that may not be written: what later versions added is laid in the
// connection's temporary schema, which shadows the file's own, so the readers find the tables and
// columns they know. Added columns read as their defaults, added tables are empty.
bool ShowInCurrentLayout(SqliteConnection& connection);

}  // namespace pg
