// history.db: judging and opening it safely, storing a match in one transaction, reading matches
// back, and starting afresh from what still reads when the file is found damaged.
#include "records/history_database.h"

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <thread>

#include "records/player_text.h"
#include "records/history_schema.h"
#include "records/history_writer.h"
#include "records/packed_moves.h"

namespace pg {

namespace fs = std::filesystem;

// Absent: nothing to judge, the file is new. StrayLog: the file is ours, but the log beside it
// hides or changes its matches, so the log is another database's.
enum class HistoryFileState { Absent, Ready, Newer, Damaged, Foreign, StrayLog, Failed };

namespace {

using FileState = HistoryFileState;

// Long enough for the other copy to store a whole match, short enough not to hang the table.
constexpr int kBusyTimeoutMs = 3000;
// Opening waits this long at most for another copy that is setting up the same file.
constexpr int kOpenAttempts = 30;
constexpr auto kOpenRetry = std::chrono::milliseconds(100);

constexpr const char* kCannotOpen = PG_TEXT("成績の記録 history.db を開けません。");
constexpr const char* kNewerNotice =
    PG_TEXT("成績の記録 history.db は、この版より新しい Petalgame 32 で作られています。"
            "成績は見られますが、この版では対戦を記録しません。");
constexpr const char* kReadOnlyNotice =
    PG_TEXT("成績の記録 history.db かそのフォルダーに書き込めません。成績は見られますが、対戦は記録されません。");

std::string Reason(const SqliteError& error) {
  switch (error.code & 0xff) {
    case SQLITE_FULL:
      return Tr("ディスクに空きがありません。");
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
      return Tr("history.db かそのフォルダーに書き込めません。");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return Tr("ほかの Petalgame 32 が記録を書き込んでいます。");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return Tr("history.db が壊れています。");
    case SQLITE_IOERR:
      if (error.code == SQLITE_IOERR_WRITE || error.code == SQLITE_IOERR_FSYNC) {
        return Tr("history.db に書き込めません（ディスクがいっぱいかもしれません）。");
      }
      [[fallthrough]];
    default:
      return Fill(Tr("history.db を使えません（%1）。"), {error.text});
  }
}

bool IsDamage(int code) { return (code & 0xff) == SQLITE_CORRUPT || (code & 0xff) == SQLITE_NOTADB; }
bool IsBusy(int code) { return (code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED; }
bool CannotWrite(int code) {
  const int primary = code & 0xff;
  return primary == SQLITE_READONLY || primary == SQLITE_CANTOPEN || primary == SQLITE_PERM;
}

// A connection that cannot change the file: read-only, and it never folds the log into the file
// when it closes (a stray log would otherwise overwrite the matches before they were judged).
bool OpenToLook(SqliteConnection& connection, const fs::path& path, const std::string& query) {
  if (!connection.Open(FileUri(path, query), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX)) {
    return false;
  }
  sqlite3_db_config(connection.Handle(), SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
  sqlite3_extended_result_codes(connection.Handle(), 1);
  sqlite3_busy_timeout(connection.Handle(), kBusyTimeoutMs);
  return AddPackedMoveFunctions(connection);
}

// Whose file it is and of which version, as its header says.
FileState ReadMarks(SqliteConnection& connection, std::int64_t& version) {
  std::int64_t applicationId = 0;
  std::int64_t objects = 0;
  // The three are read in one transaction: read one by one, they could straddle the other copy's
  // laying out of a new file, and the file would look foreign (tables, but not yet our mark).
  const bool read = connection.Execute("BEGIN") && connection.QueryInteger("PRAGMA application_id", applicationId) &&
                    connection.QueryInteger("PRAGMA user_version", version) &&
                    connection.QueryInteger("SELECT count(*) FROM sqlite_master", objects) &&
                    connection.Execute("COMMIT");
  if (!read) {
    const SqliteError error = connection.Error();
    connection.Execute("ROLLBACK");
    connection.KeepError(error);
    return IsDamage(error.code) ? FileState::Damaged : FileState::Failed;
  }
  if (objects == 0 && version == 0 && applicationId == 0) return FileState::Absent;
  if (applicationId != kHistoryApplicationId) return FileState::Foreign;
  return version > kHistorySchemaVersion ? FileState::Newer : FileState::Ready;
}

// Every page of every table read once: damage can lie anywhere in the file, not only in its header.
bool PassesQuickCheck(SqliteConnection& connection) {
  SqliteStatement check(connection, "PRAGMA quick_check(1)");
  return check.Step() && check.Text(0) == "ok";
}

// A log a crash left behind only adds matches to the file's: the game never changes or deletes a
// stored one. A log that hides or changes a match of the file read alone is another database's.
bool LogIsStray(const fs::path& path, SqliteConnection& view) {
  SqliteConnection alone;
  std::int64_t version = 0;
  // The file read alone, the log not looked at: the file must be ours and whole for the log to be
  // the odd one out. Another copy folding the log in meanwhile shows as damage here, and the log stands.
  if (!OpenToLook(alone, path, "immutable=1")) return false;
  const FileState state = ReadMarks(alone, version);
  if ((state != FileState::Ready && state != FileState::Newer) || !PassesQuickCheck(alone)) return false;
  alone.Execute("BEGIN");
  view.Execute("BEGIN");
  HistoryReader own(alone, HistoryDetail::Matches);
  HistoryReader seen(view, HistoryDetail::Matches);
  HistoryMatch mine;
  HistoryMatch shown;
  bool showing = seen.Next(shown);
  bool stray = false;
  while (!stray && own.Next(mine)) {
    while (showing && shown.id < mine.id) showing = seen.Next(shown);
    stray = !showing || !(shown == mine);
  }
  alone.Execute("COMMIT");
  view.Execute("COMMIT");
  return stray;
}

// A file SQLite writes is always a whole number of pages long: one that is not was cut short, and
// its last page reads as zeros that SQLite may take for rows.
bool CutShort(const fs::path& path, SqliteConnection& connection) {
  std::int64_t pageSize = 0;
  std::error_code error;
  const std::uintmax_t size = fs::file_size(path, error);
  return !error && connection.QueryInteger("PRAGMA page_size", pageSize) && pageSize > 0 &&
         size % static_cast<std::uintmax_t>(pageSize) != 0;
}

struct Judgement {
  FileState state = FileState::Failed;
  SqliteError error;
  // How the file is opened to be read: "immutable=1" where the folder has no room for SQLite's
  // index of the log, and there is no log to index.
  std::string query = "mode=ro";
  // Its PRAGMA user_version, as read when judged.
  std::int64_t version = 0;
};

// Judges the file without writing a byte of it or of its log.
Judgement Judge(const fs::path& path) {
  Judgement judged;
  std::error_code error;
  if (!fs::exists(path, error) || fs::file_size(path, error) == 0) {
    judged.state = FileState::Absent;
    return judged;
  }
  SqliteConnection view;
  judged.state = OpenToLook(view, path, judged.query) ? ReadMarks(view, judged.version) : FileState::Failed;
  if (judged.state == FileState::Failed && CannotWrite(view.Error().code) &&
      !fs::exists(path.string() + "-wal", error)) {
    judged.query = "immutable=1";
    judged.state = OpenToLook(view, path, judged.query) ? ReadMarks(view, judged.version) : FileState::Failed;
  }
  judged.error = view.Error();
  if (judged.state == FileState::Failed || judged.state == FileState::Absent) return judged;
  if (CutShort(path, view)) judged.state = FileState::Damaged;
  // The thorough look, once a run: it reads the whole file.
  const auto identity = IdentityOf(path);
  if (!identity || !FirstLookAt(*identity)) return judged;
  if (judged.state != FileState::Foreign && !PassesQuickCheck(view)) judged.state = FileState::Damaged;
  if (LogSize(path) > 0 && LogIsStray(path, view)) judged.state = FileState::StrayLog;
  return judged;
}

// Packing the moves of an older file frees most of its pages: such a file is compacted once, in a
// transaction of its own, so a crash meanwhile leaves it as it was brought forward. Where there is
// no room for the copy this takes, the free pages simply wait for later matches.
void CompactIfMostlyFree(SqliteConnection& connection) {
  std::int64_t free = 0;
  std::int64_t pages = 0;
  if (connection.QueryInteger("PRAGMA freelist_count", free) && connection.QueryInteger("PRAGMA page_count", pages) &&
      free * 2 > pages && connection.Execute("VACUUM")) {
    connection.Execute("PRAGMA wal_checkpoint(TRUNCATE)");
  }
}

// Opens the file to store into: WAL mode, and the tables laid out or brought forward.
FileState Prepare(SqliteConnection& connection, const fs::path& path) {
  // One connection is used by one thread, so SQLite's own locking of each call is only a cost.
  if (!connection.Open(path.string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX)) {
    return FileState::Failed;
  }
  sqlite3_extended_result_codes(connection.Handle(), 1);
  sqlite3_busy_timeout(connection.Handle(), kBusyTimeoutMs);
  if (!AddPackedMoveFunctions(connection)) return FileState::Failed;
  std::int64_t version = 0;
  const FileState state = ReadMarks(connection, version);
  if (state != FileState::Ready && state != FileState::Absent) return state;
  // WAL lets a reader go on while the other copy writes; FULL makes a committed match survive a
  // power cut as well as a crash.
  // Mapping the file spares the statistics a copy of every page they read.
  if (!connection.Execute("PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL; PRAGMA foreign_keys = ON;"
                          " PRAGMA mmap_size = 268435456;")) {
    return IsDamage(connection.Error().code) ? FileState::Damaged : FileState::Failed;
  }
  if (version == kHistorySchemaVersion) return FileState::Ready;
  // The other copy may be bringing the same file forward: the version is read again under the lock.
  if (!connection.Execute("BEGIN IMMEDIATE")) return FileState::Failed;
  const bool migrated = connection.QueryInteger("PRAGMA user_version", version) &&
                        (version >= kHistorySchemaVersion || MigrateHistory(connection, version)) &&
                        connection.Execute("COMMIT");
  if (!migrated) {
    const SqliteError error = connection.Error();
    connection.Execute("ROLLBACK");
    connection.KeepError(error);
    return FileState::Failed;
  }
  CompactIfMostlyFree(connection);
  return FileState::Ready;
}

// Two copies opening a new file at once: while one switches it to WAL or lays out its tables, the
// other is told at once that the file is busy, without its busy timeout being asked. It tries again.
FileState PrepareWaiting(SqliteConnection& connection, const fs::path& path) {
  for (int attempt = 1;; ++attempt) {
    const FileState state = Prepare(connection, path);
    if (state != FileState::Failed || !IsBusy(connection.Error().code) || attempt == kOpenAttempts) return state;
    std::this_thread::sleep_for(kOpenRetry);
  }
}

struct Salvaged {
  int saved = 0;
  int lost = 0;
  // The list of matches itself was damaged: more may have been lost than were counted.
  bool more = false;
};

// A file cut short ends in a page partly read as zeros, whose rows can vanish without a word from
// SQLite. A copy with that page wholly zeros is read instead: SQLite reports such a page as damage,
// and the matches on it are counted as lost. Empty when the file is not cut short.
class WholePages {
 public:
  WholePages(const fs::path& kept, SqliteConnection& look) {
    std::int64_t pageSize = 0;
    std::error_code error;
    if (!CutShort(kept, look) || !look.QueryInteger("PRAGMA page_size", pageSize)) return;
    path_ = kept.string() + ".whole";
    const bool copied = fs::copy_file(kept, path_, fs::copy_options::overwrite_existing, error);
    const auto page = static_cast<std::uintmax_t>(pageSize);
    const std::uintmax_t whole = fs::file_size(path_, error) / page * page;
    fs::resize_file(path_, whole, error);
    fs::resize_file(path_, whole + page, error);
    if (fs::exists(kept.string() + "-wal", error)) {
      fs::copy_file(kept.string() + "-wal", path_.string() + "-wal", fs::copy_options::overwrite_existing, error);
    }
    if (!copied) Remove();
  }
  ~WholePages() { Remove(); }
  WholePages(const WholePages&) = delete;
  WholePages& operator=(const WholePages&) = delete;
  const fs::path& Path() const { return path_; }

 private:
  void Remove() {
    std::error_code error;
    for (const char* end : {"", "-wal", "-shm"}) fs::remove(path_.string() + end, error);
    path_.clear();
  }
  fs::path path_;
};

// Copies every match of the file kept aside that still reads whole into the new one, in one
// transaction: first in one pass, then, past the damage, match by match.
Salvaged Salvage(const fs::path& kept, const std::string& query, SqliteConnection& into) {
  Salvaged salvaged;
  SqliteConnection from;
  std::optional<WholePages> whole;
  if (OpenToLook(from, kept, query)) {
    whole.emplace(kept, from);
    if (!whole->Path().empty()) from.Close();
  }
  if (!from.IsOpen() && (!whole || whole->Path().empty() || !OpenToLook(from, whole->Path(), query))) {
    salvaged.more = true;
    return salvaged;
  }
  // A file of an older version is read as the current layout shows it.
  std::int64_t version = kHistorySchemaVersion;
  from.QueryInteger("PRAGMA user_version", version);
  if (version < kHistorySchemaVersion) ShowInCurrentLayout(from);
  // The ids from the table, and from the index by end time: damage in one often spares the other.
  std::set<std::int64_t> ids;
  {
    SqliteStatement table(from, "SELECT id FROM matches ORDER BY id");
    while (table.Step()) ids.insert(table.Integer(0));
    salvaged.more = table.Failed();
    SqliteStatement byEnd(from, "SELECT id FROM matches INDEXED BY matches_by_end");
    while (byEnd.Step()) ids.insert(byEnd.Integer(0));
  }
  if (!into.Execute("BEGIN IMMEDIATE")) {
    salvaged.lost = static_cast<int>(ids.size());
    return salvaged;
  }
  // A damaged file may give rows the new one refuses (a month twice, say): such a match is left out
  // whole, never carried in part.
  auto carry = [&into, &salvaged](HistoryMatch& match) {
    into.Execute("SAVEPOINT carry");
    if (InsertMatch(into, match)) {
      ++salvaged.saved;
    } else {
      into.Execute("ROLLBACK TO carry");
    }
    into.Execute("RELEASE carry");
  };
  std::int64_t readTo = 0;
  {
    HistoryReader all(from, HistoryDetail::Everything);
    for (HistoryMatch match; all.Next(match); readTo = match.id) carry(match);
    if (!all.Failed()) readTo = ids.empty() ? 0 : *ids.rbegin();
  }
  for (auto id = ids.upper_bound(readTo); id != ids.end(); ++id) {
    HistoryReader one(from, HistoryDetail::Everything, *id);
    HistoryMatch match;
    if (one.Next(match)) carry(match);
  }
  if (!into.Execute("COMMIT")) {
    into.Execute("ROLLBACK");
    salvaged.saved = 0;
  }
  salvaged.lost = std::max(0, static_cast<int>(ids.size()) - salvaged.saved);
  if (salvaged.more) salvaged.lost = std::max(salvaged.lost, 1);
  return salvaged;
}

std::string MovedNotice(FileState state, const fs::path& moved, const Salvaged& salvaged) {
  const std::string name = moved.filename().string();
  if (state == FileState::Foreign) {
    return Fill(Tr("history.db はこのゲームの成績の記録ではありません。%1 という名前に変えて残し、新しい記録を始めます。"),
                {name});
  }
  std::string notice = state == FileState::StrayLog
                           ? Tr("成績の記録 history.db のそばに、ほかのデータベースの記録（history.db-wal）がありました。")
                           : Tr("成績の記録 history.db が壊れています。");
  notice += Fill(Tr("ファイルをそのまま %1 という名前に変えて残し、新しい記録を始めます。"), {name});
  if (salvaged.saved > 0) notice += Fill(Tr("読めた %1局は新しい記録に移しました。"), {std::to_string(salvaged.saved)});
  if (salvaged.lost > 0) {
    notice += Fill(salvaged.more ? Tr("読めなかった対戦が %1局以上あります。") : Tr("読めなかった対戦が %1局あります。"),
                   {std::to_string(salvaged.lost)});
  }
  return notice;
}

const char* MovedTag(FileState state) { return state == FileState::Foreign ? "foreign" : "damaged"; }

}  // namespace

fs::path HistoryPathBeside(const fs::path& statusPath) { return statusPath.parent_path() / "history.db"; }

namespace {

// The open started ahead, if there is one: what it opens, and what it found once it has ended.
// The path is set before the thread starts and not changed after, so it is read without the lock.
struct Ahead {
  std::mutex guard;
  fs::path path;
  std::thread thread;
  std::atomic<bool> ended = true;
  HistoryOpened opened;
};

Ahead& TheAhead() {
  static Ahead ahead;
  return ahead;
}

fs::path Absolute(const fs::path& path) {
  std::error_code error;
  const fs::path absolute = fs::absolute(path, error);
  return error ? path : absolute.lexically_normal();
}

// What the open started ahead of `path` found, once: waits for it if it is still under way.
std::optional<HistoryOpened> TakeAhead(const fs::path& path) {
  Ahead& started = TheAhead();
  const std::lock_guard lock(started.guard);
  if (!started.thread.joinable() || started.path != Absolute(path)) return std::nullopt;
  started.thread.join();
  return std::move(started.opened);
}

}  // namespace

HistoryOpenedAhead::HistoryOpenedAhead(const fs::path& path) {
  Ahead& started = TheAhead();
  const std::lock_guard lock(started.guard);
  started.path = Absolute(path);
  started.ended = false;
  started.thread = std::thread([&started] {
    started.opened = HistoryDatabase::OpenHere(started.path);
    started.ended = true;
  });
}

HistoryOpenedAhead::~HistoryOpenedAhead() {
  Ahead& started = TheAhead();
  const std::lock_guard lock(started.guard);
  if (started.thread.joinable()) started.thread.join();
  started.opened = {};
}

bool HistoryOpenedAhead::StillOpening(const fs::path& path) {
  const Ahead& started = TheAhead();
  return !started.ended && started.path == Absolute(path);
}

HistoryOpened HistoryDatabase::Open(const fs::path& path) {
  if (std::optional<HistoryOpened> found = TakeAhead(path)) return std::move(*found);
  return OpenHere(path);
}

HistoryOpened HistoryDatabase::OpenHere(const fs::path& path) {
  HistoryOpened opened;
  std::unique_ptr<HistoryDatabase> database(new HistoryDatabase(path));
  opened.notice = database->Attach();
  opened.replaced = database->replaced_;
  if (database->connection_.IsOpen()) opened.database = std::move(database);
  return opened;
}

std::string HistoryDatabase::Attach() {
  connection_.Close();
  readOnly_ = false;
  if (const auto problem = PathProblem(path_)) return Tr(kCannotOpen) + *problem;
  for (int attempt = 1;; ++attempt) {
    const bool again = attempt < kOpenAttempts;
    const Judgement judged = Judge(path_);
    if (judged.state == FileState::Failed && IsBusy(judged.error.code) && again) {
      std::this_thread::sleep_for(kOpenRetry);
      continue;
    }
    if (judged.state == FileState::Failed) return Tr(kCannotOpen) + Reason(judged.error);
    if (judged.state == FileState::Newer || judged.state == FileState::Ready || judged.state == FileState::Absent) {
      // A folder known to refuse writing is not tried: the file is shown as it is, as below.
      const bool mayWrite = judged.state != FileState::Ready || MayWrite(path_);
      const FileState state = judged.state == FileState::Newer ? FileState::Newer
                              : mayWrite                      ? Prepare(connection_, path_)
                                                              : FileState::Failed;
      if (state == FileState::Ready) {
        identity_ = IdentityOf(path_);
        return {};
      }
      if (state == FileState::Failed && IsBusy(connection_.Error().code) && again) {
        std::this_thread::sleep_for(kOpenRetry);
        continue;
      }
      // A later version's file, or one in a folder that cannot be written, is shown as it is.
      const bool newer = state == FileState::Newer;
      if (newer || !mayWrite || (judged.state == FileState::Ready && CannotWrite(connection_.Error().code))) {
        if (OpenToLook(connection_, path_, judged.query) && !newer && judged.version < kHistorySchemaVersion) {
          ShowInCurrentLayout(connection_);
        }
        readOnly_ = true;
        readOnlyNotice_ = newer ? kNewerNotice : kReadOnlyNotice;
        identity_ = IdentityOf(path_);
        return Tr(readOnlyNotice_);
      }
      if (state == FileState::Failed) {
        const std::string reason = Tr(kCannotOpen) + Reason(connection_.Error());
        connection_.Close();
        return reason;
      }
      connection_.Close();
      // Found damaged or foreign on the way in: judged again below, as such.
      return Replace(state);
    }
    return Replace(judged.state);
  }
}

std::string HistoryDatabase::Replace(HistoryFileState state) {
  connection_.Close();
  const auto moved = MoveAside(path_, MovedTag(state));
  replaced_ = moved.has_value();
  if (!moved) return Tr("成績の記録 history.db が読めず、名前を変えて残すこともできません。対戦は記録されません。");
  const FileState started = PrepareWaiting(connection_, path_);
  identity_ = IdentityOf(path_);
  Salvaged salvaged;
  if (started == FileState::Ready && state != FileState::Foreign) {
    // A stray log is left out: the file alone holds our matches.
    salvaged = Salvage(*moved, state == FileState::StrayLog ? "immutable=1" : "mode=ro", connection_);
  }
  lost_ += salvaged.lost;
  std::string notice = MovedNotice(state, *moved, salvaged);
  if (started != FileState::Ready) {
    notice += "\n" + Tr(kCannotOpen) + Reason(connection_.Error());
    connection_.Close();
  }
  return notice;
}

bool HistoryDatabase::Recover() {
  notice_ += (notice_.empty() ? "" : "\n") + Replace(FileState::Damaged);
  return connection_.IsOpen();
}

void HistoryDatabase::FollowName() {
  if (IdentityOf(path_) == identity_ && connection_.IsOpen()) {
    if (!readOnly_ && CutShort(path_, connection_)) Recover();
    return;
  }
  const std::string notice = Attach();
  if (!notice.empty()) notice_ += (notice_.empty() ? "" : "\n") + notice;
}

std::optional<std::string> HistoryDatabase::Store(HistoryMatch& match) {
  if (readOnly_) return Tr(readOnlyNotice_);
  FollowName();
  for (int attempt = 0; connection_.IsOpen() && !readOnly_; ++attempt) {
    if (Write(match)) return std::nullopt;
    if (!IsDamage(connection_.Error().code) || attempt > 0) break;
    // The match goes into the file started in place of the damaged one.
    if (!Recover()) break;
  }
  if (!connection_.IsOpen()) return notice_.empty() ? Tr(kCannotOpen) : TakeNotice();
  return readOnly_ ? Tr(readOnlyNotice_) : Reason(connection_.Error());
}

bool HistoryDatabase::Write(HistoryMatch& match) {
  SqliteConnection& c = connection_;
  // IMMEDIATE takes the write lock at once, so a busy file is waited for before anything is written.
  if (!c.Execute("BEGIN IMMEDIATE")) return false;
  if (InsertMatch(c, match) && c.Execute("COMMIT")) return true;
  // The first error is the one to tell: the ROLLBACK would leave SQLite's message at "not an error".
  const SqliteError error = c.Error();
  c.Execute("ROLLBACK");
  c.KeepError(error);
  return false;
}

std::vector<HistoryMatch> HistoryDatabase::Load(HistoryDetail detail, int* skipped) {
  return ReadRecovering(detail, std::nullopt, skipped);
}

std::optional<HistoryMatch> HistoryDatabase::LoadMatch(std::int64_t id) {
  std::vector<HistoryMatch> matches = ReadRecovering(HistoryDetail::Everything, id, nullptr);
  if (matches.empty()) return std::nullopt;
  return std::move(matches.front());
}

std::vector<HistoryMatch> HistoryDatabase::ReadRecovering(HistoryDetail detail, std::optional<std::int64_t> only,
                                                          int* skipped) {
  FollowName();
  std::vector<HistoryMatch> matches;
  int bad = 0;
  if (connection_.IsOpen() && !Read(detail, only, matches, bad) && IsDamage(connection_.Error().code) && !readOnly_) {
    // The salvaged matches are read again from the new file, which may have renumbered them.
    matches.clear();
    bad = 0;
    if (Recover() && !only) Read(detail, only, matches, bad);
  }
  if (skipped) *skipped = bad + std::exchange(lost_, 0);
  return matches;
}

bool HistoryDatabase::ForEach(HistoryDetail detail, const std::function<bool(HistoryMatch&)>& take) {
  FollowName();
  if (!connection_.IsOpen()) return false;
  SqliteConnection& c = connection_;
  // A pass over every page would map the whole file into the process; read through SQLite's small
  // page cache instead, memory stays flat however long the history.
  c.Execute("PRAGMA mmap_size = 0");
  c.Execute("BEGIN");
  bool read = true;
  {
    HistoryReader reader(c, detail);
    for (HistoryMatch match; reader.Next(match);) {
      if (!take(match)) break;
    }
    read = !reader.Failed();
  }
  const SqliteError error = c.Error();
  c.Execute("COMMIT");
  if (read) return true;
  c.KeepError(error);
  if (IsDamage(error.code) && !readOnly_) Recover();
  return false;
}

bool HistoryDatabase::Read(HistoryDetail detail, std::optional<std::int64_t> only, std::vector<HistoryMatch>& matches,
                           int& skipped) {
  SqliteConnection& c = connection_;
  // One read transaction, so a match the other copy stores meanwhile is seen whole or not at all.
  c.Execute("BEGIN");
  bool read = true;
  {
    HistoryReader reader(c, detail, only);
    for (HistoryMatch match; reader.Next(match);) matches.push_back(std::move(match));
    read = !reader.Failed();
    skipped = reader.Skipped();
  }
  const SqliteError error = c.Error();
  c.Execute("COMMIT");
  if (!read) c.KeepError(error);
  return read;
}

}  // namespace pg
