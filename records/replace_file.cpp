#include "records/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "records/write_all.h"

namespace pg {

std::optional<StatusFileError> ReplaceFile(const std::filesystem::path& target, std::string_view text) {
  std::filesystem::path temp = target;
  temp += "." + std::to_string(::getpid()) + ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return FileErrorFrom(errno);
  // The new file keeps the old one's mode, as a file edited in place would.
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) ::fchmod(fd, old.st_mode & 07777);
  std::optional<StatusFileError> failed;
  if (!WriteAll(fd, text)) failed = FileErrorFrom(errno);
  if (!failed && ::fsync(fd) != 0) failed = FileErrorFrom(errno);
  if (::close(fd) != 0 && !failed) failed = FileErrorFrom(errno);
  if (!failed && ::rename(temp.c_str(), target.c_str()) != 0) failed = FileErrorFrom(errno);
  if (failed) ::unlink(temp.c_str());
  return failed;
}

}  // namespace pg
