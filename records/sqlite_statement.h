// Thin owners of an SQLite connection and its prepared statements, for the history database.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

struct sqlite3;
struct sqlite3_stmt;

namespace pg {

// The SQLite result code of a call that failed, with SQLite's own words for it.
struct SqliteError {
  int code = 0;
  std::string text;
};

class SqliteConnection {
 public:
  SqliteConnection() = default;
  ~SqliteConnection();
  SqliteConnection(const SqliteConnection&) = delete;
  SqliteConnection& operator=(const SqliteConnection&) = delete;

  // flags as for sqlite3_open_v2; false with error() set when the file cannot be opened.
  bool Open(const std::string& path, int flags);
  void Close();
  bool IsOpen() const { return db_ != nullptr; }
  sqlite3* Handle() const { return db_; }
  // Runs statements that return nothing a caller needs; false with error() set on failure.
  bool Execute(std::string_view sql);
  // The first column of the first row of a query that yields one integer.
  bool QueryInteger(std::string_view sql, std::int64_t& value);
  const SqliteError& Error() const { return error_; }
  // Takes SQLite's words for `code` from the connection as it stands.
  void NoteError(int code);
  // Puts back an error noted earlier: a ROLLBACK after it leaves SQLite's own message at "not an error".
  void KeepError(SqliteError error) { error_ = std::move(error); }

 private:
  sqlite3* db_ = nullptr;
  SqliteError error_;
};

class SqliteStatement {
 public:
  SqliteStatement(SqliteConnection& connection, std::string_view sql);
  ~SqliteStatement();
  SqliteStatement(const SqliteStatement&) = delete;
  SqliteStatement& operator=(const SqliteStatement&) = delete;

  bool Prepared() const { return stmt_ != nullptr; }
  // Parameters count from 1, as in SQL.
  void Bind(int index, std::int64_t value);
  void Bind(int index, const std::string& text);
  void BindBlob(int index, std::string_view bytes);
  // True while a row is there to read; false at the end or on failure (the connection holds which).
  bool Step();
  // Steps a statement that yields no rows; false on failure.
  bool Run();
  bool Failed() const { return failed_; }
  std::int64_t Integer(int column) const;
  std::string Text(int column) const;
  // The text of `column` where SQLite holds it, good until the next Step or Reset.
  std::string_view View(int column) const;
  // The bytes of a BLOB `column`, good until the next Step or Reset; nothing for NULL.
  std::optional<std::string_view> Blob(int column) const;
  void Reset();

 private:
  SqliteConnection& connection_;
  sqlite3_stmt* stmt_ = nullptr;
  bool failed_ = false;
};

}  // namespace pg
