// STATUS.DAT on disk: reading its records, saving them without torn writes, and the lock between copies.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "records/status_records.h"

namespace pg {

// Why a save or the lock failed: the errno of the call that failed, and a short reason for the player.
struct StatusFileError {
  int errorNumber = 0;
  std::string reason;
};

// The error of a failed call with errno `errorNumber`, its reason in the player's words.
StatusFileError FileErrorFrom(int errorNumber);

// Start-up reads records 1, 4 and 5 from this. A missing or unreadable file, or any part of it that
// is cut short or out of range, reads as the defaults of that part.
StatusRecords LoadStatusFile(const std::filesystem::path& path);

struct HighScoreTables {
  TotalTable total;
  GameTable game;
};

// Records 2 and 3 for the menu, without the lock: saves replace the file whole, so this sees
// the tables from before another copy's save or from after it, never half of each.
HighScoreTables ReadHighScores(const std::filesystem::path& path);

// What a save keeps of the bytes after the six records, which this game never reads: the rest of a
// file grown huge is dropped, so that every save costs about the same.
inline constexpr std::size_t kKeptTrailingBytes = 64 * 1024;

// Saves are made while this copy holds the lock. Each writes a new file beside the old one and renames
// it into place, so a crash leaves the old file or the new; every byte outside the saved records is
// kept, up to kKeptTrailingBytes after them. The new file keeps the old one's owner where the process
// may give it, and its mode.
[[nodiscard]] std::optional<StatusFileError> SaveExitRecords(const std::filesystem::path& path,
                                                             const WindowPositions& windows,
                                                             const OptionSettings& options, const RuleSettings& rules);
[[nodiscard]] std::optional<StatusFileError> SaveHighScores(const std::filesystem::path& path, const TotalTable& total,
                                                            const GameTable& game);

// The OS lock lives on this file beside STATUS.DAT ("STATUS.DAT.lock"), not on STATUS.DAT itself,
// whose inode every save replaces.
std::filesystem::path LockFilePath(const std::filesystem::path& statusPath);

enum class LockOutcome { Acquired, Busy, Failed };

struct LockAttempt {
  LockOutcome outcome = LockOutcome::Failed;
  StatusFileError error;  // set when Failed
};

// Record 6 as the lock between copies, made safe by an OS lock held for as long as record 6 says -1:
// a -1 whose OS lock is free was left by a copy that died, and is taken over.
// Dropping the object without Release() drops the OS lock only, leaving such a stale -1.
class StatusFileLock {
 public:
  explicit StatusFileLock(std::filesystem::path statusPath);
  ~StatusFileLock();
  StatusFileLock(const StatusFileLock&) = delete;
  StatusFileLock& operator=(const StatusFileLock&) = delete;

  // Never waits: Busy while another copy holds it; the game retries once a second.
  LockAttempt TryAcquire();
  // Writes 0 to record 6, then drops the OS lock, even when the write failed.
  [[nodiscard]] std::optional<StatusFileError> Release();
  bool Held() const { return lockFd_ >= 0; }

 private:
  void DropOsLock();

  std::filesystem::path statusPath_;
  int lockFd_ = -1;
};

}  // namespace pg
