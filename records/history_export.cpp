// The history as CSV (one row a match) and as JSON Lines (one match a line, with months and moves),
// streamed into a temporary file that is renamed over the target once it is whole.
#include "records/history_export.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "records/history_database.h"
#include "records/player_text.h"
#include "records/write_all.h"

namespace pg {

namespace fs = std::filesystem;

namespace {

// Written out whenever this much has gathered: memory stays the same however long the history.
constexpr std::size_t kFlushAt = 1 << 20;
// Progress is told every this many matches.
constexpr std::size_t kProgressEvery = 256;

void Number(std::int64_t value, std::string& out) {
  char text[24];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  out.append(text, end);
}

bool NeedsEscape(char c) { return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20; }

void Quoted(const std::string& text, std::string& out) {
  out += '"';
  // Card codes, dates and names need no escape: they go in whole.
  if (std::none_of(text.begin(), text.end(), NeedsEscape)) {
    out += text;
    out += '"';
    return;
  }
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[(c >> 4) & 0xf];
      out += kHex[c & 0xf];
    } else {
      out += c;
    }
  }
  out += '"';
}

// A two-character code of letters and digits, as every card read from the history is.
bool PlainCode(const StoredCard& card) {
  auto plain = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'); };
  return card.size() == 2 && plain(card[0]) && plain(card[1]);
}

// A list of cards as one string, their codes with a space between, as history.db keeps them. Cards
// are most of a line: a dealt month's plain codes are put together on the stack and appended once.
void Cards(const std::vector<StoredCard>& cards, std::string& out) {
  constexpr std::size_t kMost = 48;
  if (cards.size() <= kMost && std::all_of(cards.begin(), cards.end(), PlainCode)) {
    char text[3 * kMost + 2];
    char* at = text;
    *at++ = '"';
    for (const StoredCard& card : cards) {
      *at++ = card[0];
      *at++ = card[1];
      *at++ = ' ';
    }
    if (!cards.empty()) --at;
    *at++ = '"';
    out.append(text, at);
    return;
  }
  std::string joined;
  for (std::size_t i = 0; i < cards.size(); ++i) joined += (i ? " " : "") + cards[i];
  Quoted(joined, out);
}

// CSV fields are quoted only when they must be, doubling any quote inside.
void CsvField(const std::string& text, std::string& out) {
  if (text.find_first_of(",\"\n\r") == std::string::npos) {
    out += text;
    return;
  }
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

const char* Flag(bool on) { return on ? "true" : "false"; }

// The rules by what they mean: a stored 0 means the first button of the pair, 有.
struct NamedRules {
  bool hanami, tsukimi, oyaRight;
  const char* kikuCup;
  int hanamiPoints, tsukimiPoints;
};

NamedRules Named(const RuleSettings& r) {
  return {r.HanamiRule == 0, r.TsukimiRule == 0, r.OyaRule == 0, r.KikuRule == 0 ? "tane" : "kasu",
          r.HanamiPoints,    r.TsukimiPoints};
}

// A move as one short string, "1h22/21:21": the side (0 the player, 1 the computer), h from the hand
// or s from the stock, the card, "/" and the table card chosen when there was a choice, then ":" and
// the cards taken, one code after another.
void MoveJson(const HistoryMove& move, std::string& out) {
  const bool plain = (move.side == 0 || move.side == 1) && PlainCode(move.card) &&
                     (move.chosen.empty() || PlainCode(move.chosen)) && move.taken.size() <= 8 &&
                     std::all_of(move.taken.begin(), move.taken.end(), PlainCode);
  if (plain) {
    // Built on the stack and appended once: a long history has millions of moves.
    char text[32];
    char* at = text;
    *at++ = '"';
    *at++ = static_cast<char>('0' + move.side);
    *at++ = move.fromStock ? 's' : 'h';
    at = std::copy(move.card.begin(), move.card.end(), at);
    if (!move.chosen.empty()) {
      *at++ = '/';
      at = std::copy(move.chosen.begin(), move.chosen.end(), at);
    }
    if (!move.taken.empty()) *at++ = ':';
    for (const StoredCard& card : move.taken) at = std::copy(card.begin(), card.end(), at);
    *at++ = '"';
    out.append(text, at);
    return;
  }
  std::string text;
  Number(move.side, text);
  text += move.fromStock ? 's' : 'h';
  text += move.card;
  if (!move.chosen.empty()) {
    text += '/';
    text += move.chosen;
  }
  if (!move.taken.empty()) text += ':';
  for (const StoredCard& card : move.taken) text += card;
  Quoted(text, out);
}

void MonthJson(const HistoryMonth& m, std::string& out) {
  out += "{\"month\":";
  Number(m.month, out);
  out += ",\"dealer\":";
  Number(m.dealer, out);
  out += ",\"table\":";
  Cards(m.table, out);
  out += ",\"hands\":[";
  Cards(m.hands[0], out);
  out += ',';
  Cards(m.hands[1], out);
  out += "],\"stock\":";
  Cards(m.stock, out);
  out += ",\"moves\":[";
  for (std::size_t i = 0; i < m.moves.size(); ++i) {
    if (i) out += ',';
    MoveJson(m.moves[i], out);
  }
  out += "],\"yaku\":[";
  for (std::size_t i = 0; i < m.yaku.size(); ++i) {
    out += i ? ",{\"side\":" : "{\"side\":";
    Number(m.yaku[i].side, out);
    out += ",\"name\":";
    Quoted(m.yaku[i].name, out);
    out += ",\"points\":";
    Number(m.yaku[i].points, out);
    out += '}';
  }
  out += "],\"calls\":[";
  for (std::size_t i = 0; i < m.calls.size(); ++i) {
    const HistoryCall& call = m.calls[i];
    out += i ? ",{\"side\":" : "{\"side\":";
    Number(call.side, out);
    out += ",\"kind\":\"";
    out += CallKindKey(call.kind);
    out += "\",\"points_held\":";
    Number(call.pointsHeld, out);
    out += ",\"doubled\":";
    out += Flag(call.doubled);
    out += ",\"outcome\":\"";
    out += CallOutcomeKey(call.outcome);
    out += "\"}";
  }
  out += "],\"winner\":";
  Number(m.winner, out);
  out += ",\"payment\":";
  Number(m.payment, out);
  out += '}';
}

// The file the export is written into, beside the target, and renamed over it at the end. Blocks
// go to the disk on a thread of their own while the next is read and written out, and the disk is
// asked to start on each at once, so little is left for the sync at the end.
class TemporaryFile {
 public:
  explicit TemporaryFile(const fs::path& target) : target_(target) {
    struct stat old {};
    const bool replacing = stat(target.c_str(), &old) == 0;
    for (int n = 0; fd_ < 0 && n < 100; ++n) {
      path_ = target.parent_path() /
              ("." + target.filename().string() + "." + std::to_string(getpid()) + "-" + std::to_string(n) + ".tmp");
      fd_ = open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) return;
    if (replacing) fchmod(fd_, old.st_mode & 07777);
    writer_ = std::thread([this] { WriteBlocks(); });
  }
  ~TemporaryFile() {
    if (writer_.joinable()) {
      {
        const std::lock_guard lock(guard_);
        stopping_ = true;
      }
      handed_.notify_one();
      writer_.join();
    }
    if (fd_ >= 0) close(fd_);
    if (!renamed_) unlink(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  bool Opened() const { return fd_ >= 0; }
  // Hands `text` to the writing thread and gives back an empty buffer with the same room; false
  // when an earlier block could not be written.
  bool Write(std::string& text) {
    std::unique_lock lock(guard_);
    written_.wait(lock, [this] { return !pending_; });
    if (failed_) return false;
    std::swap(text, block_);
    text.clear();
    pending_ = true;
    handed_.notify_one();
    return true;
  }
  // Synced before the rename, so the target is never replaced by a file the disk has not got.
  bool Finish() {
    {
      std::unique_lock lock(guard_);
      written_.wait(lock, [this] { return !pending_; });
      if (failed_) return false;
    }
    const bool synced = fsync(fd_) == 0;
    const bool closed = close(fd_) == 0;
    fd_ = -1;
    renamed_ = synced && closed && rename(path_.c_str(), target_.c_str()) == 0;
    return renamed_;
  }

 private:
  void WriteBlocks() {
    std::unique_lock lock(guard_);
    for (;;) {
      handed_.wait(lock, [this] { return pending_ || stopping_; });
      if (!pending_) return;
      lock.unlock();
      const bool wrote = WriteAll(fd_, block_);
      if (wrote) sync_file_range(fd_, offset_, static_cast<off_t>(block_.size()), SYNC_FILE_RANGE_WRITE);
      offset_ += static_cast<off_t>(block_.size());
      lock.lock();
      failed_ = failed_ || !wrote;
      pending_ = false;
      written_.notify_one();
    }
  }

  fs::path target_;
  fs::path path_;
  int fd_ = -1;
  bool renamed_ = false;
  std::thread writer_;
  std::mutex guard_;
  std::condition_variable handed_, written_;
  // The block being written, and whether there is one; only the writing thread touches it meanwhile.
  std::string block_;
  bool pending_ = false;
  bool failed_ = false;
  bool stopping_ = false;
  off_t offset_ = 0;
};

// The file the export replaces: the target, or the file a link to it leads to. Anything but a
// regular file or a new name is refused before it is opened, so a pipe cannot hold the window.
std::string Refusal(const fs::path& target, fs::path& file) {
  const std::string name = target.filename().string();
  struct stat info {};
  file = target;
  if (lstat(target.c_str(), &info) != 0) {
    return errno == ENOENT ? std::string() : Fill(Tr("%1 を調べられないので書き出せません。"), {name});
  }
  if (S_ISLNK(info.st_mode)) {
    std::error_code error;
    file = fs::canonical(target, error);
    if (error || stat(file.c_str(), &info) != 0) return Fill(Tr("%1 は行き先のないリンクなので書き出せません。"), {name});
  }
  if (!S_ISREG(info.st_mode)) return Fill(Tr("%1 は普通のファイルではないので書き出せません。"), {name});
  return {};
}

}  // namespace

void AppendCsvHeader(std::string& out) {
  out +=
      "id,started_at,ended_at,level,hanami,tsukimi,oya_right,kiku_cup,hanami_points,tsukimi_points,"
      "player_score,computer_score,margin,result,months,assisted\n";
}

void AppendCsvRow(const HistoryMatch& m, std::string& out) {
  const NamedRules r = Named(m.rules);
  Number(m.id, out);
  out += ',';
  CsvField(m.startedAt, out);
  out += ',';
  CsvField(m.endedAt, out);
  out += ',';
  CsvField(m.level, out);
  for (const bool flag : {r.hanami, r.tsukimi, r.oyaRight}) {
    out += ',';
    out += Flag(flag);
  }
  out += ',';
  out += r.kikuCup;
  // Scores are 16-bit when read, and the margin is taken in 64 bits all the same.
  for (const std::int64_t value :
       {std::int64_t{r.hanamiPoints}, std::int64_t{r.tsukimiPoints}, std::int64_t{m.scores[0]},
        std::int64_t{m.scores[1]}, std::int64_t{m.scores[0]} - std::int64_t{m.scores[1]}}) {
    out += ',';
    Number(value, out);
  }
  out += ',';
  out += ResultKey(m.result);
  out += ',';
  Number(static_cast<std::int64_t>(m.months.size()), out);
  out += m.assisted ? ",true\n" : ",false\n";
}

void AppendJsonLine(const HistoryMatch& m, std::string& out) {
  const NamedRules r = Named(m.rules);
  out += "{\"id\":";
  Number(m.id, out);
  out += ",\"started_at\":";
  Quoted(m.startedAt, out);
  out += ",\"ended_at\":";
  Quoted(m.endedAt, out);
  out += ",\"level\":";
  Quoted(m.level, out);
  out += ",\"rules\":{\"hanami\":";
  out += Flag(r.hanami);
  out += ",\"tsukimi\":";
  out += Flag(r.tsukimi);
  out += ",\"oya_right\":";
  out += Flag(r.oyaRight);
  out += ",\"kiku_cup\":\"";
  out += r.kikuCup;
  out += "\",\"hanami_points\":";
  Number(r.hanamiPoints, out);
  out += ",\"tsukimi_points\":";
  Number(r.tsukimiPoints, out);
  out += "},\"scores\":[";
  Number(m.scores[0], out);
  out += ',';
  Number(m.scores[1], out);
  out += "],\"result\":\"";
  out += ResultKey(m.result);
  out += "\",\"assisted\":";
  out += Flag(m.assisted);
  out += ",\"months\":[";
  for (std::size_t i = 0; i < m.months.size(); ++i) {
    if (i) out += ',';
    MonthJson(m.months[i], out);
  }
  out += "]}\n";
}

ExportResult ExportHistory(const fs::path& historyPath, const std::vector<std::int64_t>& ids, ExportFormat format,
                           const fs::path& target, const std::function<bool(std::size_t)>& progress) {
  ExportResult result;
  const std::string name = target.filename().string();
  fs::path file;
  result.failure = Refusal(target, file);
  if (!result.failure.empty()) return result;
  HistoryOpened opened = HistoryDatabase::Open(historyPath);
  if (!opened.database || opened.replaced) {
    // The matches chosen were those of the file now kept aside.
    result.failure = opened.notice + (opened.notice.empty() ? "" : "\n") + Tr("書き出しはやめました。");
    result.historyMoved = opened.replaced;
    return result;
  }
  TemporaryFile out(file);
  if (!out.Opened()) {
    result.failure = Fill(Tr("%1 のフォルダーに書き込めないので書き出せません。"), {name});
    return result;
  }
  std::string text;
  text.reserve(kFlushAt + (1 << 16));
  if (format == ExportFormat::Csv) AppendCsvHeader(text);
  bool written = true;
  const bool read = opened.database->ForEach(
      format == ExportFormat::Csv ? HistoryDetail::Months : HistoryDetail::Everything, [&](HistoryMatch& match) {
        if (!std::binary_search(ids.begin(), ids.end(), match.id)) return true;
        if (format == ExportFormat::Csv) {
          AppendCsvRow(match, text);
        } else {
          AppendJsonLine(match, text);
        }
        ++result.written;
        if (text.size() >= kFlushAt && !out.Write(text)) return written = false;
        const bool tell = result.written == 1 || result.written % kProgressEvery == 0;
        if (tell && !progress(result.written)) {
          result.cancelled = true;
          return false;
        }
        return true;
      });
  if (result.cancelled) return result;
  if (!read) {
    const std::string notice = opened.database->TakeNotice();
    result.historyMoved = !notice.empty();
    result.failure = (notice.empty() ? Tr("history.db を読みとおせませんでした。") : notice) + "\n" + Tr("書き出しはやめました。");
    return result;
  }
  if (!written || !out.Write(text) || !out.Finish()) {
    result.failure = Fill(Tr("%1 に書き出せませんでした（ディスクがいっぱいかもしれません）。"), {name});
    return result;
  }
  progress(result.written);
  return result;
}

}  // namespace pg
