// Reading STATUS.DAT, replacing it whole for every save, and the flock-guarded lock word in record 6.
#include "records/status_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <initializer_list>
#include <string_view>
#include <system_error>
#include <utility>

#include "records/lock_file.h"
#include "records/player_text.h"
#include "records/status_codec.h"
#include "records/write_all.h"

namespace pg {

namespace {

std::string ReasonFor(int errorNumber) {
  switch (errorNumber) {
    case EACCES:
    case EPERM:
      return Tr("書き込みが許可されていません。");
    case EROFS:
      return Tr("読み取り専用の場所には書き込めません。");
    case ENOSPC:
    case EDQUOT:
      return Tr("ディスクの空き容量が足りません。");
    case EFBIG:
      return Tr("ファイルが大きすぎて書き込めません。");
    case ENOENT:
    case ENOTDIR:
      return Tr("保存先のフォルダが見つかりません。");
    case EISDIR:
      return Tr("ファイルの場所にフォルダがあります。");
    case EINVAL:
    case ELOOP:
      return Tr("ファイルの場所に普通のファイルではないものがあります。");
    case EIO:
      return Tr("ディスクの読み書きに失敗しました。");
    case EMFILE:
    case ENFILE:
      return Tr("開いているファイルが多すぎます。");
    case ENAMETOOLONG:
      return Tr("ファイルの場所の名前が長すぎます。");
    case ENOLCK:
      return Tr("ファイルをロックできません。");
    default:
      return Tr("ファイルを保存できませんでした。");
  }
}

StatusFileError ErrorFrom(int errorNumber) { return FileErrorFrom(errorNumber); }

struct OpenedFile {
  FileDescriptor fd;
  struct stat info {};
  int error = 0;  // ENOENT: there is no file yet
};

OpenedFile OpenStatusFile(const std::filesystem::path& path) {
  OpenedFile file;
  // O_NONBLOCK: a FIFO in the file's place must not hang the game in open().
  file.fd = FileDescriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.fd.Get() < 0) {
    file.error = errno;
  } else if (::fstat(file.fd.Get(), &file.info) != 0) {
    file.error = errno;
  } else if (S_ISDIR(file.info.st_mode)) {
    file.error = EISDIR;
  } else if (!S_ISREG(file.info.st_mode)) {
    file.error = EINVAL;
  }
  if (file.error != 0) file.fd.Close();
  return file;
}

// Only the six records: a file grown huge by accident costs no more to read than a normal one.
bool ReadRecords(int fd, std::string& image) {
  image.assign(kStatusFileSize, '\0');
  std::size_t done = 0;
  while (done < image.size()) {
    const ssize_t got = ::pread(fd, image.data() + done, image.size() - done, static_cast<off_t>(done));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      image.resize(done);
      return false;
    }
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  image.resize(done);
  return true;
}

std::string ReadImage(const std::filesystem::path& path) {
  OpenedFile file = OpenStatusFile(path);
  std::string image;
  // What could not be read reads as defaults; the game starts either way.
  if (file.error == 0) ReadRecords(file.fd.Get(), image);
  return image;
}

// Copies at most `limit` bytes from `offset` on, stopping early where the file ends.
bool CopyFrom(int from, off_t offset, std::size_t limit, int to) {
  char buffer[16384];
  while (limit > 0) {
    const ssize_t got = ::pread(from, buffer, std::min(sizeof buffer, limit), offset);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    if (!WriteAll(to, std::string_view(buffer, static_cast<std::size_t>(got)))) return false;
    offset += got;
    limit -= static_cast<std::size_t>(got);
  }
  return true;
}

std::optional<StatusFileError> SyncFolder(const std::filesystem::path& folder) {
  FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() < 0) return ErrorFrom(errno);
  // Some file systems cannot sync a folder (EINVAL); the rename is as safe as they make it.
  if (::fsync(fd.Get()) != 0 && errno != EINVAL) return ErrorFrom(errno);
  return std::nullopt;
}

std::filesystem::path TempPathFor(const std::filesystem::path& path) {
  static std::atomic<unsigned> serial{0};
  std::filesystem::path temp = path;
  temp += "." + std::to_string(::getpid()) + "-" + std::to_string(serial++) + ".tmp";
  return temp;
}

// Writes the new file beside the old one, syncs it, and renames it into place: a crash at any
// moment leaves the old file or the new one, never a mix.
std::optional<StatusFileError> ReplaceSlots(const std::filesystem::path& path,
                                            std::initializer_list<std::pair<StatusRecord, std::string>> slots) {
  OpenedFile old = OpenStatusFile(path);
  const bool existed = old.error == 0;
  if (!existed && old.error != ENOENT) return ErrorFrom(old.error);
  std::string image;
  if (existed) {
    // Saving what could not be read would overwrite the other records with defaults.
    if (!ReadRecords(old.fd.Get(), image)) return ErrorFrom(errno);
    // The rename would replace a file its owner made read-only; refuse as a write into it would.
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return ErrorFrom(errno);
  }
  const bool hasMore = image.size() == kStatusFileSize;
  for (const auto& [record, slot] : slots) PutSlot(image, record, slot);

  const std::filesystem::path temp = TempPathFor(path);
  FileDescriptor out(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
  if (out.Get() < 0) return ErrorFrom(errno);
  const auto fail = [&](int errorNumber) {
    out.Close();
    ::unlink(temp.c_str());
    return ErrorFrom(errorNumber);
  };
  if (existed) {
    // A copy run by root in a player's folder must leave the file the player's. Where the process
    // may not give the file away, it stays the saver's, with the old mode. The owner goes first, as
    // chown clears the set-id bits.
    (void)::fchown(out.Get(), old.info.st_uid, old.info.st_gid);
    (void)::fchmod(out.Get(), old.info.st_mode & 07777);
  }
  if (!WriteAll(out.Get(), image)) return fail(errno);
  // Bytes after the six records mean nothing to this game but may to another program: carry them
  // over, up to a bound, so that a file grown huge costs every save no more than a normal one.
  if (existed && hasMore &&
      !CopyFrom(old.fd.Get(), static_cast<off_t>(kStatusFileSize), kKeptTrailingBytes, out.Get())) {
    return fail(errno);
  }
  if (::fsync(out.Get()) != 0) return fail(errno);
  if (out.Close() != 0) return fail(errno);
  if (::rename(temp.c_str(), path.c_str()) != 0) return fail(errno);
  // The rename itself is durable only once the folder is synced.
  return SyncFolder(path.has_parent_path() ? path.parent_path() : std::filesystem::path("."));
}

}  // namespace

StatusFileError FileErrorFrom(int errorNumber) { return {errorNumber, ReasonFor(errorNumber)}; }

StatusRecords LoadStatusFile(const std::filesystem::path& path) { return DecodeStatusFile(ReadImage(path)); }

HighScoreTables ReadHighScores(const std::filesystem::path& path) {
  const std::string image = ReadImage(path);
  return {DecodeTotalTable(image), DecodeGameTable(image)};
}

std::optional<StatusFileError> SaveExitRecords(const std::filesystem::path& path, const WindowPositions& windows,
                                               const OptionSettings& options, const RuleSettings& rules) {
  return ReplaceSlots(path, {{StatusRecord::WindowPositions, EncodeSlot(windows)},
                             {StatusRecord::OptionSettings, EncodeSlot(options)},
                             {StatusRecord::RuleSettings, EncodeSlot(rules)}});
}

std::optional<StatusFileError> SaveHighScores(const std::filesystem::path& path, const TotalTable& total,
                                              const GameTable& game) {
  return ReplaceSlots(path,
                      {{StatusRecord::TotalTable, EncodeSlot(total)}, {StatusRecord::GameTable, EncodeSlot(game)}});
}

std::filesystem::path LockFilePath(const std::filesystem::path& statusPath) {
  std::filesystem::path lockPath = statusPath;
  lockPath += ".lock";
  return lockPath;
}

StatusFileLock::StatusFileLock(std::filesystem::path statusPath) : statusPath_(std::move(statusPath)) {
  // Acquire and release must reach the same file even if the current directory changes in between.
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(statusPath_, error);
  if (!error) statusPath_ = std::move(absolute);
}

StatusFileLock::~StatusFileLock() { DropOsLock(); }

LockAttempt StatusFileLock::TryAcquire() {
  if (Held()) return {LockOutcome::Acquired, {}};
  // The lock file is never removed: removing it would let two copies lock two different inodes.
  FileDescriptor lockFile = OpenLockFile(LockFilePath(statusPath_));
  if (lockFile.Get() < 0) return {LockOutcome::Failed, ErrorFrom(errno)};
  if (::flock(lockFile.Get(), LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK || errno == EINTR) return {LockOutcome::Busy, {}};
    return {LockOutcome::Failed, ErrorFrom(errno)};
  }
  // With the OS lock held no other copy is between reading and writing record 6, and a live holder
  // would still hold the OS lock: a -1 found now was left by a copy that died, so it is taken over
  // just like a 0. Either way record 6 becomes -1 for copies that know only the word.
  if (std::optional<StatusFileError> error =
          ReplaceSlots(statusPath_, {{StatusRecord::StatusLock, EncodeSlot(StatusLock{kLockHeld})}})) {
    return {LockOutcome::Failed, *error};
  }
  lockFd_ = lockFile.Take();
  return {LockOutcome::Acquired, {}};
}

std::optional<StatusFileError> StatusFileLock::Release() {
  if (!Held()) return std::nullopt;
  std::optional<StatusFileError> error =
      ReplaceSlots(statusPath_, {{StatusRecord::StatusLock, EncodeSlot(StatusLock{kLockFree})}});
  // A 0 that could not be written stays -1 with its OS lock free: the next copy takes it over.
  DropOsLock();
  return error;
}

void StatusFileLock::DropOsLock() {
  if (lockFd_ < 0) return;
  // Closing the descriptor drops the flock with it.
  ::close(lockFd_);
  lockFd_ = -1;
}

}  // namespace pg
