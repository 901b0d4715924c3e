// The history file as a file: its kind, its identity, its log, moving it aside and its URI.
#include "records/history_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <ctime>
#include <mutex>
#include <set>
#include <tuple>

#include "records/player_text.h"

namespace pg {

namespace fs = std::filesystem;

namespace {

std::string LocalStamp() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

}  // namespace

std::optional<std::string> PathProblem(const fs::path& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0) return std::nullopt;
  if (S_ISLNK(info.st_mode) && stat(path.c_str(), &info) != 0) {
    if (errno == ELOOP) return Tr("history.db はたどると輪になってしまうリンクです。");
    if (errno == ENOENT) return Tr("history.db は行き先のないリンクです。");
    return std::nullopt;
  }
  if (S_ISDIR(info.st_mode)) return Tr("history.db という名前のフォルダーがあります。");
  if (!S_ISREG(info.st_mode)) return Tr("history.db は普通のファイルではありません（装置ファイルなど）。");
  return std::nullopt;
}

std::optional<FileIdentity> IdentityOf(const fs::path& path) {
  struct statx info {};
  if (statx(AT_FDCWD, path.c_str(), 0, STATX_INO | STATX_BTIME, &info) != 0) return std::nullopt;
  FileIdentity identity;
  identity.device = (static_cast<unsigned long long>(info.stx_dev_major) << 32) | info.stx_dev_minor;
  identity.inode = info.stx_ino;
  if (info.stx_mask & STATX_BTIME) identity.born = info.stx_btime.tv_sec * 1000000000LL + info.stx_btime.tv_nsec;
  return identity;
}

bool FirstLookAt(const FileIdentity& file) {
  static std::mutex guard;
  static std::set<std::tuple<unsigned long long, unsigned long long, long long>> seen;
  const std::lock_guard lock(guard);
  return seen.insert({file.device, file.inode, file.born}).second;
}

std::uintmax_t LogSize(const fs::path& path) {
  std::error_code error;
  const std::uintmax_t size = fs::file_size(path.string() + "-wal", error);
  return error ? 0 : size;
}

std::optional<fs::path> MoveAside(const fs::path& path, const std::string& tag) {
  const std::string base = path.string() + "." + tag + "-" + LocalStamp();
  fs::path target = base;
  std::error_code error;
  for (int n = 2; fs::exists(target, error) || fs::exists(target.string() + "-wal", error); ++n)
    target = base + "-" + std::to_string(n);
  fs::rename(path, target, error);
  if (error) return std::nullopt;
  for (const char* suffix : {"-wal", "-shm"}) {
    const fs::path companion = path.string() + suffix;
    if (fs::exists(companion, error)) fs::rename(companion, target.string() + suffix, error);
  }
  return target;
}

namespace {

bool SystemLetsWrite(const fs::path& path) {
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  if (access(folder.c_str(), W_OK) != 0) return false;
  return access(path.c_str(), W_OK) == 0 || errno == ENOENT;
}

std::atomic<bool (*)(const fs::path&)> writableCheck = SystemLetsWrite;

}  // namespace

bool MayWrite(const fs::path& path) { return writableCheck.load()(path); }

void SetWritableCheck(bool (*check)(const fs::path& path)) { writableCheck = check ? check : SystemLetsWrite; }

std::string FileUri(const fs::path& path, const std::string& query) {
  std::string uri = "file:";
  for (const char c : path.string()) {
    if (c == '%' || c == '?' || c == '#') {
      static constexpr char kHex[] = "0123456789ABCDEF";
      uri += '%';
      uri += kHex[(static_cast<unsigned char>(c) >> 4) & 0xf];
      uri += kHex[static_cast<unsigned char>(c) & 0xf];
    } else {
      uri += c;
    }
  }
  return uri + "?" + query;
}

}  // namespace pg
