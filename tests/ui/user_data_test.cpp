// The player's data folder: made on first start, seeded with the wallpapers, used as the current
// directory, and refused with a message when it cannot be written.
#include "ui/user_data.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

TEST_F(UserDataTest, AFolderThatCannotBeMadeIsReportedAndTheGameStaysWhereItStarted) {
  Write(temp.filePath("home"), "a file where the home folder should be");
  const QString problem = ui::EnterUserDataFolder(temp.filePath("home/.local/share/petalgame32"), {});
  EXPECT_TRUE(problem.startsWith("データフォルダ")) << problem.toStdString();
  EXPECT_TRUE(problem.contains("保存されません")) << problem.toStdString();
  EXPECT_EQ(QDir::currentPath(), startedIn);
}

TEST_F(UserDataTest, TheFolderFollowsXdgDataHome) {
  const QByteArray before = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", temp.path().toUtf8());
  EXPECT_EQ(ui::UserDataFolder(), temp.path() + "/petalgame32");
  qunsetenv("XDG_DATA_HOME");
  EXPECT_EQ(ui::UserDataFolder(), QDir::homePath() + "/.local/share/petalgame32");
  if (!before.isEmpty()) qputenv("XDG_DATA_HOME", before);
}

}  // namespace
}  // namespace pg::test
