// The data folder is the current directory of the game, so the game keeps reading STATUS.DAT and
// wall1.bmp to wall3.bmp by their bare names.
#include "ui/user_data.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace pg::ui {

namespace {

constexpr const char* kWallpapers[] = {"wall1.bmp", "wall2.bmp", "wall3.bmp"};

QString KeptHereInstead() {
  return qtTrId("\n設定とハイスコアは、起動したフォルダに保存されます。\n") + QDir::toNativeSeparators(QDir::currentPath());
}

QString CannotUse(const QString& folder) {
  return QString(qtTrId("データフォルダ %1 を使えません。")).arg(QDir::toNativeSeparators(folder)) + KeptHereInstead();
}

QString AbsoluteFolder(const char* variable) {
  const QString folder = qEnvironmentVariable(variable);
  return QDir::isAbsolutePath(folder) ? folder : QString();
}

}  // namespace

QString UserDataFolder() {
  QString base = AbsoluteFolder("XDG_DATA_HOME");
  if (base.isEmpty()) {
    const QString home = AbsoluteFolder("HOME");
    if (home.isEmpty()) return {};
    base = home + "/.local/share";
  }
  return QDir::cleanPath(base + "/petalgame32");
}

QString InstalledDataFolder(const QString& programFolder) {
  return QDir::cleanPath(programFolder + "/" PETALGAME_DATA_FROM_BIN);
}

bool RunsInstalled(const QString& programFolder) { return QFileInfo(InstalledDataFolder(programFolder)).isDir(); }

QStringList DataFolders() {
  const QString program = QCoreApplication::applicationDirPath();
  return {InstalledDataFolder(program), program};
}

QString FindInFolders(const QStringList& folders, const QString& name) {
  for (const QString& folder : folders) {
    const QString path = QDir(folder).filePath(name);
    if (QFile::exists(path)) return path;
  }
  return {};
}

QString EnterUserDataFolder(const QString& folder, const QStringList& sources) {
  if (folder.isEmpty()) return qtTrId("ホームフォルダが分からないため、データフォルダを使えません。") + KeptHereInstead();
  QDir dir(folder);
  if (!dir.mkpath(".")) return CannotUse(folder);
  // A folder that exists but takes no file cannot keep the status file either.
  QTemporaryFile probe(dir.filePath("write-check-XXXXXX"));
  if (!probe.open()) return CannotUse(folder);
  probe.close();
  for (const char* name : kWallpapers) {
    if (dir.exists(name)) continue;
    for (const QString& source : sources) {
      const QString from = QDir(source).filePath(name);
      if (QFile::exists(from) && QFile::copy(from, dir.filePath(name))) break;
    }
  }
  if (!QDir::setCurrent(folder)) return CannotUse(folder);
  return {};
}

}  // namespace pg::ui
