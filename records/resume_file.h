// RESUME.TXT beside STATUS.DAT: a match the game was ended in the middle of, kept as its start and
// the player's clicks, so that the next start can play it again to the same moment.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/lock_file.h"
#include "records/status_file.h"
#include "records/status_records.h"

namespace pg {

inline constexpr const char* kResumeFileName = "RESUME.TXT";

// A random source's four words; the game's, the search's and the advisor's sources in that order.
using StoredSources = std::array<std::array<std::uint64_t, 4>, 3>;

inline constexpr int kStoredTableClick = -1;
// More clicks than any match takes, and win dialogs per click; a longer list is a damaged file.
inline constexpr std::size_t kMostStoredClicks = 4000;
inline constexpr std::size_t kMostWinButtons = 8;
inline constexpr int kWinButtonCount = 3;

struct StoredClick {
  // Card(card), 0 to 47, or the table (kStoredTableClick).
  int card = kStoredTableClick;
  // Each 0 to kWinButtonCount - 1.
  std::vector<int> winButtons;
  std::optional<StoredSources> sources;
};

struct ResumeRecord {
  // The level by its stored name, and the rules as STATUS.DAT keeps them.
  std::string level;
  RuleSettings rules;
  // The deal code ("" for a match started with プレイ) and a daily deal's date ("" for none).
  std::string dealCode;
  std::string dailyDate;
  bool assisted = false;
  StoredSources start{};
  // The sources when the game ended, or as the click still running began.
  StoredSources now{};
  std::vector<StoredClick> clicks;
  // A click that was still running when the game ended: it is played again, live.
  std::optional<StoredClick> running;
};

std::filesystem::path ResumePathBeside(const std::filesystem::path& statusPath);

std::string ResumeText(const ResumeRecord& record);
// The record `text` holds, or none with the reason in Japanese: another file's first line, a line
// missing or out of its place, a number out of its range.
std::optional<ResumeRecord> ReadResumeText(std::string_view text, std::string& why);

enum class ResumeRead { Read, Missing, Damaged };

struct LoadedResume {
  ResumeRead read = ResumeRead::Missing;
  ResumeRecord record;
  std::string why;
};

LoadedResume LoadResumeFile(const std::filesystem::path& path);
// Written to a new file beside it, synced and renamed into place.
[[nodiscard]] std::optional<StatusFileError> SaveResumeFile(const std::filesystem::path& path,
                                                            const ResumeRecord& record);
// Takes the file for this copy alone by renaming it to a name of this process's own; none when
// another copy took it first (or it is gone).
std::optional<std::filesystem::path> ClaimResumeFile(const std::filesystem::path& path);
// Held, in RESUME.TXT.lock beside the file, by the copy whose match RESUME.TXT is while that copy
// plays on: a copy starting meanwhile leaves the match to it. The system drops the lock when the
// copy ends, however it ends, so a match kept by a copy that crashed is offered at the next start.
class ResumeLock {
 public:
  // False when another copy holds it, or when the lock file cannot be made.
  bool Take(const std::filesystem::path& resumePath);
  void Drop() { fd_.Close(); }
  bool Held() const { return fd_.Get() >= 0; }
  // Another copy holds the lock beside `resumePath`.
  static bool HeldElsewhere(const std::filesystem::path& resumePath);

 private:
  FileDescriptor fd_;
};

// Moves a file that cannot be used aside whole ("RESUME.TXT.damaged", replacing an older one); the
// name it now has, or none when even that failed.
std::optional<std::filesystem::path> SetAsideResumeFile(const std::filesystem::path& path,
                                                        const std::filesystem::path& original);

}  // namespace pg
