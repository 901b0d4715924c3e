// STATUS.DAT on disk in a temporary folder: loads, saves that keep every other byte, failed saves
// that lose nothing, and the lock between processes.
#include "records/status_file.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>

#include "records/status_codec.h"
#include "tests/records/status_dump.h"

namespace pg::test {
namespace {

namespace fs = std::filesystem;

StatusRecords Sample() {
  StatusRecords r;
  r.windows.left = {-300, 15, 4500, 30000, -1, 0};
  r.windows.top = {2400, -600, 1, 2, 3, 4};
  r.total.name = {"桜", "bob", "", "", ""};
  r.total.Yten = {30, 20, 0, 0, 0};
  r.total.Cten = {5, 10, 0, 0, 0};
  r.total.ten = {25, 10, 0, 0, 0};
  r.game.points = {12, 0, 0};
  r.game.name = {"桜", "", ""};
  r.game.yaku = {"猪鹿蝶　　   5文", "", ""};
  r.options.Speed = 22;
  r.options.WallChoice = 3;
  r.options.WallFile = "/home/桜/壁紙.png";
  r.options.ScreenMode = 0;
  r.options.YakuDisplay = 2;
  r.options.FaceFile0 = "Original";
  r.options.FaceFile1 = "顔.bmp";
  r.rules = {1, 1, 0, 1, 2, 4};
  return r;
}

// Bytes that no encoder writes, so that any byte a save should not touch but does shows.
std::string Noise(std::size_t size) {
  std::string bytes;
  for (std::size_t i = 0; i < size; ++i) bytes += static_cast<char>((i * 131 + 17) % 251);
  return bytes;
}

constexpr int kNoOtherUser = 254;

// Runs both saves and returns the errno they both failed with, if each gave the expected reason:
// 0 if either saved, 255 if they disagree. An exit code too, for the tests that save in a child.
int FailedSaves(const fs::path& target, const std::string& reason) {
  const StatusRecords sample = Sample();
  const std::optional<StatusFileError> exit = SaveExitRecords(target, sample.windows, sample.options, sample.rules);
  const std::optional<StatusFileError> scores = SaveHighScores(target, sample.total, sample.game);
  if (!exit || !scores) return 0;
  if (exit->errorNumber != scores->errorNumber || exit->reason != reason || scores->reason != reason) return 255;
  return exit->errorNumber;
}

class StatusFileTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::path(testing::TempDir()) / "petalgame-status-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder = pattern;
    path = folder / "STATUS.DAT";
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ignored);
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder, ignored)) {
      fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
    }
    fs::remove_all(folder, ignored);
  }

  std::string Bytes() const {
    if (!fs::is_regular_file(path)) return {};
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  void Write(const std::string& bytes) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
  }
  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
    return names;
  }
  std::int16_t LockWord() const { return DecodeStatusLock(Bytes()).value; }
  // Both saves fail with the given cause and leave the folder exactly as it was.
  void ExpectSavesFailAndKeepEverything(const fs::path& target, int errorNumber, const std::string& reason) {
    const std::string before = Bytes();
    const std::set<std::string> entries = Entries();
    EXPECT_EQ(FailedSaves(target, reason), errorNumber);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(Entries(), entries);
  }

  // Permission bits do not stop root, so then the saves run in a child that has become nobody and owns
  // the folder and the file, as a player would.
  void ExpectPermissionsStopTheSaves(fs::perms folderPerms, fs::perms filePerms) {
    const std::string before = Bytes();
    const std::set<std::string> entries = Entries();
    const std::string reason = "書き込みが許可されていません。";
    int result = 0;
    if (::geteuid() != 0) {
      fs::permissions(path, filePerms);
      fs::permissions(folder, folderPerms);
      result = FailedSaves(path, reason);
    } else {
      const passwd* nobody = ::getpwnam("nobody");
      const uid_t uid = nobody ? nobody->pw_uid : 65534;
      const gid_t gid = nobody ? nobody->pw_gid : 65534;
      ASSERT_EQ(::chown(folder.c_str(), uid, gid), 0);
      ASSERT_EQ(::chown(path.c_str(), uid, gid), 0);
      fs::permissions(path, filePerms);
      fs::permissions(folder, folderPerms);
      const pid_t child = ::fork();
      ASSERT_GE(child, 0);
      if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) ::_exit(kNoOtherUser);
        ::_exit(FailedSaves(path, reason));
      }
      int status = 0;
      ASSERT_EQ(::waitpid(child, &status, 0), child);
      ASSERT_TRUE(WIFEXITED(status));
      result = WEXITSTATUS(status);
    }
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    fs::permissions(path, fs::perms::owner_read, fs::perm_options::add);
    if (result == kNoOtherUser) GTEST_SKIP() << "could not become another user to test permissions";
    EXPECT_EQ(result, EACCES);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(Entries(), entries);
  }

  fs::path folder;
  fs::path path;
};

TEST_F(StatusFileTest, LoadsDefaultsWhenThereIsNoUsableFile) {
  struct Row {
    const char* what;
    std::function<void()> make;
  };
  const Row rows[] = {
      {"no file", [] {}},
      {"empty file", [&] { Write(""); }},
      {"a few stray bytes", [&] { Write("\x01\x02\x03"); }},
      {"a folder in its place", [&] { fs::create_directory(path); }},
      // Opening a FIFO for reading would wait for a writer forever.
      {"a FIFO in its place", [&] { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }},
  };
  const std::string defaults = Dump(DefaultStatusRecords());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    fs::remove_all(path);
    row.make();
    EXPECT_EQ(Dump(LoadStatusFile(path)), defaults);
    const HighScoreTables tables = ReadHighScores(path);
    EXPECT_EQ(Dump(tables.total) + Dump(tables.game),
              Dump(DefaultStatusRecords().total) + Dump(DefaultStatusRecords().game));
  }
}

TEST_F(StatusFileTest, SavedRecordsLoadBack) {
  const StatusRecords sample = Sample();
  ASSERT_EQ(SaveExitRecords(path, sample.windows, sample.options, sample.rules), std::nullopt);
  ASSERT_EQ(SaveHighScores(path, sample.total, sample.game), std::nullopt);
  EXPECT_EQ(Dump(LoadStatusFile(path)), Dump(sample));
  const HighScoreTables tables = ReadHighScores(path);
  EXPECT_EQ(Dump(tables.total) + Dump(tables.game), Dump(sample.total) + Dump(sample.game));
  EXPECT_EQ(Entries(), std::set<std::string>{"STATUS.DAT"});
}

TEST_F(StatusFileTest, ASaveChangesItsOwnRecordsAndNoOtherByte) {
  const StatusRecords sample = Sample();
  struct Row {
    const char* what;
    std::function<std::optional<StatusFileError>()> save;
    std::set<StatusRecord> changed;
  };
  const Row rows[] = {
      {"exit",
       [&] { return SaveExitRecords(path, sample.windows, sample.options, sample.rules); },
       {StatusRecord::WindowPositions, StatusRecord::OptionSettings, StatusRecord::RuleSettings}},
      {"high scores",
       [&] { return SaveHighScores(path, sample.total, sample.game); },
       {StatusRecord::TotalTable, StatusRecord::GameTable}},
  };
  const std::string slots[] = {EncodeSlot(sample.windows), EncodeSlot(sample.total), EncodeSlot(sample.game),
                               EncodeSlot(sample.options), EncodeSlot(sample.rules)};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const std::string before = Noise(kStatusFileSize + 77);
    Write(before);
    ASSERT_EQ(row.save(), std::nullopt);
    const std::string after = Bytes();
    ASSERT_EQ(after.size(), before.size());
    for (int n = 1; n <= kStatusRecordCount; ++n) {
      SCOPED_TRACE(n);
      const auto record = static_cast<StatusRecord>(n);
      const std::string slot = after.substr(SlotOffset(record), kStatusSlotSize);
      if (row.changed.count(record)) {
        EXPECT_EQ(slot, slots[n - 1]);
      } else {
        EXPECT_EQ(slot, before.substr(SlotOffset(record), kStatusSlotSize));
      }
    }
    EXPECT_EQ(after.substr(kStatusFileSize), before.substr(kStatusFileSize));
    EXPECT_EQ(Entries(), std::set<std::string>{"STATUS.DAT"});
  }
}

TEST_F(StatusFileTest, ASaveKeepsTheFilesPermissions) {
  Write(Noise(kStatusFileSize));
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const StatusRecords sample = Sample();
  ASSERT_EQ(SaveHighScores(path, sample.total, sample.game), std::nullopt);
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(StatusFileTest, ASaveKeepsTheFilesOwnerWhenRootSaves) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
  const passwd* nobody = ::getpwnam("nobody");
  const uid_t uid = nobody ? nobody->pw_uid : 65534;
  const gid_t gid = nobody ? nobody->pw_gid : 65534;
  Write(Noise(kStatusFileSize));
  ASSERT_EQ(::chown(path.c_str(), uid, gid), 0);
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const StatusRecords sample = Sample();
  ASSERT_EQ(SaveExitRecords(path, sample.windows, sample.options, sample.rules), std::nullopt);
  struct stat info {};
  ASSERT_EQ(::stat(path.c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, uid);
  EXPECT_EQ(info.st_gid, gid);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// After a run as root the lock file stays root's, readable only; the player's next quit still locks.
TEST_F(StatusFileTest, ALockFileLeftByRootStillLocksForThePlayer) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root can leave a file the player cannot write";
  const passwd* nobody = ::getpwnam("nobody");
  const uid_t uid = nobody ? nobody->pw_uid : 65534;
  const gid_t gid = nobody ? nobody->pw_gid : 65534;
  Write(Noise(kStatusFileSize));
  ASSERT_EQ(::chown(folder.c_str(), uid, gid), 0);
  ASSERT_EQ(::chown(path.c_str(), uid, gid), 0);
  std::ofstream(LockFilePath(path)) << "";
  fs::permissions(LockFilePath(path),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) ::_exit(kNoOtherUser);
    StatusFileLock lock(path);
    if (lock.TryAcquire().outcome != LockOutcome::Acquired) ::_exit(1);
    ::_exit(lock.Release() ? 2 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == kNoOtherUser) GTEST_SKIP() << "could not become another user";
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(LockWord(), kLockFree);
}

// A file grown to gigabytes (sparse, so it costs the disk nothing until copied) is cut back to the
// records and a bounded tail by the lock, the save and the release, and is never copied whole.
TEST_F(StatusFileTest, AHugeFileIsCutBackToABoundedTailBySaves) {
  const std::string head = Noise(kStatusFileSize + 100);
  Write(head);
  constexpr off_t kHuge = off_t{4} << 30;
  ASSERT_EQ(::truncate(path.c_str(), kHuge), 0);
  StatusFileLock lock(path);
  ASSERT_EQ(lock.TryAcquire().outcome, LockOutcome::Acquired);
  const StatusRecords sample = Sample();
  ASSERT_EQ(SaveExitRecords(path, sample.windows, sample.options, sample.rules), std::nullopt);
  ASSERT_EQ(lock.Release(), std::nullopt);
  ASSERT_EQ(fs::file_size(path), kStatusFileSize + kKeptTrailingBytes);
  const std::string after = Bytes();
  EXPECT_EQ(after.substr(kStatusFileSize, 100), head.substr(kStatusFileSize)) << "the tail's start is kept";
  EXPECT_EQ(Dump(LoadStatusFile(path).options), Dump(sample.options));
  EXPECT_EQ(LockWord(), kLockFree);
}

TEST_F(StatusFileTest, ASaveIntoAReadOnlyFolderFailsAndLosesNothing) {
  Write(Noise(kStatusFileSize));
  ExpectPermissionsStopTheSaves(fs::perms::owner_read | fs::perms::owner_exec,
                                fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(StatusFileTest, ASaveIntoAReadOnlyFileFailsRatherThanReplacingIt) {
  Write(Noise(kStatusFileSize));
  ExpectPermissionsStopTheSaves(fs::perms::owner_all, fs::perms::owner_read);
}

TEST_F(StatusFileTest, AFileThatCannotBeReadIsNotOverwrittenWithDefaults) {
  Write(Noise(kStatusFileSize));
  ExpectPermissionsStopTheSaves(fs::perms::owner_all, fs::perms::owner_write);
}

TEST_F(StatusFileTest, ASaveWhoseFolderIsAFileFails) {
  Write(Noise(kStatusFileSize));
  ExpectSavesFailAndKeepEverything(path / "STATUS.DAT", ENOTDIR, "保存先のフォルダが見つかりません。");
}

TEST_F(StatusFileTest, ASaveOverAFolderFailsAndLeavesIt) {
  fs::create_directory(path);
  std::ofstream(path / "keep") << "kept";
  ExpectSavesFailAndKeepEverything(path, EISDIR, "ファイルの場所にフォルダがあります。");
  EXPECT_EQ(fs::file_size(path / "keep"), 4u);
}

// Fails the write halfway through, for any user: the process may not make a file longer than 1000
// bytes, so the new file's write stops short, as on a full disk.
TEST_F(StatusFileTest, AWriteThatStopsHalfwayLeavesTheOldFileWhole) {
  const std::string before = Noise(kStatusFileSize + 5);
  Write(before);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1000, 1000};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(100);
    const StatusRecords sample = Sample();
    const std::optional<StatusFileError> error = SaveExitRecords(path, sample.windows, sample.options, sample.rules);
    if (!error) ::_exit(101);
    if (error->reason != "ファイルが大きすぎて書き込めません。") ::_exit(102);
    ::_exit(error->errorNumber);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), EFBIG);
  EXPECT_EQ(Bytes(), before);
  EXPECT_EQ(Entries(), std::set<std::string>{"STATUS.DAT"});
}

TEST_F(StatusFileTest, TakingTheLockOnAFirstRunCreatesTheFile) {
  StatusFileLock lock(path);
  ASSERT_EQ(lock.TryAcquire().outcome, LockOutcome::Acquired);
  EXPECT_TRUE(lock.Held());
  EXPECT_EQ(Bytes().size(), kStatusFileSize);
  EXPECT_EQ(LockWord(), kLockHeld);
  StatusRecords expected = DefaultStatusRecords();
  expected.lock.value = kLockHeld;
  EXPECT_EQ(Dump(LoadStatusFile(path)), Dump(expected));
  EXPECT_EQ(lock.Release(), std::nullopt);
  EXPECT_FALSE(lock.Held());
  EXPECT_EQ(LockWord(), kLockFree);
  EXPECT_EQ(Entries(), (std::set<std::string>{"STATUS.DAT", "STATUS.DAT.lock"}));
}

TEST_F(StatusFileTest, TheLockIsBusyForOthersUntilReleasedAlsoAcrossSaves) {
  StatusFileLock first(path);
  StatusFileLock second(path);
  ASSERT_EQ(first.TryAcquire().outcome, LockOutcome::Acquired);
  EXPECT_EQ(second.TryAcquire().outcome, LockOutcome::Busy);
  // Saves replace STATUS.DAT's inode; the lock must not go with the old one.
  const StatusRecords sample = Sample();
  ASSERT_EQ(SaveExitRecords(path, sample.windows, sample.options, sample.rules), std::nullopt);
  ASSERT_EQ(SaveHighScores(path, sample.total, sample.game), std::nullopt);
  EXPECT_EQ(LockWord(), kLockHeld);
  EXPECT_EQ(second.TryAcquire().outcome, LockOutcome::Busy);
  EXPECT_FALSE(second.Held());
  EXPECT_EQ(second.Release(), std::nullopt);  // not held: writes nothing
  EXPECT_EQ(LockWord(), kLockHeld);
  EXPECT_EQ(first.Release(), std::nullopt);
  EXPECT_EQ(second.TryAcquire().outcome, LockOutcome::Acquired);
  EXPECT_EQ(second.Release(), std::nullopt);
  StatusRecords expected = sample;
  expected.lock.value = kLockFree;
  EXPECT_EQ(Dump(LoadStatusFile(path)), Dump(expected));
}

TEST_F(StatusFileTest, ALockLeftByACopyThatStoppedIsTakenOver) {
  struct Row {
    const char* what;
    std::function<void()> leaveLock;
  };
  const Row rows[] = {
      {"a copy that died holding it",
       [&] {
         const pid_t child = ::fork();
         ASSERT_GE(child, 0);
         if (child == 0) {
           StatusFileLock lock(path);
           ::_exit(lock.TryAcquire().outcome == LockOutcome::Acquired ? 0 : 1);
         }
         int status = 0;
         ASSERT_EQ(::waitpid(child, &status, 0), child);
         ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
       }},
      {"a -1 with no lock file beside it",
       [&] {
         std::string image = Noise(kStatusFileSize);
         PutSlot(image, StatusRecord::StatusLock, EncodeSlot(StatusLock{kLockHeld}));
         Write(image);
       }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    fs::remove(path);
    fs::remove(LockFilePath(path));
    row.leaveLock();
    ASSERT_EQ(LockWord(), kLockHeld);
    StatusFileLock lock(path);
    EXPECT_EQ(lock.TryAcquire().outcome, LockOutcome::Acquired);
    EXPECT_EQ(lock.Release(), std::nullopt);
    EXPECT_EQ(LockWord(), kLockFree);
  }
}

// Runs in a forked child and reports only through the pipe and its exit code.
[[noreturn]] void RaceForTheLock(const fs::path& path, int go, int result, int done) {
  char byte = 0;
  if (::read(go, &byte, 1) < 0) ::_exit(90);  // end of file: the parent has fired the start
  StatusFileLock lock(path);
  const LockAttempt attempt = lock.TryAcquire();
  const char outcome = static_cast<char>('0' + static_cast<int>(attempt.outcome));
  if (::write(result, &outcome, 1) != 1) ::_exit(91);
  // The winner holds on until the parent has heard from both, so a quick release cannot let the loser in.
  if (::read(done, &byte, 1) < 0) ::_exit(92);
  if (attempt.outcome == LockOutcome::Acquired && lock.Release()) ::_exit(93);
  ::_exit(0);
}

TEST_F(StatusFileTest, OfTwoProcessesRacingForTheLockExactlyOneGetsIt) {
  constexpr int kRounds = 300;
  for (int round = 0; round < kRounds; ++round) {
    SCOPED_TRACE(round);
    int go[2], result[2], done[2];
    ASSERT_EQ(::pipe(go), 0);
    ASSERT_EQ(::pipe(result), 0);
    ASSERT_EQ(::pipe(done), 0);
    pid_t children[2];
    for (pid_t& child : children) {
      child = ::fork();
      ASSERT_GE(child, 0);
      if (child == 0) {
        ::close(go[1]);
        ::close(result[0]);
        ::close(done[1]);
        RaceForTheLock(path, go[0], result[1], done[0]);
      }
    }
    ::close(go[0]);
    ::close(result[1]);
    ::close(done[0]);
    ::close(go[1]);  // both children start at once
    char outcomes[2] = {};
    std::size_t got = 0;
    while (got < 2) {
      const ssize_t n = ::read(result[0], outcomes + got, 2 - got);
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    ::close(done[1]);
    ::close(result[0]);
    for (pid_t child : children) {
      int status = 0;
      ASSERT_EQ(::waitpid(child, &status, 0), child);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    ASSERT_EQ(got, 2u);
    const std::multiset<char> outcomeSet(outcomes, outcomes + 2);
    const char acquired = static_cast<char>('0' + static_cast<int>(LockOutcome::Acquired));
    const char busy = static_cast<char>('0' + static_cast<int>(LockOutcome::Busy));
    ASSERT_EQ(outcomeSet, (std::multiset<char>{acquired, busy}));
  }
  EXPECT_EQ(LockWord(), kLockFree);
  EXPECT_EQ(Entries(), (std::set<std::string>{"STATUS.DAT", "STATUS.DAT.lock"}));
}

// Nothing is made where a link points, and nothing waits on a FIFO; the lock fails as any other.
TEST_F(StatusFileTest, ALockFileThatIsNotARegularFileIsRefused) {
  const fs::path lockPath = LockFilePath(path);
  const fs::path target = folder / "elsewhere" / "made-by-the-game";
  struct Row {
    const char* what;
    std::function<void()> make;
    int errorNumber;
  };
  const Row rows[] = {
      {"a link to a missing path", [&] { fs::create_symlink(target, lockPath); }, ELOOP},
      {"a FIFO", [&] { ASSERT_EQ(::mkfifo(lockPath.c_str(), 0600), 0); }, EINVAL},
      {"a folder", [&] { fs::create_directory(lockPath); }, EISDIR},
  };
  fs::create_directory(target.parent_path());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    fs::remove_all(lockPath);
    row.make();
    StatusFileLock lock(path);
    const LockAttempt attempt = lock.TryAcquire();
    EXPECT_EQ(attempt.outcome, LockOutcome::Failed);
    EXPECT_EQ(attempt.error.errorNumber, row.errorNumber);
    EXPECT_FALSE(attempt.error.reason.empty());
    EXPECT_FALSE(lock.Held());
    EXPECT_FALSE(fs::exists(target));
    EXPECT_FALSE(fs::exists(path)) << "record 6 is not touched";
  }
}

TEST_F(StatusFileTest, TheLockFailsWithAReasonWhenItsFolderCannotHoldFiles) {
  Write("");
  StatusFileLock lock(path / "STATUS.DAT");
  const LockAttempt attempt = lock.TryAcquire();
  EXPECT_EQ(attempt.outcome, LockOutcome::Failed);
  EXPECT_EQ(attempt.error.errorNumber, ENOTDIR);
  EXPECT_EQ(attempt.error.reason, "保存先のフォルダが見つかりません。");
  EXPECT_FALSE(lock.Held());
}

}  // namespace
}  // namespace pg::test
