#include "tools/bench/moves_as_rows.h"

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <vector>

#include "records/history_database.h"
#include "records/sqlite_statement.h"

namespace pg::bench {

bool MovesAsRows(const std::filesystem::path& path) {
  auto opened = HistoryDatabase::Open(path);
  if (!opened.database) return false;
  const std::vector<HistoryMatch> matches = opened.database->Load(HistoryDetail::Everything);
  opened.database.reset();
  SqliteConnection c;
  if (!c.Open(path.string(), SQLITE_OPEN_READWRITE) ||
      !c.Execute("BEGIN; CREATE TABLE moves(match_id INTEGER NOT NULL REFERENCES matches(id) ON DELETE CASCADE,"
                 " month INTEGER NOT NULL, seq INTEGER NOT NULL, side INTEGER NOT NULL, from_stock INTEGER NOT NULL,"
                 " card TEXT NOT NULL, chosen TEXT NOT NULL, taken TEXT NOT NULL,"
                 " PRIMARY KEY(match_id, month, seq)) WITHOUT ROWID;"))
    return false;
  SqliteStatement insert(c, "INSERT INTO moves VALUES(?,?,?,?,?,?,?,?)");
  for (const HistoryMatch& match : matches) {
    for (const HistoryMonth& month : match.months) {
      for (std::size_t i = 0; i < month.moves.size(); ++i) {
        const HistoryMove& move = month.moves[i];
        std::string taken;
        for (const StoredCard& card : move.taken) taken += (taken.empty() ? "" : " ") + card;
        const std::int64_t numbers[] = {match.id, month.month, static_cast<std::int64_t>(i), move.side, move.fromStock};
        for (int n = 0; n < 5; ++n) insert.Bind(n + 1, numbers[n]);
        insert.Bind(6, move.card);
        insert.Bind(7, move.chosen);
        insert.Bind(8, taken);
        if (!insert.Run()) {
          c.Execute("ROLLBACK;");
          return false;
        }
      }
    }
  }
  return c.Execute("ALTER TABLE deals DROP COLUMN moves; DROP TABLE unpacked_moves; PRAGMA user_version = 4; COMMIT;");
}

}  // namespace pg::bench
