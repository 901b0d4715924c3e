// The history database: matches read back whole, and the file kept safe from crashes, a second
// copy, damage and later versions.
#include "records/history_database.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "records/history_export.h"
#include "records/history_schema.h"
#include "tests/records/history_sample.h"

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

TEST_F(HistoryDatabaseTest, UnreadableRowsAreSkippedAndCounted) {
  {
    auto opened = HistoryDatabase::Open(path_);
    HistoryMatch match = testing::SampleMatch();
    ASSERT_FALSE(opened.database->Store(match));
  }
  RunSql(path_,
         "INSERT INTO matches(started_at, ended_at, level, hanami_rule, tsukimi_rule, oya_rule, kiku_rule,"
         " hanami_points, tsukimi_points, player_score, computer_score, result)"
         " VALUES('', '', 'normal', 0, 0, 0, 0, 5, 5, 0, 0, 'victory')");
  int skipped = 0;
  auto opened = HistoryDatabase::Open(path_);
  EXPECT_EQ(opened.database->Load(HistoryDetail::Everything, &skipped).size(), 1u);
  EXPECT_EQ(skipped, 1);
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

TEST_F(HistoryDatabaseTest, AFileOfTheFirstSchemaGainsTheAssistedMarkWithItsMatchesUnaided) {
  {
    auto opened = HistoryDatabase::Open(path_);
    HistoryMatch match = testing::SampleMatch();
    ASSERT_FALSE(opened.database->Store(match));
  }
  // The first schema's file: no column for the mark, nor the table of counts that came after it.
  RunSql(path_, "DROP TABLE match_figures; ALTER TABLE matches DROP COLUMN assisted; PRAGMA user_version = 1;");
  auto opened = HistoryDatabase::Open(path_);
  ASSERT_TRUE(opened.database);
  EXPECT_FALSE(opened.database->ReadOnly());
  HistoryMatch assisted = testing::SampleMatch();
  assisted.assisted = true;
  ASSERT_FALSE(opened.database->Store(assisted));
  const std::vector<HistoryMatch> loaded = opened.database->Load(HistoryDetail::Everything);
  ASSERT_EQ(loaded.size(), 2u);
  EXPECT_FALSE(loaded[0].assisted) << "older matches were played before there were hints";
  EXPECT_TRUE(loaded[1].assisted);
  EXPECT_EQ(loaded[1].months, assisted.months);
}

TEST_F(HistoryDatabaseTest, AFolderThatCannotBeWrittenIsReported) {
  auto opened = HistoryDatabase::Open(folder_ / "missing" / "history.db");
  EXPECT_FALSE(opened.database);
  EXPECT_NE(opened.notice.find("history.db"), std::string::npos);
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

TEST(HistoryExportTest, CsvHasARowAMatchAndJsonLinesAMatchALineWithItsMoves) {
  HistoryMatch match = testing::SampleMatch();
  match.id = 4;
  match.level = "normal, \"quoted\"";
  std::ostringstream csv;
  WriteHistoryCsv({match, match}, csv);
  const std::string rows = csv.str();
  EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 3);
  EXPECT_EQ(rows.substr(rows.find('\n') + 1, rows.find('\n', rows.find('\n') + 1) - rows.find('\n')),
            "4,2026-12-01T10:00:00Z,2026-12-01T10:20:00Z,\"normal, \"\"quoted\"\"\",0,0,0,0,5,3,12,6,6,won,2,0\n");
  std::ostringstream json;
  WriteHistoryJsonLines({match}, json);
  const std::string line = json.str();
  EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
  EXPECT_NE(line.find("\"level\":\"normal, \\\"quoted\\\"\""), std::string::npos) << line;
  EXPECT_NE(line.find("\"assisted\":false,"), std::string::npos) << line;
  EXPECT_NE(line.find("{\"side\":1,\"from_stock\":false,\"card\":\"22\",\"chosen\":\"21\",\"taken\":[\"21\"]}"),
            std::string::npos);
  EXPECT_NE(line.find("{\"side\":0,\"kind\":\"koikoi\",\"points_held\":5,\"doubled\":false,\"outcome\":\"won\"}"),
            std::string::npos);
}

}  // namespace
}  // namespace pg
