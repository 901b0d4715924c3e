// Matches read back from history.db one at a time, in the order of their ids, with every number
// bounded to the range the game keeps it in.
#pragma once

#include <cstdint>
#include <optional>

#include "records/history_match.h"
#include "records/sqlite_statement.h"

namespace pg {

// How much of each match a reader needs: a CSV row counts the months, the statistics read the
// months' results, yaku and calls but none of the cards, which is most of the file.
enum class HistoryDetail { Matches, Months, Results, Everything };

class HistoryReader {
 public:
  // Reads inside the caller's transaction; `only` limits it to that one match.
  HistoryReader(SqliteConnection& connection, HistoryDetail detail, std::optional<std::int64_t> only = std::nullopt);

  // The next match that can be read. False at the end, or when SQLite failed (the connection
  // holds the error): a reader never stops quietly partway.
  bool Next(HistoryMatch& match);
  bool Failed() const;
  // Matches passed over because they hold what no version of the game writes (an unknown result,
  // a month's moves that do not unpack).
  int Skipped() const { return skipped_; }

 private:
  // A child table read in step with the matches: `row` says a row is waiting to be taken.
  struct Cursor {
    Cursor(SqliteConnection& connection, const std::string& sql) : statement(connection, sql) {
      row = statement.Step();
    }
    SqliteStatement statement;
    bool row;
  };
  // False when a month's moves are damaged.
  bool ReadMonths(HistoryMatch& match);

  HistoryDetail detail_;
  SqliteStatement matches_;
  std::optional<Cursor> months_, deals_, yaku_, calls_;
  int skipped_ = 0;
};

}  // namespace pg
