// history.db: every match stored in SQLite, safe against crashes, a second copy and a damaged file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "records/history_file.h"
#include "records/history_match.h"
#include "records/player_text.h"
#include "records/history_reader.h"
#include "records/sqlite_statement.h"

namespace pg {

class HistoryDatabase;
// What judging the file found; kept to the source that judges it.
enum class HistoryFileState;

struct HistoryOpened {
  // Null when no database could be opened or created at all.
  std::unique_ptr<HistoryDatabase> database;
  // What the player must be told (in Japanese): a file moved aside, a later version's file,
  // or why nothing can be stored. Empty when all went well.
  std::string notice;
  // The file found was moved aside and a new one started: ids seen before no longer hold.
  bool replaced = false;
};

// The file the history lives in, beside STATUS.DAT.
std::filesystem::path HistoryPathBeside(const std::filesystem::path& statusPath);

class HistoryDatabase {
 public:
  // Opens the file, or starts it when there is none. The file is judged on a connection that
  // cannot write, thoroughly the first time a run opens it. A file that is not a database, is
  // damaged, is another program's or carries a log that is not its own is moved aside with its
  // log and a time stamp, and a new one is started with the matches that still read; a file from a
  // later schema, or in a folder that cannot be written, is opened read-only; an older one is
  // brought forward.
  static HistoryOpened Open(const std::filesystem::path& path);
  // Open as it stood before HistoryOpenedAhead: on the caller's thread, whatever runs meanwhile.
  static HistoryOpened OpenHere(const std::filesystem::path& path);

  bool ReadOnly() const { return readOnly_; }
  const std::filesystem::path& Path() const { return path_; }

  // Stores the match whole in one transaction and gives it its id. On failure nothing of it is
  // stored and the reason is returned, in Japanese, to follow kNotStored. Damage found on the way
  // moves the file aside and the match goes into the new file (see TakeNotice).
  std::optional<std::string> Store(HistoryMatch& match);

  // Every stored match, oldest first. Rows that cannot be read (an unknown result, say) are left
  // out and counted in `skipped`, and so are matches lost to damage found while reading.
  std::vector<HistoryMatch> Load(HistoryDetail detail, int* skipped = nullptr);
  // Hands every match to `take`, oldest first, one at a time, so that memory holds one match
  // however long the history; `take` returns false to stop. False when SQLite failed partway; on
  // damage the file has been kept aside (see TakeNotice).
  bool ForEach(HistoryDetail detail, const std::function<bool(HistoryMatch&)>& take);
  // One match whole, deals and moves included: what a replay shows. Nothing when there is no such
  // match or its row cannot be read.
  std::optional<HistoryMatch> LoadMatch(std::int64_t id);

  // What the player must be told of damage found since the file was opened (the file moved aside,
  // a new one started); empty when there was none. Told once.
  std::string TakeNotice() { return std::exchange(notice_, {}); }
  // For the readers that count in SQL rather than read the matches (records/history_statistics.h).
  SqliteConnection& Connection() { return connection_; }
  // Matches of a damaged file that could not be carried into the new one, counted once.
  int TakeLost() { return std::exchange(lost_, 0); }

 private:
  explicit HistoryDatabase(std::filesystem::path path) : path_(std::move(path)) {}
  // Judges the file and opens it, or what takes its place; gives what the player must be told.
  std::string Attach();
  // Moves the file aside with its log (as `state` found it), starts a new one and carries into it
  // the matches that still read; gives what the player must be told.
  std::string Replace(HistoryFileState state);
  // Moves the damaged file aside and starts a new one with what still reads, after a statement
  // found damage; false when no file could take its place.
  bool Recover();
  // The name may stand for a new file since it was opened: another copy found damage and moved the
  // old one aside. Never write into a file that was kept aside.
  void FollowName();
  bool Write(HistoryMatch& match);
  // Every match, or only match `only`; false when SQLite failed partway.
  bool Read(HistoryDetail detail, std::optional<std::int64_t> only, std::vector<HistoryMatch>& matches, int& skipped);
  std::vector<HistoryMatch> ReadRecovering(HistoryDetail detail, std::optional<std::int64_t> only, int* skipped);

  std::filesystem::path path_;
  std::optional<FileIdentity> identity_;
  bool readOnly_ = false;
  // Why the file is only read: a later version's, or a folder that cannot be written.
  const char* readOnlyNotice_ = "";
  SqliteConnection connection_;
  std::string notice_;
  bool replaced_ = false;
  // Matches of a damaged file that could not be carried into the new one, reported with the next read.
  int lost_ = 0;
};

// history.db opened on a thread of its own while the game starts: the first open of a run reads the
// whole file (and may salvage a damaged one), seconds for a long history, which would otherwise hold
// the window at the first deal. The next HistoryDatabase::Open of the same file, from any thread,
// waits for this one and takes what it found, notice and all. Lives while the game runs.
class HistoryOpenedAhead {
 public:
  explicit HistoryOpenedAhead(const std::filesystem::path& path);
  // Waits for the open to end; a result no one took is closed.
  ~HistoryOpenedAhead();
  HistoryOpenedAhead(const HistoryOpenedAhead&) = delete;
  HistoryOpenedAhead& operator=(const HistoryOpenedAhead&) = delete;

  // True while an open started ahead of `path` has not ended: opening it now would wait.
  static bool StillOpening(const std::filesystem::path& path);
};

// The message a failed store opens with.
inline constexpr const char* kNotStored = PG_TEXT("この対戦を記録できませんでした。");

}  // namespace pg
