// The data folder is the current directory of the game, so the game keeps reading STATUS.DAT and
// wall1.bmp to wall3.bmp by their bare names.
#include "ui/user_data.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace pg::ui {

namespace {

constexpr const char* kWallpapers[] = {"wall1.bmp", "wall2.bmp", "wall3.bmp"};

QString CannotUse(const QString& folder) {
  return QString("データフォルダ %1 を使えません。\n設定とハイスコアは保存されません。").arg(QDir::toNativeSeparators(folder));
}

}  // namespace

QString UserDataFolder() {
  QString base = qEnvironmentVariable("XDG_DATA_HOME");
  if (base.isEmpty()) base = QDir::homePath() + "/.local/share";
  return base + "/petalgame32";
}

QStringList DataFolders() {
  const QString program = QCoreApplication::applicationDirPath();
  return {QDir::cleanPath(program + "/" PETALGAME_DATA_FROM_BIN), program};
}

QString FindInFolders(const QStringList& folders, const QString& name) {
  for (const QString& folder : folders) {
    const QString path = QDir(folder).filePath(name);
    if (QFile::exists(path)) return path;
  }
  return {};
}

QString EnterUserDataFolder(const QString& folder, const QStringList& sources) {
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
