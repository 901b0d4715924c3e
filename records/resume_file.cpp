// The kept match as text, one "name=value" line each in a fixed order and an "end" line last, so
// that another file, a file cut short and a number out of its range are all told apart from a
// record, which is never half read.
#include "records/resume_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "records/local_date.h"
#include "records/player_text.h"
#include "records/replace_file.h"

namespace pg {

namespace {

constexpr std::string_view kFirstLine = "Petalgame 32 resume 1";
constexpr std::string_view kLastLine = "end";
// Far above a record of the longest match; a larger file is not one.
constexpr std::uintmax_t kLargestFile = 1 << 20;

std::string Hex(std::uint64_t word) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(word));
  return text;
}

std::string SourcesText(const StoredSources& sources) {
  std::string text;
  for (const auto& source : sources) {
    for (const std::uint64_t word : source) text += (text.empty() ? "" : " ") + Hex(word);
  }
  return text;
}

std::string ClickText(const StoredClick& click) {
  std::string text = click.card == kStoredTableClick ? "table" : "card " + std::to_string(click.card);
  if (!click.winButtons.empty()) {
    text += " buttons";
    for (const int button : click.winButtons) text += " " + std::to_string(button);
  }
  if (click.sources) text += " sources " + SourcesText(*click.sources);
  return text;
}

// Reads the lines in their fixed order; the first failure keeps its reason.
class Reader {
 public:
  explicit Reader(std::string_view text) {
    while (!text.empty()) {
      const std::size_t end = text.find('\n');
      lines_.push_back(text.substr(0, end));
      text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
  }

  bool AtEnd() const { return next_ == lines_.size(); }
  std::string_view Peek() const { return AtEnd() ? std::string_view() : lines_[next_]; }
  bool Line(std::string_view expected) {
    if (AtEnd() || lines_[next_] != expected) return Fail(expected);
    ++next_;
    return true;
  }
  // The value of the next line, which must be "name=...".
  bool Value(std::string_view name, std::string_view& value) {
    const std::string_view line = Peek();
    if (AtEnd() || line.size() <= name.size() || line.substr(0, name.size()) != name || line[name.size()] != '=')
      return Fail(name);
    value = line.substr(name.size() + 1);
    ++next_;
    return true;
  }
  bool Fail(std::string_view expected) {
    if (why.empty()) {
      why = AtEnd() ? Tr("記録が途中で切れています。")
                    : Fill(Tr("%1行目が「%2」の行になっていません。"), {std::to_string(next_ + 1), expected});
    }
    return false;
  }
  bool OutOfRange(std::string_view name) {
    if (why.empty()) why = Fill(Tr("%1行目の「%2」の値が範囲外です。"), {std::to_string(next_), name});
    return false;
  }

  std::string why;

 private:
  std::vector<std::string_view> lines_;
  std::size_t next_ = 0;
};

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  while (!text.empty()) {
    const std::size_t end = text.find(' ');
    words.push_back(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return words;
}

bool Number(std::string_view text, int low, int high, int& number) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size() && number >= low && number <= high;
}

bool Sources(const std::vector<std::string_view>& words, std::size_t from, StoredSources& sources) {
  if (words.size() - from != 12) return false;
  for (std::size_t i = 0; i < 12; ++i) {
    const std::string_view word = words[from + i];
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, 16);
    if (word.size() != 16 || error != std::errc() || end != word.data() + word.size()) return false;
    sources[i / 4][i % 4] = value;
  }
  return true;
}

bool ReadClick(std::string_view text, StoredClick& click) {
  const std::vector<std::string_view> words = Words(text);
  std::size_t at = 0;
  if (at < words.size() && words[at] == "table") {
    click.card = kStoredTableClick;
    ++at;
  } else if (words.size() >= 2 && words[0] == "card" && Number(words[1], 0, 47, click.card)) {
    at = 2;
  } else {
    return false;
  }
  if (at < words.size() && words[at] == "buttons") {
    for (++at; at < words.size() && words[at] != "sources"; ++at) {
      int button = 0;
      if (!Number(words[at], 0, kWinButtonCount - 1, button) || click.winButtons.size() == kMostWinButtons)
        return false;
      click.winButtons.push_back(button);
    }
    if (click.winButtons.empty()) return false;
  }
  if (at == words.size()) return true;
  if (words[at] != "sources") return false;
  click.sources.emplace();
  return Sources(words, at + 1, *click.sources);
}

bool ReadRules(std::string_view text, RuleSettings& rules) {
  const std::vector<std::string_view> words = Words(text);
  if (words.size() != 6) return false;
  int v[6];
  for (int i = 0; i < 6; ++i) {
    if (!Number(words[static_cast<std::size_t>(i)], i < 4 ? 0 : 1, i < 4 ? 1 : 5, v[i])) return false;
  }
  rules = {static_cast<std::int16_t>(v[0]), static_cast<std::int16_t>(v[1]), static_cast<std::int16_t>(v[2]),
           static_cast<std::int16_t>(v[3]), static_cast<std::int16_t>(v[4]), static_cast<std::int16_t>(v[5])};
  return true;
}

bool PlainWord(std::string_view text, std::size_t longest) {
  if (text.size() > longest) return false;
  for (const char c : text) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!plain) return false;
  }
  return true;
}

}  // namespace

std::filesystem::path ResumePathBeside(const std::filesystem::path& statusPath) {
  return statusPath.parent_path() / kResumeFileName;
}

std::string ResumeText(const ResumeRecord& r) {
  const RuleSettings& rules = r.rules;
  std::ostringstream out;
  out << kFirstLine << "\n"
      << "level=" << r.level << "\n"
      << "rules=" << rules.HanamiRule << " " << rules.TsukimiRule << " " << rules.OyaRule << " " << rules.KikuRule
      << " " << rules.HanamiPoints << " " << rules.TsukimiPoints << "\n"
      << "deal_code=" << r.dealCode << "\n"
      << "daily_date=" << r.dailyDate << "\n"
      << "assisted=" << (r.assisted ? 1 : 0) << "\n"
      << "start=" << SourcesText(r.start) << "\n"
      << "now=" << SourcesText(r.now) << "\n";
  for (const StoredClick& click : r.clicks) out << "click=" << ClickText(click) << "\n";
  if (r.running) out << "running=" << ClickText(*r.running) << "\n";
  out << kLastLine << "\n";
  return out.str();
}

std::optional<ResumeRecord> ReadResumeText(std::string_view text, std::string& why) {
  Reader in(text);
  ResumeRecord r;
  std::string_view v;
  if (!in.Line(kFirstLine)) {
    why = Tr("Petalgame 32 の対戦の記録ではありません。");
    return std::nullopt;
  }
  // Every record ends with a line break: a file without one was cut short, whatever it reads as.
  if (!text.ends_with('\n')) {
    why = Tr("記録が途中で切れています。");
    return std::nullopt;
  }
  int assisted = 0;
  const bool read =
      (in.Value("level", v) && (PlainWord(v, 16) && !v.empty() ? (r.level = v, true) : in.OutOfRange("level"))) &&
      (in.Value("rules", v) && (ReadRules(v, r.rules) || in.OutOfRange("rules"))) &&
      (in.Value("deal_code", v) && (PlainWord(v, 8) ? (r.dealCode = v, true) : in.OutOfRange("deal_code"))) &&
      (in.Value("daily_date", v) &&
       (v.empty() || DateFromText(v) ? (r.dailyDate = v, true) : in.OutOfRange("daily_date"))) &&
      (in.Value("assisted", v) && (Number(v, 0, 1, assisted) || in.OutOfRange("assisted"))) &&
      (in.Value("start", v) && (Sources(Words(v), 0, r.start) || in.OutOfRange("start"))) &&
      (in.Value("now", v) && (Sources(Words(v), 0, r.now) || in.OutOfRange("now")));
  r.assisted = assisted == 1;
  bool clicksRead = read;
  while (clicksRead && in.Peek().starts_with("click=")) {
    StoredClick click;
    clicksRead = in.Value("click", v) && r.clicks.size() < kMostStoredClicks &&
                 (ReadClick(v, click) || in.OutOfRange("click"));
    if (clicksRead) r.clicks.push_back(std::move(click));
    if (r.clicks.size() == kMostStoredClicks) clicksRead = in.OutOfRange("click");
  }
  if (clicksRead && in.Peek().starts_with("running=")) {
    StoredClick click;
    clicksRead = in.Value("running", v) && (ReadClick(v, click) || in.OutOfRange("running"));
    if (clicksRead) r.running = std::move(click);
  }
  if (!clicksRead || !in.Line(kLastLine) || !in.AtEnd()) {
    why = in.why.empty() ? Tr("記録の終わりのあとに余分な行があります。") : in.why;
    return std::nullopt;
  }
  return r;
}

LoadedResume LoadResumeFile(const std::filesystem::path& path) {
  LoadedResume loaded;
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return loaded;
  loaded.read = ResumeRead::Damaged;
  if (size > kLargestFile) {
    loaded.why = Tr("対戦の記録としては大きすぎます。");
    return loaded;
  }
  std::ifstream file(path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (!file.good() && !file.eof()) {
    loaded.why = Tr("ファイルを読めませんでした。");
    return loaded;
  }
  if (auto record = ReadResumeText(text, loaded.why)) {
    loaded.record = std::move(*record);
    loaded.read = ResumeRead::Read;
  }
  return loaded;
}

std::optional<StatusFileError> SaveResumeFile(const std::filesystem::path& path, const ResumeRecord& record) {
  return ReplaceFile(path, ResumeText(record));
}

namespace {

std::filesystem::path LockPathBeside(const std::filesystem::path& resumePath) {
  std::filesystem::path lock = resumePath;
  return lock += ".lock";
}

}  // namespace

bool ResumeLock::Take(const std::filesystem::path& resumePath) {
  if (Held()) return true;
  // The lock file stays when the lock is dropped: removing it would let two copies lock two files.
  FileDescriptor lock = OpenLockFile(LockPathBeside(resumePath));
  if (lock.Get() < 0 || ::flock(lock.Get(), LOCK_EX | LOCK_NB) != 0) return false;
  fd_ = std::move(lock);
  return true;
}

bool ResumeLock::HeldElsewhere(const std::filesystem::path& resumePath) {
  const FileDescriptor lock(::open(LockPathBeside(resumePath).c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
  return lock.Get() >= 0 && ::flock(lock.Get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

std::optional<std::filesystem::path> ClaimResumeFile(const std::filesystem::path& path) {
  std::filesystem::path claimed = path;
  claimed += "." + std::to_string(::getpid()) + ".taken";
  // rename() is atomic: of two copies renaming the same file, one finds it gone.
  if (::rename(path.c_str(), claimed.c_str()) != 0) return std::nullopt;
  return claimed;
}

std::optional<std::filesystem::path> SetAsideResumeFile(const std::filesystem::path& path,
                                                        const std::filesystem::path& original) {
  std::filesystem::path aside = original;
  aside += ".damaged";
  if (::rename(path.c_str(), aside.c_str()) != 0) return std::nullopt;
  return aside;
}

}  // namespace pg
