// Paints the help document's card pictures, NN.png and NN@2x.png for every card, into a folder; run by the build.
#include <QImage>
#include <QPainter>
#include <utility>

#include "engine/card.h"
#include "tools/picture_tool.h"
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
  const pg::tools::PictureTool tool(argc, argv);
  if (!tool.folder) return 2;
  for (int card = 0; card < pg::kCardCount; ++card) {
    const QString code = QString::fromStdString(pg::CodeOf(card).Text());
    // The @2x picture is the one a high-density screen gets in place of the plain one.
    for (const auto& [scale, suffix] : {std::pair{1, ""}, std::pair{2, "@2x"}}) {
      if (!pg::tools::Save(CardPicture(code, scale), tool.folder->filePath(code + suffix + ".png"), "PNG")) return 1;
    }
  }
  return 0;
}
