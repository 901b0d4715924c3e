// The history database: matches read back whole, and the file kept safe from crashes, a second
// copy, damage and later versions.
#include "records/history_database.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "records/history_schema.h"
#include "records/history_statistics.h"
#include "records/history_writer.h"
#include "tests/records/history_sample.h"
#include "tools/bench/moves_as_rows.h"

namespace pg {
namespace {

namespace fs = std::filesystem;

// Changes the file behind the game's back, as another program or a later version would.
void RunSql(const fs::path& path, const std::string& sql) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
  sqlite3_close(db);
}

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::int64_t QueryNumber(const fs::path& path, const std::string& sql) {
  SqliteConnection c;
  std::int64_t value = -1;
  if (c.Open(path.string(), SQLITE_OPEN_READONLY)) c.QueryInteger(sql, value);
  return value;
}

class HistoryDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("pg_history_" + std::to_string(getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    path_ = folder_ / "history.db";
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Files moved aside beside history.db, by the tag in their name.
  int MovedAside(const std::string& tag) const {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      const std::string name = entry.path().filename().string();
      if (name.starts_with("history.db." + tag + "-") && !name.ends_with("-wal") && !name.ends_with("-shm")) ++count;
    }
    return count;
  }

  // The file kept aside under `tag`, without its log and index.
  fs::path Kept(const std::string& tag) const {
    for (const auto& entry : fs::directory_iterator(folder_)) {
      const std::string name = entry.path().filename().string();
      if (name.starts_with("history.db." + tag + "-") && !name.ends_with("-wal") && !name.ends_with("-shm"))
        return entry.path();
    }
    return {};
  }

  // `count` matches, each ending a minute after the one before, stored at once into `path`.
  static std::vector<HistoryMatch> Stored(const fs::path& path, int count) {
    std::vector<HistoryMatch> matches;
    auto opened = HistoryDatabase::Open(path);
    SqliteConnection c;
    c.Open(path.string(), SQLITE_OPEN_READWRITE);
    c.Execute("BEGIN");
    for (int i = 0; i < count; ++i) {
      HistoryMatch match =
          testing::SampleMatch(MatchOutcome::Won, "2026-12-01T11:" + std::to_string(10 + i % 50) + ":00Z");
      match.scores[0] = i;
      EXPECT_TRUE(InsertMatch(c, match));
      matches.push_back(match);
    }
    c.Execute("COMMIT");
    return matches;
  }

  // A child process that stores `count` matches and tells the pipe after each.
  pid_t StoreInChild(int count, int notify) const {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    auto opened = HistoryDatabase::Open(path_);
    for (int i = 0; i < count && opened.database; ++i) {
      HistoryMatch match = testing::SampleMatch();
      if (opened.database->Store(match)) _exit(2);
      if (notify >= 0 && write(notify, "x", 1) != 1) _exit(3);
    }
    _exit(opened.database ? 0 : 1);
  }

  fs::path folder_;
  fs::path path_;
};

TEST_F(HistoryDatabaseTest, StoredMatchReadsBackWholeWithItsDealsAndMoves) {
  auto opened = HistoryDatabase::Open(path_);
  ASSERT_TRUE(opened.database) << opened.notice;
  EXPECT_TRUE(opened.notice.empty());
  HistoryMatch won = testing::SampleMatch();
  HistoryMatch abandoned = testing::SampleMatch(MatchOutcome::Abandoned);
  abandoned.months.resize(1);
  ASSERT_FALSE(opened.database->Store(won));
  ASSERT_FALSE(opened.database->Store(abandoned));

  auto reopened = HistoryDatabase::Open(path_);
  ASSERT_TRUE(reopened.database);
  const auto loaded = reopened.database->Load(HistoryDetail::Everything);
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_EQ(loaded[0], won);
  EXPECT_EQ(loaded[1], abandoned);
  const auto summaries = reopened.database->Load(HistoryDetail::Matches);
  ASSERT_EQ(summaries.size(), 2u);
  EXPECT_TRUE(summaries[0].months.empty());
  const auto results = reopened.database->Load(HistoryDetail::Results);
  ASSERT_EQ(results.size(), 2u);
  ASSERT_EQ(results[0].months.size(), 2u);
  EXPECT_EQ(results[0].months[0].calls, won.months[0].calls);
  EXPECT_EQ(results[0].months[1].yaku, won.months[1].yaku);
  EXPECT_TRUE(results[0].months[0].moves.empty() && results[0].months[0].stock.empty());
}

TEST_F(HistoryDatabaseTest, UnreadableRowsAreSkippedAndNumbersHeldToTheGamesRange) {
  {
    auto opened = HistoryDatabase::Open(path_);
    HistoryMatch match = testing::SampleMatch();
    ASSERT_FALSE(opened.database->Store(match));
  }
  RunSql(path_,
         "INSERT INTO matches(started_at, ended_at, level, hanami_rule, tsukimi_rule, oya_rule, kiku_rule,"
         " hanami_points, tsukimi_points, player_score, computer_score, result)"
         " VALUES('', '', 'normal', 0, 0, 0, 0, 5, 5, 0, 0, 'victory');"
         "UPDATE matches SET player_score = 2147483647, computer_score = -9000000000 WHERE id = 1;"
         "UPDATE months SET payment = 2000000000 WHERE match_id = 1;");
  int skipped = 0;
  auto opened = HistoryDatabase::Open(path_);
  const auto loaded = opened.database->Load(HistoryDetail::Everything, &skipped);
  ASSERT_EQ(loaded.size(), 1u);
  EXPECT_EQ(skipped, 1);
  EXPECT_EQ(loaded[0].scores, (std::array<int, 2>{32767, -32768}));
  EXPECT_EQ(loaded[0].months[0].payment, 32767);
}

TEST_F(HistoryDatabaseTest, UnreadableFilesAreMovedAsideAndANewOneStarted) {
  struct Case {
    const char* name;
    std::function<void(const fs::path&)> spoil;
    const char* tag;
    const char* notice;
  };
  const Case cases[] = {
      {"not a database", [](const fs::path& path) { std::ofstream(path) << "STATUS.DAT was never meant to be here"; },
       "damaged", "壊れて"},
      {"another program's database",
       [](const fs::path& path) { RunSql(path, "CREATE TABLE notes(text TEXT); INSERT INTO notes VALUES('x');"); },
       "foreign", "このゲームの成績の記録ではありません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    c.spoil(path_);
    const auto before = fs::file_size(path_);
    auto opened = HistoryDatabase::Open(path_);
    ASSERT_TRUE(opened.database);
    EXPECT_NE(opened.notice.find(c.notice), std::string::npos) << opened.notice;
    ASSERT_EQ(MovedAside(c.tag), 1);
    for (const auto& entry : fs::directory_iterator(folder_)) {
      const std::string name = entry.path().filename().string();
      if (name.starts_with(std::string("history.db.") + c.tag) && !name.ends_with("-wal") && !name.ends_with("-shm")) {
        EXPECT_EQ(fs::file_size(entry.path()), before);
      }
    }
    HistoryMatch match = testing::SampleMatch();
    EXPECT_FALSE(opened.database->Store(match));
  }
}

// The log of another database, left beside ours: judged before anything folds it into the file.
TEST_F(HistoryDatabaseTest, AStrayLogNeverReplacesTheMatches) {
  struct Case {
    const char* name;
    std::function<void(const fs::path& other, const std::function<void()>& whileOpen)> make;
  };
  const Case cases[] = {
      {"another program's log",
       [](const fs::path& other, const std::function<void()>& whileOpen) {
         sqlite3* db = nullptr;
         sqlite3_open(other.c_str(), &db);
         sqlite3_exec(db, "PRAGMA journal_mode=WAL; CREATE TABLE notes(text TEXT); INSERT INTO notes VALUES('x');",
                      nullptr, nullptr, nullptr);
         whileOpen();
         sqlite3_close(db);
       }},
      {"the log of another history",
       [](const fs::path& other, const std::function<void()>& whileOpen) {
         auto opened = HistoryDatabase::Open(other);
         for (int i = 0; i < 2; ++i) {
           HistoryMatch match = testing::SampleMatch(MatchOutcome::Lost);
           opened.database->Store(match);
         }
         whileOpen();
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    const std::vector<HistoryMatch> ours = Stored(path_, 4);
    const std::string file = Bytes(path_);
    const fs::path other = folder_ / "other.db";
    c.make(other, [&] { fs::copy_file(other.string() + "-wal", path_.string() + "-wal"); });
    const std::string log = Bytes(path_.string() + "-wal");

    auto opened = HistoryDatabase::Open(path_);
    ASSERT_TRUE(opened.database) << opened.notice;
    EXPECT_NE(opened.notice.find("ほかのデータベース"), std::string::npos) << opened.notice;
    EXPECT_EQ(opened.database->Load(HistoryDetail::Everything), ours);
    opened.database.reset();
    const fs::path kept = Kept("damaged");
    EXPECT_EQ(Bytes(kept), file);
    EXPECT_EQ(Bytes(kept.string() + "-wal"), log);
  }
}

// A page of a table damaged past the file's header, a file cut short: found when the file is first
// opened, or by the first statement that meets the damage; the file is kept aside with its log and
// what still reads goes on in a new file.
TEST_F(HistoryDatabaseTest, DamageAnywhereInTheFileIsKeptAsideAndWhatReadsIsCarriedOver) {
  enum class When { AtOpen, Reading, Storing };
  struct Case {
    const char* name;
    When when;
    // Spoils the file: a page of the deals and moves the newest matches lie in, or its end.
    std::function<void(const fs::path&, std::int64_t page)> spoil;
  };
  auto zeros = [](const fs::path& path, std::int64_t page) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp((page - 1) * 4096);
    file << std::string(4096, '\0');
  };
  auto flipped = [](const fs::path& path, std::int64_t page) {
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    file.seekg((page - 1) * 4096);
    const char kind = static_cast<char>(~file.get());
    file.seekp((page - 1) * 4096);
    file.put(kind);
  };
  auto cut = [](const fs::path& path, std::int64_t) { fs::resize_file(path, fs::file_size(path) - 100); };
  const Case cases[] = {
      {"a page of zeros, at open", When::AtOpen, zeros},
      {"8 flipped bits, at open", When::AtOpen, flipped},
      {"cut inside its last page, at open", When::AtOpen, cut},
      {"a page of zeros, when read", When::Reading, zeros},
      {"8 flipped bits, when stored into", When::Storing, flipped},
      {"cut inside its last page, when stored into", When::Storing, cut},
  };
  constexpr int kMatches = 150;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    const std::vector<HistoryMatch> stored = Stored(path_, kMatches);
    const std::int64_t page =
        QueryNumber(path_, "SELECT max(pageno) FROM dbstat WHERE name = 'deals' AND pagetype = 'leaf'");
    ASSERT_GT(page, 2);
    std::unique_ptr<HistoryDatabase> database;
    std::string notice;
    if (c.when != When::AtOpen) {
      // Opened, and judged whole, before the damage.
      auto opened = HistoryDatabase::Open(path_);
      ASSERT_TRUE(opened.notice.empty()) << opened.notice;
      database = std::move(opened.database);
    }
    c.spoil(path_, page);
    const std::string spoiled = Bytes(path_);
    int skipped = 0;
    std::vector<HistoryMatch> read;
    if (c.when == When::AtOpen) {
      auto opened = HistoryDatabase::Open(path_);
      notice = opened.notice;
      database = std::move(opened.database);
      ASSERT_TRUE(database);
      read = database->Load(HistoryDetail::Everything, &skipped);
    } else if (c.when == When::Reading) {
      read = database->Load(HistoryDetail::Everything, &skipped);
      notice = database->TakeNotice();
    } else {
      HistoryMatch match = testing::SampleMatch(MatchOutcome::Level);
      EXPECT_FALSE(database->Store(match));
      notice = database->TakeNotice();
      read = database->Load(HistoryDetail::Everything, &skipped);
      ASSERT_FALSE(read.empty());
      EXPECT_EQ(read.back().result, MatchOutcome::Level) << "the match goes into the new file";
      read.pop_back();
    }
    EXPECT_NE(notice.find("壊れています"), std::string::npos) << notice;
    EXPECT_EQ(Bytes(Kept("damaged")), spoiled) << "kept as it was";
    EXPECT_LT(read.size(), stored.size());
    EXPECT_GT(read.size(), 0u);
    EXPECT_EQ(static_cast<int>(read.size()) + skipped, kMatches) << "the lost are told, never left out quietly";
    for (const HistoryMatch& match : read) {
      HistoryMatch expected = stored.at(static_cast<std::size_t>(match.scores[0]));
      expected.id = match.id;
      EXPECT_EQ(match, expected);
    }
  }
}

TEST_F(HistoryDatabaseTest, AFileOpenedAheadIsJudgedAsAtOpenAndToldToWhoeverOpensItFirst) {
  Stored(path_, 150);
  const std::int64_t page =
      QueryNumber(path_, "SELECT max(pageno) FROM dbstat WHERE name = 'deals' AND pagetype = 'leaf'");
  {
    std::fstream file(path_, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp((page - 1) * 4096);
    file << std::string(4096, '\0');
  }
  const std::string spoiled = Bytes(path_);
  const HistoryOpenedAhead ahead(path_);
  const fs::path other = folder_ / "other" / "history.db";
  fs::create_directories(other.parent_path());
  EXPECT_TRUE(HistoryDatabase::Open(other).notice.empty()) << "another file is opened on its own";
  HistoryOpened first = HistoryDatabase::Open(folder_ / "." / "history.db");
  EXPECT_FALSE(HistoryOpenedAhead::StillOpening(path_));
  ASSERT_TRUE(first.database);
  EXPECT_TRUE(first.replaced);
  EXPECT_NE(first.notice.find("壊れています"), std::string::npos) << first.notice;
  EXPECT_EQ(Bytes(Kept("damaged")), spoiled);
  const std::size_t carried = first.database->Load(HistoryDetail::Matches).size();
  EXPECT_GT(carried, 0u);
  HistoryOpened second = HistoryDatabase::Open(path_);
  EXPECT_TRUE(second.notice.empty()) << "told once";
  EXPECT_EQ(second.database->Load(HistoryDetail::Matches).size(), carried);
  EXPECT_EQ(MovedAside("damaged"), 1);
}

TEST_F(HistoryDatabaseTest, ALaterSchemaOpensReadOnlyAndKeepsItsMatches) {
  {
    auto opened = HistoryDatabase::Open(path_);
    HistoryMatch match = testing::SampleMatch();
    ASSERT_FALSE(opened.database->Store(match));
  }
  RunSql(path_, "PRAGMA user_version = " + std::to_string(kHistorySchemaVersion + 1));
  auto opened = HistoryDatabase::Open(path_);
  ASSERT_TRUE(opened.database);
  EXPECT_TRUE(opened.database->ReadOnly());
  EXPECT_NE(opened.notice.find("新しい"), std::string::npos);
  EXPECT_EQ(opened.database->Load(HistoryDetail::Matches).size(), 1u);
  HistoryMatch match = testing::SampleMatch();
  EXPECT_TRUE(opened.database->Store(match));
  EXPECT_EQ(opened.database->Load(HistoryDetail::Matches).size(), 1u);
  EXPECT_EQ(MovedAside("damaged") + MovedAside("foreign"), 0);
}

// What a history that cannot be written must be: shown whole, its statistics counted, a store
// refused with the folder named as the cause. 0 when all of it holds, else the first that failed.
int ReadOnlyFault(const fs::path& path, const std::vector<HistoryMatch>& matches) {
  HistoryOpened opened = HistoryDatabase::Open(path);
  if (!opened.database || !opened.database->ReadOnly()) return 1;
  if (opened.notice.find("書き込めません") == std::string::npos) return 2;
  if (opened.database->Load(HistoryDetail::Everything) != matches) return 3;
  if (ComputeStatistics(*opened.database, {}).played != static_cast<int>(matches.size())) return 4;
  HistoryMatch match = testing::SampleMatch();
  const auto refused = opened.database->Store(match);
  // Not a later version's file, which a read-only history was once said to be whatever the cause.
  if (!refused || refused->find("書き込めません") == std::string::npos) return 5;
  return 0;
}

// The folder's answer put in place of the system's, and real permissions in a process that is not
// root: the tests run as root, whom no permission stops.
TEST_F(HistoryDatabaseTest, AFolderThatCannotBeWrittenShowsItsHistoryReadOnly) {
  const std::vector<HistoryMatch> stored = Stored(path_, 3);
  const std::string before = Bytes(path_);
  SetWritableCheck([](const fs::path&) { return false; });
  const int fault = ReadOnlyFault(path_, stored);
  SetWritableCheck(nullptr);
  EXPECT_EQ(fault, 0);
  EXPECT_EQ(Bytes(path_), before) << "nothing written, the statistics' own figures neither";
  EXPECT_EQ(LogSize(path_), 0u);

  constexpr int kNoOtherUser = 254;
  fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                               fs::perms::others_exec);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0))
      _exit(kNoOtherUser);
    _exit(ReadOnlyFault(path_, stored));
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  fs::permissions(folder_, fs::perms::owner_all);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == kNoOtherUser) GTEST_SKIP() << "could not become another user";
  EXPECT_EQ(WEXITSTATUS(status), 0) << "in a folder that truly cannot be written";
  EXPECT_EQ(Bytes(path_), before);
}

TEST_F(HistoryDatabaseTest, AFileOfTheFirstSchemaGainsTheAssistedMarkWithItsMatchesUnaided) {
  const std::vector<HistoryMatch> stored = Stored(path_, 1);
  ASSERT_TRUE(bench::MovesAsRows(path_));
  // The first schema's file: no column for the mark, nor the table of counts, the deal codes and the
  // daily deal's table that came after it.
  RunSql(path_,
         "DROP TABLE match_figures; DROP TABLE daily_best; ALTER TABLE matches DROP COLUMN assisted;"
         " ALTER TABLE matches DROP COLUMN deal_code; ALTER TABLE matches DROP COLUMN daily_date;"
         " PRAGMA user_version = 1;");
  auto opened = HistoryDatabase::Open(path_);
  ASSERT_TRUE(opened.database);
  EXPECT_FALSE(opened.database->ReadOnly());
  HistoryMatch assisted = testing::SampleMatch();
  assisted.assisted = true;
  ASSERT_FALSE(opened.database->Store(assisted));
  const std::vector<HistoryMatch> loaded = opened.database->Load(HistoryDetail::Everything);
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_FALSE(loaded[0].assisted) << "older matches were played before there were hints";
  EXPECT_EQ(loaded[0].months, stored[0].months);
  EXPECT_TRUE(loaded[0].dealCode.empty() && loaded[0].dailyDate.empty());
  EXPECT_TRUE(loaded[1].assisted);
  EXPECT_EQ(loaded[1].months, assisted.months);
}

TEST_F(HistoryDatabaseTest, AnOlderFileInAFolderThatCannotBeWrittenIsShownInTheCurrentLayout) {
  const std::vector<HistoryMatch> stored = Stored(path_, 2);
  ASSERT_TRUE(bench::MovesAsRows(path_));
  RunSql(path_,
         "DROP TABLE match_figures; DROP TABLE daily_best; ALTER TABLE matches DROP COLUMN assisted;"
         " ALTER TABLE matches DROP COLUMN deal_code; ALTER TABLE matches DROP COLUMN daily_date;"
         " PRAGMA user_version = 1;");
  const std::string before = Bytes(path_);
  SetWritableCheck([](const fs::path&) { return false; });
  const int fault = ReadOnlyFault(path_, stored);
  SetWritableCheck(nullptr);
  EXPECT_EQ(fault, 0);
  EXPECT_EQ(Bytes(path_), before);
}

TEST_F(HistoryDatabaseTest, AFailedStoreTellsTheFirstErrorAndKeepsNothingOfTheMatch) {
  {
    auto opened = HistoryDatabase::Open(path_);
    HistoryMatch match = testing::SampleMatch();
    ASSERT_FALSE(opened.database->Store(match));
  }
  RunSql(path_, "CREATE TRIGGER refuse BEFORE INSERT ON deals BEGIN SELECT RAISE(ABORT, 'deals refused'); END;");
  auto opened = HistoryDatabase::Open(path_);
  HistoryMatch match = testing::SampleMatch(MatchOutcome::Lost);
  const auto failed = opened.database->Store(match);
  ASSERT_TRUE(failed);
  EXPECT_NE(failed->find("deals refused"), std::string::npos) << *failed;
  EXPECT_EQ(opened.database->Load(HistoryDetail::Matches).size(), 1u);
}

TEST_F(HistoryDatabaseTest, WhatBearsTheNameIsNamedInTheReason) {
  auto opened = HistoryDatabase::Open(folder_ / "missing" / "history.db");
  EXPECT_FALSE(opened.database);
  EXPECT_NE(opened.notice.find("history.db"), std::string::npos);
  const std::pair<std::function<void()>, const char*> cases[] = {
      {[&] { fs::create_directories(path_); }, "フォルダー"},
      {[&] { fs::create_symlink(path_, path_); }, "輪"},
      {[&] { fs::create_symlink(folder_ / "nowhere.db", path_); }, "行き先のない"},
      {[&] { fs::create_symlink("/dev/null", path_); }, "装置ファイル"},
  };
  for (const auto& [make, reason] : cases) {
    SCOPED_TRACE(reason);
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    make();
    opened = HistoryDatabase::Open(path_);
    EXPECT_FALSE(opened.database);
    EXPECT_NE(opened.notice.find(reason), std::string::npos) << opened.notice;
    // Refused before SQLite is asked: nothing is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
  }
}

TEST_F(HistoryDatabaseTest, TwoCopiesStoringAtOnceLoseNothing) {
  constexpr int kEach = 25;
  const pid_t first = StoreInChild(kEach, -1);
  const pid_t second = StoreInChild(kEach, -1);
  for (pid_t child : {first, second}) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  }
  auto opened = HistoryDatabase::Open(path_);
  const auto loaded = opened.database->Load(HistoryDetail::Everything);
  ASSERT_EQ(loaded.size(), 2u * kEach);
  for (const HistoryMatch& match : loaded) EXPECT_EQ(match.months.size(), 2u);
}

TEST_F(HistoryDatabaseTest, AKillWhileStoringLeavesEveryStoredMatchWhole) {
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  const pid_t child = StoreInChild(100000, pipeEnds[1]);
  close(pipeEnds[1]);
  // Killed once it has stored a few: the kill lands wherever that copy happens to be.
  constexpr int kStoredBeforeKill = 5;
  int told = 0;
  char byte;
  while (told < kStoredBeforeKill && read(pipeEnds[0], &byte, 1) == 1) ++told;
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  close(pipeEnds[0]);
  ASSERT_EQ(told, kStoredBeforeKill);

  auto opened = HistoryDatabase::Open(path_);
  ASSERT_TRUE(opened.database) << opened.notice;
  EXPECT_TRUE(opened.notice.empty()) << opened.notice;
  const auto loaded = opened.database->Load(HistoryDetail::Everything);
  EXPECT_GE(loaded.size(), static_cast<std::size_t>(kStoredBeforeKill));
  for (const HistoryMatch& match : loaded) {
    HistoryMatch expected = testing::SampleMatch();
    expected.id = match.id;
    EXPECT_EQ(match, expected);
  }
}

// Moves kept a row each are packed in the one transaction that brings the file forward: a kill at any
// point leaves it in one layout or the other, and every move reads back.
TEST_F(HistoryDatabaseTest, MovesKeptARowEachArePackedWholeAndAKillMidwayLosesNothing) {
  const std::vector<HistoryMatch> stored = Stored(path_, 3000);
  ASSERT_TRUE(bench::MovesAsRows(path_));
  const std::string older = Bytes(path_);
  for (const int killAfterMs : {1, 5, 20, 60, -1}) {
    SCOPED_TRACE(killAfterMs);
    fs::remove(path_.string() + "-wal");
    fs::remove(path_.string() + "-shm");
    std::ofstream(path_, std::ios::binary | std::ios::trunc) << older;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) _exit(HistoryDatabase::Open(path_).database ? 0 : 1);
    if (killAfterMs >= 0) {
      std::this_thread::sleep_for(std::chrono::milliseconds(killAfterMs));
      kill(child, SIGKILL);
    }
    waitpid(child, nullptr, 0);
    const std::int64_t version = QueryNumber(path_, "PRAGMA user_version");
    EXPECT_EQ(QueryNumber(path_, "SELECT count(*) FROM sqlite_master WHERE name = 'moves'"), version < 5 ? 1 : 0)
        << "version " << version << ": never half brought forward";
    auto opened = HistoryDatabase::Open(path_);
    ASSERT_TRUE(opened.database);
    EXPECT_TRUE(opened.notice.empty()) << opened.notice;
    EXPECT_EQ(opened.database->Load(HistoryDetail::Everything), stored);
    EXPECT_EQ(QueryNumber(path_, "PRAGMA user_version"), kHistorySchemaVersion);
  }
}

// Packed moves are data from disk: a value the game never writes makes its match unreadable and
// counted, never a crash; moves that cannot be packed are kept as they were.
TEST_F(HistoryDatabaseTest, PackedMovesTheGameNeverWritesLeaveTheirMatchOutAndCounted) {
  const char* values[] = {"NULL", "x'0030'", "x'00ff'", "x'08'", "x'4000'", "zeroblob(130)"};
  for (const char* value : values) {
    SCOPED_TRACE(value);
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    Stored(path_, 3);
    RunSql(path_, std::string("UPDATE deals SET moves = ") + value + " WHERE match_id = 2 AND month = 1");
    auto opened = HistoryDatabase::Open(path_);
    int skipped = 0;
    const auto loaded = opened.database->Load(HistoryDetail::Everything, &skipped);
    EXPECT_EQ(loaded.size(), 2u);
    EXPECT_EQ(skipped, 1);
    EXPECT_EQ(ComputeStatistics(*opened.database, {}).played, 3) << "the results still count";
  }
  fs::remove_all(folder_);
  fs::create_directories(folder_);
  Stored(path_, 3);
  ASSERT_TRUE(bench::MovesAsRows(path_));
  RunSql(path_, "UPDATE moves SET card = 'FF' WHERE match_id = 2 AND month = 1 AND seq = 0");
  int skipped = 0;
  EXPECT_EQ(HistoryDatabase::Open(path_).database->Load(HistoryDetail::Everything, &skipped).size(), 2u);
  EXPECT_EQ(skipped, 1);
  EXPECT_EQ(QueryNumber(path_, "SELECT count(*) FROM unpacked_moves WHERE match_id = 2 AND month = 1"), 3);
  EXPECT_EQ(QueryNumber(path_, "SELECT count(*) FROM unpacked_moves WHERE card = 'FF'"), 1);
}

}  // namespace
}  // namespace pg
