// A file descriptor closed with its owner, and the lock files that copies of the game sharing a
// folder take turns on with flock().
#pragma once

#include <unistd.h>

#include <filesystem>
#include <utility>

namespace pg {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  ~FileDescriptor() { Close(); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
      Close();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  int Get() const { return fd_; }
  int Take() { return std::exchange(fd_, -1); }
  // Returns close()'s result: on a network or full disk a late write error can show up only here.
  int Close() {
    if (fd_ < 0) return 0;
    return ::close(std::exchange(fd_, -1));
  }

 private:
  int fd_;
};

// A link in the lock file's place would have the game create or lock whatever it names, and a FIFO
// would hang open(). Sets errno and returns no descriptor for anything but a regular file.
FileDescriptor OpenLockFile(const std::filesystem::path& path);

}  // namespace pg
