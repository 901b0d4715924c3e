// Writes the table wallpapers wall1.bmp .. wall3.bmp into a folder; run by the build.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "ui/art/wallpaper.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!dir.mkpath(".")) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  for (int i = 1; i <= pg::ui::kWallpaperCount; ++i) {
    const QString file = dir.filePath(QString("wall%1.bmp").arg(i));
    if (!pg::ui::PaintWallpaper(i, pg::ui::kWallpaperSize).save(file, "BMP")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
