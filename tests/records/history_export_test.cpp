// The exports: what a row and a line hold, and a target that is only ever replaced whole.
#include "records/history_export.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "records/history_database.h"
#include "tests/records/history_sample.h"

namespace pg {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(HistoryExportTest, CsvHasARowAMatchAndJsonLinesAMatchALineWithItsRulesByName) {
  HistoryMatch match = testing::SampleMatch();
  match.id = 4;
  match.level = "normal, \"quoted\"";
  match.rules.KikuRule = 1;
  // The limits of the stored type: the margin is still right.
  match.scores = {32767, -32768};
  match.months[1].moves[0].taken = {"11", "13"};
  std::string csv;
  AppendCsvHeader(csv);
  AppendCsvRow(match, csv);
  EXPECT_EQ(csv.substr(csv.find('\n') + 1),
            "4,2026-12-01T10:00:00Z,2026-12-01T10:20:00Z,\"normal, \"\"quoted\"\"\",true,true,true,kasu,5,3,32767,"
            "-32768,65535,won,2,false\n");
  std::string line;
  AppendJsonLine(match, line);
  EXPECT_EQ(std::count(line.begin(), line.end(), '\n'), 1);
  for (const char* part : {
           "\"level\":\"normal, \\\"quoted\\\"\"",
           "\"rules\":{\"hanami\":true,\"tsukimi\":true,\"oya_right\":true,\"kiku_cup\":\"kasu\",\"hanami_points\":5,"
           "\"tsukimi_points\":3}",
           "\"assisted\":false,",
           "\"moves\":[\"0h12:11\",\"0s91\",\"1h22/21:21\"]",
           "\"moves\":[\"0h12:1113\"]",
           "\"table\":\"11 21 33 44 52 64 73 84\",\"hands\":[\"12 13 31 41 51 61 71 81\",",
           "{\"side\":0,\"kind\":\"koikoi\",\"points_held\":5,\"doubled\":false,\"outcome\":\"won\"}",
       }) {
    EXPECT_NE(line.find(part), std::string::npos) << part << "\n" << line;
  }
}

class HistoryExportFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("pg_export_" + std::to_string(getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    history_ = folder_ / "history.db";
    auto opened = HistoryDatabase::Open(history_);
    for (int i = 0; i < 3; ++i) {
      HistoryMatch match = testing::SampleMatch();
      opened.database->Store(match);
      ids_.push_back(match.id);
    }
  }
  void TearDown() override { fs::remove_all(folder_); }

  ExportResult Export(const fs::path& target, const std::function<bool(std::size_t)>& progress = nullptr) {
    return ExportHistory(
        history_, ids_, ExportFormat::JsonLines, target, progress ? progress : [](std::size_t) { return true; });
  }
  // Nothing but the history and what the test put there: no temporary file left behind.
  std::size_t Entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
  }

  fs::path folder_;
  fs::path history_;
  std::vector<std::int64_t> ids_;
};

TEST_F(HistoryExportFileTest, AnExportReplacesItsTargetWholeOrNotAtAll) {
  const fs::path target = folder_ / "old.jsonl";
  std::ofstream(target) << "kept\n";
  const std::size_t entries = Entries();

  const ExportResult cancelled = Export(target, [](std::size_t) { return false; });
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_EQ(Bytes(target), "kept\n");
  EXPECT_EQ(Entries(), entries);

  // The history damaged under the window: nothing written, and the player told why.
  {
    std::fstream file(history_, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(4096);
    file << std::string(4096, '\0');
  }
  const ExportResult failed = Export(target);
  EXPECT_NE(failed.failure.find("壊れています"), std::string::npos) << failed.failure;
  EXPECT_TRUE(failed.historyMoved);
  EXPECT_EQ(Bytes(target), "kept\n");

  const ExportResult written = Export(target);
  EXPECT_TRUE(written.failure.empty()) << written.failure;
  const std::string lines = Bytes(target);
  EXPECT_EQ(static_cast<std::size_t>(std::count(lines.begin(), lines.end(), '\n')), written.written);
}

TEST_F(HistoryExportFileTest, OnlyARegularFileOrANewNameIsWrittenTo) {
  const fs::path fifo = folder_ / "pipe.jsonl";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  fs::create_directories(folder_ / "folder.jsonl");
  fs::create_symlink(folder_ / "nowhere", folder_ / "dangling.jsonl");
  for (const char* name : {"pipe.jsonl", "folder.jsonl", "dangling.jsonl"}) {
    SCOPED_TRACE(name);
    // A pipe nobody reads would hold the export in open() for ever: it is refused unopened.
    const ExportResult refused = Export(folder_ / name);
    EXPECT_NE(refused.failure.find(name), std::string::npos) << refused.failure;
    EXPECT_EQ(refused.written, 0u);
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  // A link to a regular file writes through to it.
  std::ofstream(folder_ / "real.csv") << "old";
  fs::create_symlink(folder_ / "real.csv", folder_ / "link.csv");
  EXPECT_TRUE(Export(folder_ / "link.csv").failure.empty());
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.csv"));
  EXPECT_EQ(Bytes(folder_ / "real.csv"), Bytes(folder_ / "link.csv"));
  EXPECT_NE(Bytes(folder_ / "real.csv"), "old");
}

}  // namespace
}  // namespace pg
