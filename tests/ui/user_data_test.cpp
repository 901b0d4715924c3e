// The player's data folder: made on first start, seeded with the wallpapers, used as the current
// directory, and refused with a message when it cannot be written.
#include "ui/user_data.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <utility>

#include "tests/ui/test_application.h"

namespace pg::test {
namespace {

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class UserDataTest : public ::testing::Test {
 protected:
  UserDataTest() : startedIn(QDir::currentPath()) {}
  ~UserDataTest() override { QDir::setCurrent(startedIn); }

  bool applicationReady = EnsureApplication();
  QString startedIn;
  QTemporaryDir temp;
};

TEST_F(UserDataTest, AFirstStartMakesTheFolderSeedsTheWallpapersAndRunsThere) {
  const QString installed = temp.filePath("installed");
  const QString buildTree = temp.filePath("build");
  QDir().mkpath(installed);
  QDir().mkpath(buildTree);
  Write(installed + "/wall1.bmp", "installed one");
  Write(buildTree + "/wall1.bmp", "build one");
  Write(buildTree + "/wall2.bmp", "build two");
  const QString folder = temp.filePath("home/.local/share/petalgame32");

  EXPECT_EQ(ui::EnterUserDataFolder(folder, {installed, buildTree}), "");
  EXPECT_EQ(QDir::currentPath(), QDir(folder).canonicalPath());
  EXPECT_EQ(Read("wall1.bmp"), "installed one") << "the installed data comes first";
  EXPECT_EQ(Read("wall2.bmp"), "build two");
  EXPECT_FALSE(QFile::exists("wall3.bmp")) << "no source has it: the game reports it when chosen";

  Write(folder + "/wall1.bmp", "the player's own");
  QDir::setCurrent(startedIn);
  EXPECT_EQ(ui::EnterUserDataFolder(folder, {installed, buildTree}), "");
  EXPECT_EQ(Read("wall1.bmp"), "the player's own") << "a wallpaper already there is kept";
}

TEST_F(UserDataTest, DataIsTakenFromTheFirstFolderThatHasIt) {
  const QString installed = temp.filePath("share/petalgame32");
  const QString buildTree = temp.filePath("bin");
  QDir().mkpath(installed);
  QDir().mkpath(buildTree + "/sounds");
  EXPECT_EQ(ui::FindInFolders({installed, buildTree}, "sounds"), buildTree + "/sounds");
  QDir().mkpath(installed + "/sounds");
  EXPECT_EQ(ui::FindInFolders({installed, buildTree}, "sounds"), installed + "/sounds");
  EXPECT_EQ(ui::FindInFolders({installed, buildTree}, "wall1.bmp"), "");
}

TEST_F(UserDataTest, AFolderThatCannotBeUsedIsReportedAndTheGameSavesWhereItStarted) {
  Write(temp.filePath("home"), "a file where the home folder should be");
  const struct {
    const char* what;
    QString folder;
    const char* opening;
  } rows[] = {
      {"a file in the way", temp.filePath("home/.local/share/petalgame32"), "データフォルダ"},
      {"no home", "", "ホームフォルダが分からない"},
  };
  for (const auto& row : rows) {
    const QString problem = ui::EnterUserDataFolder(row.folder, {});
    EXPECT_TRUE(problem.startsWith(row.opening)) << row.what << ": " << problem.toStdString();
    EXPECT_TRUE(problem.endsWith("起動したフォルダに保存されます。\n" + QDir::toNativeSeparators(startedIn)))
        << problem.toStdString();
    EXPECT_EQ(QDir::currentPath(), startedIn);
  }
}

TEST_F(UserDataTest, TheFolderFollowsAnAbsoluteXdgDataHomeElseHome) {
  const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
  const QByteArray home = qgetenv("HOME");
  const struct {
    const char* dataHome;  // nullptr: unset
    const char* home;
    QString expected;
  } rows[] = {
      {"/data", "/home/p", "/data/petalgame32"},
      {"/data/", "/home/p", "/data/petalgame32"},
      {"relative/data", "/home/p", "/home/p/.local/share/petalgame32"},
      {"", "/home/p", "/home/p/.local/share/petalgame32"},
      {nullptr, "/home/p", "/home/p/.local/share/petalgame32"},
      {nullptr, nullptr, ""},
      {"relative/data", "relative/home", ""},
  };
  for (const auto& row : rows) {
    for (const auto& [name, value] : {std::pair{"XDG_DATA_HOME", row.dataHome}, std::pair{"HOME", row.home}}) {
      if (value) {
        qputenv(name, value);
      } else {
        qunsetenv(name);
      }
    }
    EXPECT_EQ(ui::UserDataFolder(), row.expected)
        << (row.dataHome ? row.dataHome : "(unset)") << ", " << (row.home ? row.home : "(unset)");
  }
  qputenv("HOME", home);
  if (dataHome.isNull()) {
    qunsetenv("XDG_DATA_HOME");
  } else {
    qputenv("XDG_DATA_HOME", dataHome);
  }
}

// Installed under any prefix, the data lies in share/ beside bin/; a build folder has none.
TEST_F(UserDataTest, AProgramIsInstalledWhenItsDataFolderLiesBesideIt) {
  QDir().mkpath(temp.filePath("opt/games/bin"));
  QDir().mkpath(temp.filePath("opt/games/share/petalgame32"));
  QDir().mkpath(temp.filePath("build/bin/sounds"));
  EXPECT_TRUE(ui::RunsInstalled(temp.filePath("opt/games/bin")));
  EXPECT_FALSE(ui::RunsInstalled(temp.filePath("build/bin")));
}

}  // namespace
}  // namespace pg::test
