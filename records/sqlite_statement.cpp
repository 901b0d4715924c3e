// Thin owners of an SQLite connection and its prepared statements.
#include "records/sqlite_statement.h"

#include <sqlite3.h>

namespace pg {

SqliteConnection::~SqliteConnection() { Close(); }

bool SqliteConnection::Open(const std::string& path, int flags) {
  Close();
  const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
  if (rc == SQLITE_OK) return true;
  // A failed open still hands back a handle to carry the message; it must be closed all the same.
  error_ = {rc, db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc)};
  Close();
  return false;
}

void SqliteConnection::Close() {
  if (db_) sqlite3_close_v2(db_);
  db_ = nullptr;
}

void SqliteConnection::NoteError(int code) { error_ = {code, db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code)}; }

bool SqliteConnection::Execute(std::string_view sql) {
  const std::string text(sql);
  const int rc = sqlite3_exec(db_, text.c_str(), nullptr, nullptr, nullptr);
  if (rc == SQLITE_OK) return true;
  NoteError(rc);
  return false;
}

bool SqliteConnection::QueryInteger(std::string_view sql, std::int64_t& value) {
  SqliteStatement query(*this, sql);
  if (!query.Step()) return false;
  value = query.Integer(0);
  return true;
}

SqliteStatement::SqliteStatement(SqliteConnection& connection, std::string_view sql) : connection_(connection) {
  const int rc = sqlite3_prepare_v2(connection.Handle(), sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
  if (rc != SQLITE_OK) {
    connection.NoteError(rc);
    failed_ = true;
    stmt_ = nullptr;
  }
}

SqliteStatement::~SqliteStatement() { sqlite3_finalize(stmt_); }

void SqliteStatement::Bind(int index, std::int64_t value) { sqlite3_bind_int64(stmt_, index, value); }

void SqliteStatement::Bind(int index, const std::string& text) {
  sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void SqliteStatement::BindBlob(int index, std::string_view bytes) {
  // No bytes bind as an empty value, never as NULL.
  if (bytes.empty()) {
    sqlite3_bind_zeroblob(stmt_, index, 0);
  } else {
    sqlite3_bind_blob(stmt_, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
  }
}

bool SqliteStatement::Step() {
  if (!stmt_) return false;
  const int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc != SQLITE_DONE) {
    connection_.NoteError(rc);
    failed_ = true;
  }
  return false;
}

bool SqliteStatement::Run() {
  Step();
  const bool ok = !failed_;
  Reset();
  return ok;
}

std::int64_t SqliteStatement::Integer(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string SqliteStatement::Text(int column) const { return std::string(View(column)); }

std::string_view SqliteStatement::View(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
  return text ? std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
              : std::string_view();
}

std::optional<std::string_view> SqliteStatement::Blob(int column) const {
  if (sqlite3_column_type(stmt_, column) == SQLITE_NULL) return std::nullopt;
  const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
  return bytes ? std::string_view(bytes, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)))
               : std::string_view();
}

void SqliteStatement::Reset() {
  if (!stmt_) return;
  failed_ = false;
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

}  // namespace pg
