// A few text lines. A save changes one line and keeps the rest of the file as it found it.
#include "records/settings_file.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>

#include "records/replace_file.h"

namespace pg {

namespace {

constexpr std::string_view kOn = "on";
constexpr std::string_view kOff = "off";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Far longer than any file this game writes: a larger one is not a settings file.
constexpr std::uintmax_t kLargestFile = 4096;
// As many links as the system itself follows before it gives up.
constexpr int kMostLinks = 40;

bool IsNameChar(char c) { return (c >= 'a' && c <= 'z') || c == '_'; }

bool IsPlainName(std::string_view text) { return !text.empty() && std::all_of(text.begin(), text.end(), IsNameChar); }

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

struct Line {
  std::string text;  // as read, without its line feed
  std::string_view Name() const { return Trimmed(std::string_view(text).substr(0, text.find('='))); }
  bool HasValue() const { return text.find('=') != std::string::npos; }
  std::string_view Value() const { return Trimmed(std::string_view(text).substr(text.find('=') + 1)); }
};

struct SettingsText {
  bool byteOrderMark = false;
  std::vector<Line> lines;
};

enum class TextRead { Read, Missing, Failed };

TextRead ReadText(const std::filesystem::path& path, SettingsText& text, int& errorNumber) {
  std::error_code error;
  if (!std::filesystem::exists(path, error) && !error) return TextRead::Missing;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  errorNumber = error ? error.value() : EFBIG;
  if (error || size > kLargestFile) return TextRead::Failed;
  std::ifstream in(path, std::ios::binary);
  errorNumber = EIO;
  if (!in) return TextRead::Failed;
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return TextRead::Failed;
  std::string_view rest = all;
  if (rest.starts_with(kByteOrderMark)) {
    text.byteOrderMark = true;
    rest.remove_prefix(kByteOrderMark.size());
  }
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    text.lines.push_back({std::string(rest.substr(0, end))});
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  }
  return TextRead::Read;
}

// The file a save replaces: the path itself, or what its chain of links ends at.
std::filesystem::path RealFile(const std::filesystem::path& path) {
  std::filesystem::path at = path;
  for (int hop = 0; hop < kMostLinks; ++hop) {
    std::error_code error;
    if (!std::filesystem::is_symlink(at, error)) return at;
    const std::filesystem::path next = std::filesystem::read_symlink(at, error);
    if (error) return at;
    at = next.is_absolute() ? next : at.parent_path() / next;
  }
  return at;
}

std::optional<int> TableSizeOf(std::string_view text) {
  for (const int size : kTableSizes) {
    if (text == std::to_string(size)) return size;
  }
  return std::nullopt;
}

// One or two digits, no sign: a step number is never written otherwise.
std::optional<int> LessonStepOf(std::string_view text) {
  if (text.empty() || text.size() > 2) return std::nullopt;
  int step = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    step = step * 10 + (c - '0');
  }
  return step <= kLessonStepLimit ? std::optional<int>(step) : std::nullopt;
}

}  // namespace

std::string_view SwitchValue(bool on) { return on ? kOn : kOff; }

std::filesystem::path SettingsPathBeside(const std::filesystem::path& statusPath) {
  return statusPath.parent_path() / kSettingsFileName;
}

LoadedSettings LoadSettingsFile(const std::filesystem::path& path) {
  SettingsText text;
  int errorNumber = 0;
  switch (ReadText(path, text, errorNumber)) {
    case TextRead::Missing:
      return {};
    case TextRead::Failed:
      return {{}, SettingsRead::Damaged, {}, {}};
    case TextRead::Read:
      break;
  }
  LoadedSettings loaded{{}, SettingsRead::Read, {}, {}};
  std::vector<std::string_view> seen;
  for (const Line& line : text.lines) {
    if (!line.HasValue()) continue;
    const std::string_view name = line.Name();
    const std::string_view value = line.Value();
    if (name != kLevelSetting && name != kHintsSetting && name != kCardMarksSetting && name != kTableSizeSetting &&
        name != kLessonStepSetting && name != kLanguageSetting)
      continue;
    if (std::find(seen.begin(), seen.end(), name) != seen.end()) {
      if (std::find(loaded.repeated.begin(), loaded.repeated.end(), name) == loaded.repeated.end())
        loaded.repeated.emplace_back(name);
    } else {
      seen.push_back(name);
    }
    if (name == kLevelSetting && IsPlainName(value)) {
      loaded.settings.level = value;
    } else if (name == kHintsSetting && (value == kOn || value == kOff)) {
      loaded.settings.hints = value == kOn;
    } else if (name == kCardMarksSetting && (value == kOn || value == kOff)) {
      loaded.settings.cardMarks = value == kOn;
    } else if (name == kTableSizeSetting && TableSizeOf(value)) {
      loaded.settings.tableSize = *TableSizeOf(value);
    } else if (name == kLessonStepSetting && LessonStepOf(value)) {
      loaded.settings.lessonStep = *LessonStepOf(value);
    } else if (name == kLanguageSetting &&
               (value == kLanguageAuto || value == kLanguageJapanese || value == kLanguageEnglish)) {
      loaded.settings.language = value;
    } else {
      loaded.badLines.push_back(std::string(Trimmed(line.text)));
    }
  }
  return loaded;
}

std::optional<StatusFileError> SaveSetting(const std::filesystem::path& path, std::string_view name,
                                           std::string_view value) {
  const std::filesystem::path target = RealFile(path);
  SettingsText text;
  int errorNumber = 0;
  if (ReadText(target, text, errorNumber) == TextRead::Failed) return FileErrorFrom(errorNumber);
  const std::string line = std::string(name) + "=" + std::string(value);
  const auto last = std::find_if(text.lines.rbegin(), text.lines.rend(),
                                 [&](const Line& l) { return l.HasValue() && l.Name() == name; });
  if (last == text.lines.rend()) {
    text.lines.push_back({line});
  } else {
    last->text = line;
    const auto kept = last.base() - 1;
    text.lines.erase(
        std::remove_if(text.lines.begin(), kept, [&](const Line& l) { return l.HasValue() && l.Name() == name; }),
        kept);
  }
  std::string written = text.byteOrderMark ? std::string(kByteOrderMark) : std::string();
  for (const Line& l : text.lines) written += l.text + "\n";
  return ReplaceFile(target, written);
}

std::optional<StatusFileError> SetAsideSettingsFile(const std::filesystem::path& path,
                                                    std::filesystem::path& setAside) {
  setAside = path;
  setAside += ".damaged";
  if (::rename(path.c_str(), setAside.c_str()) != 0) return FileErrorFrom(errno);
  return std::nullopt;
}

}  // namespace pg
