// Renders the app icon's SVG into PNGs of the given sizes, laid out as in an icon theme; run by the build.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

#include "tools/picture_tool.h"

int main(int argc, char** argv) {
  pg::tools::DrawOffscreen();
  QGuiApplication app(argc, argv);
  if (argc < 5) {
    std::fprintf(stderr, "usage: %s ICON.svg OUTDIR NAME SIZE...\n", argv[0]);
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 1;
  }
  const QString outDir = QString::fromLocal8Bit(argv[2]);
  const QString name = QString::fromLocal8Bit(argv[3]);
  for (int i = 4; i < argc; ++i) {
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
    if (!ok || size <= 0) {
      std::fprintf(stderr, "not a size: %s\n", argv[i]);
      return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    const QDir dir(QString("%1/%2x%2/apps").arg(outDir).arg(size));
    const QString file = dir.filePath(name + ".png");
    if (!dir.mkpath(".") || !pg::tools::Save(image, file, "PNG")) return 1;
  }
  return 0;
}
