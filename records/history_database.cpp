// history.db: opening it safely, storing a match in one transaction, and reading matches back.
#include "records/history_database.h"

#include <sqlite3.h>

#include <chrono>
#include <ctime>
#include <sstream>
#include <thread>

#include "records/history_schema.h"

namespace pg {

namespace fs = std::filesystem;

namespace {

// Long enough for the other copy to store a whole match, short enough not to hang the table.
constexpr int kBusyTimeoutMs = 3000;
// Opening waits this long at most for another copy that is setting up the same file.
constexpr int kOpenAttempts = 30;
constexpr auto kOpenRetry = std::chrono::milliseconds(100);

enum class FileState { Ready, Newer, Damaged, Foreign, Failed };

std::string Joined(const std::vector<StoredCard>& cards) {
  std::string text;
  for (const StoredCard& card : cards) {
    if (!text.empty()) text += ' ';
    text += card;
  }
  return text;
}

std::vector<StoredCard> Split(const std::string& text) {
  std::vector<StoredCard> cards;
  std::istringstream in(text);
  for (StoredCard card; in >> card;) cards.push_back(card);
  return cards;
}

bool CallFromKeys(const std::string& kind, const std::string& outcome, HistoryCall& call) {
  if (kind != "koikoi" && kind != "shoubu") return false;
  call.kind = kind == "koikoi" ? CallKind::KoiKoi : CallKind::Shoubu;
  for (CallOutcome o : {CallOutcome::Won, CallOutcome::Lost, CallOutcome::NoWin}) {
    if (outcome == CallOutcomeKey(o)) {
      call.outcome = o;
      return true;
    }
  }
  return false;
}

std::string LocalStamp() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

// Renames the file, and the write-ahead log and index SQLite keeps beside it, out of the way under
// one new name; gives that name, or nothing when the file could not be moved.
std::optional<fs::path> MoveAside(const fs::path& path, const std::string& tag) {
  const std::string base = path.string() + "." + tag + "-" + LocalStamp();
  fs::path target = base;
  for (int n = 2; fs::exists(target); ++n) target = base + "-" + std::to_string(n);
  std::error_code error;
  fs::rename(path, target, error);
  if (error) return std::nullopt;
  for (const char* suffix : {"-wal", "-shm"}) {
    const fs::path companion = path.string() + suffix;
    if (fs::exists(companion, error)) fs::rename(companion, target.string() + suffix, error);
  }
  return target;
}

std::string Reason(const SqliteError& error) {
  switch (error.code & 0xff) {
    case SQLITE_FULL:
      return "ディスクに空きがありません。";
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
      return "history.db かそのフォルダーに書き込めません。";
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return "ほかの Petalgame 32 が記録を書き込んでいます。";
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      return "history.db が壊れています。";
    case SQLITE_IOERR:
      if (error.code == SQLITE_IOERR_WRITE || error.code == SQLITE_IOERR_FSYNC) {
        return "history.db に書き込めません（ディスクがいっぱいかもしれません）。";
      }
      [[fallthrough]];
    default:
      return "history.db を使えません（" + error.text + "）。";
  }
}

bool IsDamage(int code) { return (code & 0xff) == SQLITE_CORRUPT || (code & 0xff) == SQLITE_NOTADB; }

FileState Prepare(SqliteConnection& connection, const fs::path& path) {
  // One connection is used by one thread, so SQLite's own locking of each call is only a cost.
  if (!connection.Open(path.string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX)) {
    return FileState::Failed;
  }
  sqlite3_extended_result_codes(connection.Handle(), 1);
  sqlite3_busy_timeout(connection.Handle(), kBusyTimeoutMs);
  std::int64_t applicationId = 0;
  std::int64_t version = 0;
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
    connection.NoteError(error.code);
    return IsDamage(error.code) ? FileState::Damaged : FileState::Failed;
  }
  const bool empty = objects == 0 && version == 0 && applicationId == 0;
  if (!empty && applicationId != kHistoryApplicationId) return FileState::Foreign;
  if (version > kHistorySchemaVersion) return FileState::Newer;
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
    connection.NoteError(error.code);
    return FileState::Failed;
  }
  return FileState::Ready;
}

bool IsBusy(int code) { return (code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED; }

// Two copies opening a new file at once: while one switches it to WAL or lays out its tables, the
// other is told at once that the file is busy, without its busy timeout being asked. It tries again.
FileState PrepareWaiting(SqliteConnection& connection, const fs::path& path) {
  for (int attempt = 1;; ++attempt) {
    const FileState state = Prepare(connection, path);
    if (state != FileState::Failed || !IsBusy(connection.Error().code) || attempt == kOpenAttempts) return state;
    std::this_thread::sleep_for(kOpenRetry);
  }
}

std::string MovedNotice(FileState state, const fs::path& moved) {
  const std::string name = moved.filename().string();
  if (state == FileState::Foreign) {
    return "history.db はこのゲームの成績の記録ではありません。" + name +
           " という名前に変えて残し、新しい記録を始めます。";
  }
  return "成績の記録 history.db が壊れていて読めません。" + name + " という名前に変えて残し、新しい記録を始めます。";
}

constexpr const char* kNewerNotice =
    "成績の記録 history.db は、この版より新しい Petalgame 32 で作られています。"
    "成績は見られますが、この版では対戦を記録しません。";

}  // namespace

fs::path HistoryPathBeside(const fs::path& statusPath) { return statusPath.parent_path() / "history.db"; }

HistoryOpened HistoryDatabase::Open(const fs::path& path) {
  HistoryOpened opened;
  // The second round opens the new file started in place of one moved aside.
  for (int round = 0; round < 2; ++round) {
    std::unique_ptr<HistoryDatabase> database(new HistoryDatabase(path, false));
    const FileState state = PrepareWaiting(database->connection_, path);
    if (state == FileState::Ready) {
      opened.database = std::move(database);
      return opened;
    }
    if (state == FileState::Newer) {
      database->connection_.Open(path.string(), SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX);
      sqlite3_busy_timeout(database->connection_.Handle(), kBusyTimeoutMs);
      database->readOnly_ = true;
      opened.database = std::move(database);
      opened.notice = kNewerNotice;
      return opened;
    }
    if (state == FileState::Failed) {
      opened.notice = std::string("成績の記録 history.db を開けません。") + Reason(database->connection_.Error());
      return opened;
    }
    database.reset();
    const auto moved = MoveAside(path, state == FileState::Foreign ? "foreign" : "damaged");
    if (!moved) {
      opened.notice = "成績の記録 history.db が読めず、名前を変えて残すこともできません。対戦は記録されません。";
      return opened;
    }
    opened.notice = MovedNotice(state, *moved);
  }
  return opened;
}

std::optional<std::string> HistoryDatabase::Store(HistoryMatch& match) {
  if (readOnly_) return std::string(kNewerNotice);
  if (Write(match)) return std::nullopt;
  return Reason(connection_.Error());
}

bool HistoryDatabase::Write(HistoryMatch& match) {
  SqliteConnection& c = connection_;
  // IMMEDIATE takes the write lock at once, so a busy file is waited for before anything is written.
  if (!c.Execute("BEGIN IMMEDIATE")) return false;
  auto fail = [&c] {
    const SqliteError error = c.Error();
    c.Execute("ROLLBACK");
    c.NoteError(error.code);
    return false;
  };
  SqliteStatement insertMatch(
      c,
      "INSERT INTO matches(started_at, ended_at, level, hanami_rule, tsukimi_rule, oya_rule,"
      " kiku_rule, hanami_points, tsukimi_points, player_score, computer_score, result, assisted)"
      " VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?)");
  SqliteStatement insertMonth(c, "INSERT INTO months(match_id, month, dealer, winner, payment) VALUES(?,?,?,?,?)");
  SqliteStatement insertDeal(c,
                             "INSERT INTO deals(match_id, month, table_cards, player_hand, computer_hand, stock)"
                             " VALUES(?,?,?,?,?,?)");
  SqliteStatement insertMove(c,
                             "INSERT INTO moves(match_id, month, seq, side, from_stock, card, chosen, taken)"
                             " VALUES(?,?,?,?,?,?,?,?)");
  SqliteStatement insertYaku(c, "INSERT INTO yaku(match_id, month, seq, side, name, points) VALUES(?,?,?,?,?,?)");
  SqliteStatement insertCall(c,
                             "INSERT INTO calls(match_id, month, seq, side, kind, points_held, doubled, outcome)"
                             " VALUES(?,?,?,?,?,?,?,?)");
  if (insertMatch.Failed() || insertMonth.Failed() || insertDeal.Failed() || insertMove.Failed() ||
      insertYaku.Failed() || insertCall.Failed()) {
    return fail();
  }
  const RuleSettings& r = match.rules;
  insertMatch.Bind(1, match.startedAt);
  insertMatch.Bind(2, match.endedAt);
  insertMatch.Bind(3, match.level);
  int column = 4;
  for (std::int16_t value : {r.HanamiRule, r.TsukimiRule, r.OyaRule, r.KikuRule, r.HanamiPoints, r.TsukimiPoints}) {
    insertMatch.Bind(column++, value);
  }
  insertMatch.Bind(10, match.scores[0]);
  insertMatch.Bind(11, match.scores[1]);
  insertMatch.Bind(12, std::string(ResultKey(match.result)));
  insertMatch.Bind(13, std::int64_t{match.assisted ? 1 : 0});
  if (!insertMatch.Run()) return fail();
  const std::int64_t id = sqlite3_last_insert_rowid(c.Handle());

  for (const HistoryMonth& m : match.months) {
    insertMonth.Bind(1, id);
    insertMonth.Bind(2, m.month);
    insertMonth.Bind(3, m.dealer);
    insertMonth.Bind(4, m.winner);
    insertMonth.Bind(5, m.payment);
    if (!insertMonth.Run()) return fail();
    insertDeal.Bind(1, id);
    insertDeal.Bind(2, m.month);
    insertDeal.Bind(3, Joined(m.table));
    insertDeal.Bind(4, Joined(m.hands[0]));
    insertDeal.Bind(5, Joined(m.hands[1]));
    insertDeal.Bind(6, Joined(m.stock));
    if (!insertDeal.Run()) return fail();
    for (std::size_t i = 0; i < m.moves.size(); ++i) {
      const HistoryMove& move = m.moves[i];
      insertMove.Bind(1, id);
      insertMove.Bind(2, m.month);
      insertMove.Bind(3, static_cast<std::int64_t>(i));
      insertMove.Bind(4, move.side);
      insertMove.Bind(5, move.fromStock ? 1 : 0);
      insertMove.Bind(6, move.card);
      insertMove.Bind(7, move.chosen);
      insertMove.Bind(8, Joined(move.taken));
      if (!insertMove.Run()) return fail();
    }
    for (std::size_t i = 0; i < m.yaku.size(); ++i) {
      insertYaku.Bind(1, id);
      insertYaku.Bind(2, m.month);
      insertYaku.Bind(3, static_cast<std::int64_t>(i));
      insertYaku.Bind(4, m.yaku[i].side);
      insertYaku.Bind(5, m.yaku[i].name);
      insertYaku.Bind(6, m.yaku[i].points);
      if (!insertYaku.Run()) return fail();
    }
    for (std::size_t i = 0; i < m.calls.size(); ++i) {
      const HistoryCall& call = m.calls[i];
      insertCall.Bind(1, id);
      insertCall.Bind(2, m.month);
      insertCall.Bind(3, static_cast<std::int64_t>(i));
      insertCall.Bind(4, call.side);
      insertCall.Bind(5, std::string(CallKindKey(call.kind)));
      insertCall.Bind(6, call.pointsHeld);
      insertCall.Bind(7, call.doubled ? 1 : 0);
      insertCall.Bind(8, std::string(CallOutcomeKey(call.outcome)));
      if (!insertCall.Run()) return fail();
    }
  }
  if (!c.Execute("COMMIT")) return fail();
  match.id = id;
  return true;
}

std::vector<HistoryMatch> HistoryDatabase::Load(HistoryDetail detail, int* skipped) {
  return Read(detail, skipped, std::nullopt);
}

std::optional<HistoryMatch> HistoryDatabase::LoadMatch(std::int64_t id) {
  std::vector<HistoryMatch> matches = Read(HistoryDetail::Everything, nullptr, id);
  if (matches.empty()) return std::nullopt;
  return std::move(matches.front());
}

std::vector<HistoryMatch> HistoryDatabase::Read(HistoryDetail detail, int* skipped, std::optional<std::int64_t> only) {
  // An id is a number, written into the text as one.
  const std::string matchWhere = only ? " WHERE id = " + std::to_string(*only) : std::string();
  const std::string childWhere = only ? " WHERE match_id = " + std::to_string(*only) : std::string();
  std::vector<HistoryMatch> matches;
  int bad = 0;
  SqliteConnection& c = connection_;
  // One read transaction, so a match the other copy stores meanwhile is seen whole or not at all.
  c.Execute("BEGIN");
  SqliteStatement query(c,
                        "SELECT id, started_at, ended_at, level, hanami_rule, tsukimi_rule, oya_rule, kiku_rule,"
                        " hanami_points, tsukimi_points, player_score, computer_score, result, assisted FROM matches" +
                            matchWhere + " ORDER BY id");
  while (query.Step()) {
    HistoryMatch m;
    m.id = query.Integer(0);
    m.startedAt = query.Text(1);
    m.endedAt = query.Text(2);
    m.level = query.Text(3);
    RuleSettings& r = m.rules;
    std::int16_t* rules[] = {&r.HanamiRule, &r.TsukimiRule, &r.OyaRule, &r.KikuRule, &r.HanamiPoints, &r.TsukimiPoints};
    for (int i = 0; i < 6; ++i) *rules[i] = static_cast<std::int16_t>(query.Integer(4 + i));
    m.scores = {static_cast<int>(query.Integer(10)), static_cast<int>(query.Integer(11))};
    m.assisted = query.Integer(13) != 0;
    if (!ResultFromKey(query.Text(12), m.result)) {
      ++bad;
      continue;
    }
    matches.push_back(std::move(m));
  }
  const bool cards = detail == HistoryDetail::Everything;
  if (detail != HistoryDetail::Matches) {
    // Every child table is read in the order of its key, as the matches are: a cursor that only
    // moves forward finds each row's match without a lookup.
    auto monthOf = [&](std::size_t& at, std::int64_t matchId, std::int64_t month) -> HistoryMonth* {
      while (at < matches.size() && matches[at].id < matchId) ++at;
      if (at == matches.size() || matches[at].id != matchId) return nullptr;
      for (HistoryMonth& m : matches[at].months) {
        if (m.month == month) return &m;
      }
      return nullptr;
    };
    SqliteStatement months(
        c, "SELECT match_id, month, dealer, winner, payment FROM months" + childWhere + " ORDER BY match_id, month");
    std::size_t at = 0;
    while (months.Step()) {
      const std::int64_t matchId = months.Integer(0);
      while (at < matches.size() && matches[at].id < matchId) ++at;
      if (at == matches.size() || matches[at].id != matchId) continue;
      if (matches[at].months.empty()) matches[at].months.reserve(12);
      HistoryMonth m;
      m.month = static_cast<int>(months.Integer(1));
      m.dealer = static_cast<int>(months.Integer(2));
      m.winner = static_cast<int>(months.Integer(3));
      m.payment = static_cast<int>(months.Integer(4));
      matches[at].months.push_back(std::move(m));
    }
    SqliteStatement deals(c, "SELECT match_id, month, table_cards, player_hand, computer_hand, stock FROM deals" +
                                 childWhere + " ORDER BY match_id, month");
    at = 0;
    while (cards && deals.Step()) {
      HistoryMonth* month = monthOf(at, deals.Integer(0), deals.Integer(1));
      if (!month) continue;
      month->table = Split(deals.Text(2));
      month->hands = {Split(deals.Text(3)), Split(deals.Text(4))};
      month->stock = Split(deals.Text(5));
    }
    SqliteStatement moves(c, "SELECT match_id, month, side, from_stock, card, chosen, taken FROM moves" + childWhere +
                                 " ORDER BY match_id, month, seq");
    at = 0;
    while (cards && moves.Step()) {
      HistoryMonth* month = monthOf(at, moves.Integer(0), moves.Integer(1));
      if (!month) continue;
      month->moves.push_back({static_cast<int>(moves.Integer(2)), moves.Integer(3) != 0, moves.Text(4), moves.Text(5),
                              Split(moves.Text(6))});
    }
    SqliteStatement yaku(
        c, "SELECT match_id, month, side, name, points FROM yaku" + childWhere + " ORDER BY match_id, month, seq");
    at = 0;
    while (yaku.Step()) {
      HistoryMonth* month = monthOf(at, yaku.Integer(0), yaku.Integer(1));
      if (month)
        month->yaku.push_back({static_cast<int>(yaku.Integer(2)), yaku.Text(3), static_cast<int>(yaku.Integer(4))});
    }
    SqliteStatement calls(c, "SELECT match_id, month, side, kind, points_held, doubled, outcome FROM calls" +
                                 childWhere + " ORDER BY match_id, month, seq");
    at = 0;
    while (calls.Step()) {
      HistoryMonth* month = monthOf(at, calls.Integer(0), calls.Integer(1));
      HistoryCall call;
      call.side = static_cast<int>(calls.Integer(2));
      call.pointsHeld = static_cast<int>(calls.Integer(4));
      call.doubled = calls.Integer(5) != 0;
      if (!month || !CallFromKeys(calls.Text(3), calls.Text(6), call)) continue;
      month->calls.push_back(call);
    }
  }
  c.Execute("COMMIT");
  if (skipped) *skipped = bad;
  return matches;
}

}  // namespace pg
