// Draws the vector pictures that carry lettering into NAME.png and NAME@2x.png under OUTDIR/FOLDER,
// FOLDER being the picture's own folder; run by the build. Drawn at start, their bold lettering
// would open two bold CJK font files, megabytes of the game's memory.
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>
#include <utility>

#include "engine/card.h"
#include "tools/picture_tool.h"

namespace {

// Cards are drawn at the size of their cell on the table; the other pictures at their own size.
QSize LogicalSize(const QFileInfo& svg, const QSvgRenderer& renderer) {
  return svg.dir().dirName() == "cards" ? QSize(pg::kCellWidth, pg::kCellHeight) : renderer.defaultSize();
}

}  // namespace

int main(int argc, char** argv) {
  const pg::tools::PictureTool tool(argc, argv);
  if (!tool.folder) return 2;
  for (int i = 2; i < argc; ++i) {
    const QFileInfo svg(QString::fromLocal8Bit(argv[i]));
    QSvgRenderer renderer(svg.filePath());
    if (!renderer.isValid()) {
      std::fprintf(stderr, "cannot read %s\n", argv[i]);
      return 1;
    }
    const QString folder = svg.dir().dirName();
    if (!tool.folder->mkpath(folder)) return 1;
    for (const auto& [scale, suffix] : {std::pair{1, ""}, std::pair{2, "@2x"}}) {
      QImage picture(LogicalSize(svg, renderer) * scale, QImage::Format_ARGB32_Premultiplied);
      picture.fill(Qt::transparent);
      QPainter painter(&picture);
      painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
      renderer.render(&painter);
      painter.end();
      const QString file = tool.folder->filePath(folder + "/" + svg.completeBaseName() + suffix + ".png");
      if (!pg::tools::Save(picture, file, "PNG")) return 1;
    }
  }
  return 0;
}
