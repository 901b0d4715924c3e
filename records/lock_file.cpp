#include "records/lock_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace pg {

FileDescriptor OpenLockFile(const std::filesystem::path& path) {
  constexpr int kFlags = O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
  FileDescriptor fd(::open(path.c_str(), O_RDWR | kFlags, 0666));
  // flock() needs no write access, so a lock file another user (root) left read-only still serves;
  // where it can, the game asks for writing, which flock emulated over NFS needs.
  if (fd.Get() < 0 && errno == EACCES) fd = FileDescriptor(::open(path.c_str(), O_RDONLY | kFlags, 0666));
  if (fd.Get() < 0) return fd;
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) {
    const int error = errno;
    fd.Close();
    errno = error;
  } else if (!S_ISREG(info.st_mode)) {
    fd.Close();
    errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
  }
  return fd;
}

}  // namespace pg
