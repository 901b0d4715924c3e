// Paints the help document's card pictures, NN.png and NN@2x.png for every card, into a folder; run by the build.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <utility>

#include "engine/card.h"
#include "ui/art/svg_picture.h"

namespace {

// The size the cards have on the table, so the help shows them as the player meets them.
QImage CardPicture(const QString& code, int scale) {
  QImage picture(pg::kCellWidth * scale, pg::kCellHeight * scale, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  pg::ui::PaintCard(painter, code, QRectF(0, 0, picture.width(), picture.height()));
  return picture;
}

}  // namespace

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
  for (int card = 0; card < pg::kCardCount; ++card) {
    const QString code = QString::fromStdString(pg::CodeOf(card).Text());
    // The @2x picture is the one a high-density screen gets in place of the plain one.
    for (const auto& [scale, suffix] : {std::pair{1, ""}, std::pair{2, "@2x"}}) {
      const QString file = dir.filePath(code + suffix + ".png");
      if (!CardPicture(code, scale).save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
      }
    }
  }
  return 0;
}
