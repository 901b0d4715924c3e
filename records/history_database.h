// history.db: every match stored in SQLite, safe against crashes, a second copy and a damaged file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "records/history_match.h"
#include "records/sqlite_statement.h"

namespace pg {

class HistoryDatabase;

// How much of each match a reader needs: the statistics read the months' results, yaku and calls
// but none of the cards, which is most of the file.
enum class HistoryDetail { Matches, Results, Everything };

struct HistoryOpened {
  // Null when no database could be opened or created at all.
  std::unique_ptr<HistoryDatabase> database;
  // What the player must be told (in Japanese): a file moved aside, a later version's file,
  // or why nothing can be stored. Empty when all went well.
  std::string notice;
};

// The file the history lives in, beside STATUS.DAT.
std::filesystem::path HistoryPathBeside(const std::filesystem::path& statusPath);

class HistoryDatabase {
 public:
  // Opens the file, or starts it when there is none. A file that is not a database, is damaged
  // or is another program's is moved aside with a time stamp and a new one started; a file from a
  // later schema is opened read-only; an older one is brought forward.
  static HistoryOpened Open(const std::filesystem::path& path);

  bool ReadOnly() const { return readOnly_; }
  const std::filesystem::path& Path() const { return path_; }

  // Stores the match whole in one transaction and gives it its id. On failure nothing of it is
  // stored and the reason is returned, in Japanese, to follow kNotStored.
  std::optional<std::string> Store(HistoryMatch& match);

  // Every stored match, oldest first. Rows that cannot be read (an unknown result, say) are left
  // out and counted in `skipped`.
  std::vector<HistoryMatch> Load(HistoryDetail detail, int* skipped = nullptr);
  // One match whole, deals and moves included: what a replay shows. Nothing when there is no such
  // match or its row cannot be read.
  std::optional<HistoryMatch> LoadMatch(std::int64_t id);

  // For the readers that count in SQL rather than read the matches (records/history_statistics.h).
  SqliteConnection& Connection() { return connection_; }

 private:
  HistoryDatabase(std::filesystem::path path, bool readOnly) : path_(std::move(path)), readOnly_(readOnly) {}
  bool Write(HistoryMatch& match);
  // Every match, or only match `only`.
  std::vector<HistoryMatch> Read(HistoryDetail detail, int* skipped, std::optional<std::int64_t> only);

  std::filesystem::path path_;
  bool readOnly_;
  SqliteConnection connection_;
};

// The message a failed store opens with.
inline constexpr const char* kNotStored = "この対戦を記録できませんでした。";

}  // namespace pg
