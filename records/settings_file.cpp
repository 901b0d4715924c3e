// A few text lines, replaced whole on every save.
#include "records/settings_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <string_view>

namespace pg {

namespace {

constexpr std::string_view kLevelKey = "level";
constexpr std::string_view kHintsKey = "hints";
constexpr std::string_view kCardMarksKey = "card_marks";
constexpr std::string_view kTableSizeKey = "table_size";
constexpr std::string_view kOn = "on";
constexpr std::string_view kOff = "off";
// Longer than any line this game writes: a larger file is not one of ours.
constexpr std::uintmax_t kLargestFile = 4096;

bool IsNameChar(char c) { return (c >= 'a' && c <= 'z') || c == '_'; }

bool IsPlainName(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (!IsNameChar(c)) return false;
  }
  return true;
}

std::optional<StatusFileError> WriteAll(int fd, const std::string& text) {
  std::size_t written = 0;
  while (written < text.size()) {
    const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return FileErrorFrom(errno);
    }
    written += static_cast<std::size_t>(n);
  }
  return std::nullopt;
}

std::optional<int> TableSizeOf(std::string_view text) {
  for (const int size : kTableSizes) {
    if (text == std::to_string(size)) return size;
  }
  return std::nullopt;
}

}  // namespace

std::filesystem::path SettingsPathBeside(const std::filesystem::path& statusPath) {
  return statusPath.parent_path() / kSettingsFileName;
}

LoadedSettings LoadSettingsFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error) && !error) return {};
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kLargestFile) return {{}, SettingsRead::Damaged};
  std::ifstream in(path, std::ios::binary);
  if (!in) return {{}, SettingsRead::Damaged};
  LoadedSettings loaded{{}, SettingsRead::Read};
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const std::size_t equals = line.find('=');
    const std::string_view key = std::string_view(line).substr(0, equals);
    const std::string value = equals == std::string::npos ? std::string() : line.substr(equals + 1);
    if (key == kLevelKey && IsPlainName(value)) {
      loaded.settings.level = value;
    } else if (key == kHintsKey && (value == kOn || value == kOff)) {
      loaded.settings.hints = value == kOn;
    } else if (key == kCardMarksKey && (value == kOn || value == kOff)) {
      loaded.settings.cardMarks = value == kOn;
    } else if (key == kTableSizeKey && TableSizeOf(value)) {
      loaded.settings.tableSize = *TableSizeOf(value);
    } else {
      return {{}, SettingsRead::Damaged};
    }
  }
  if (in.bad()) return {{}, SettingsRead::Damaged};
  return loaded;
}

std::optional<StatusFileError> SaveSettingsFile(const std::filesystem::path& path, const Settings& settings) {
  std::filesystem::path temp = path;
  temp += "." + std::to_string(::getpid()) + ".tmp";
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return FileErrorFrom(errno);
  const std::string text = std::string(kLevelKey) + "=" + settings.level + "\n" + std::string(kHintsKey) + "=" +
                           std::string(settings.hints ? kOn : kOff) + "\n" + std::string(kCardMarksKey) + "=" +
                           std::string(settings.cardMarks ? kOn : kOff) + "\n" + std::string(kTableSizeKey) + "=" +
                           std::to_string(settings.tableSize) + "\n";
  std::optional<StatusFileError> failed = WriteAll(fd, text);
  if (!failed && ::fsync(fd) != 0) failed = FileErrorFrom(errno);
  if (::close(fd) != 0 && !failed) failed = FileErrorFrom(errno);
  if (!failed && ::rename(temp.c_str(), path.c_str()) != 0) failed = FileErrorFrom(errno);
  if (failed) ::unlink(temp.c_str());
  return failed;
}

std::optional<StatusFileError> SetAsideSettingsFile(const std::filesystem::path& path,
                                                    std::filesystem::path& setAside) {
  setAside = path;
  setAside += ".damaged";
  if (::rename(path.c_str(), setAside.c_str()) != 0) return FileErrorFrom(errno);
  return std::nullopt;
}

}  // namespace pg
