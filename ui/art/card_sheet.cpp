// Renders the card sheet from the vector card faces, so it stays sharp at any device pixel ratio.
#include "ui/art/card_sheet.h"

#include "engine/card.h"
#include "ui/art/svg_picture.h"

namespace pg::ui {

namespace {

QRectF CellRect(int cell) {
  return QRectF((cell % kSheetColumns) * kCellWidth, (cell / kSheetColumns) * kCellHeight, kCellWidth, kCellHeight);
}

}  // namespace

QPixmap RenderCardSheet(qreal devicePixelRatio) {
  const QSize size(kSheetColumns * kCellWidth, kSheetRows * kCellHeight);
  QPixmap sheet(size * devicePixelRatio);
  sheet.fill(Qt::transparent);
  {
    // Scaled by hand: a painter does not follow a pixmap's ratio below 1, which the 640x480 mode uses.
    QPainter painter(&sheet);
    painter.scale(devicePixelRatio, devicePixelRatio);
    for (int card = 0; card < kCardCount; ++card) {
      const CardCode code = CodeOf(card);
      PaintCard(painter, QString::fromStdString(code.Text()), CellRect(CellOf(code)));
    }
    PaintCard(painter, "back", CellRect(kBackCell));
  }
  sheet.setDevicePixelRatio(devicePixelRatio);
  return sheet;
}

QPixmap CardCell(const QPixmap& sheet, int cell) {
  const qreal dpr = sheet.devicePixelRatio();
  const QRectF source = CellRect(cell);
  // Edges rounded alike, so neighbouring cells share them and none takes a column of the next.
  const QPoint from(qRound(source.left() * dpr), qRound(source.top() * dpr));
  const QPoint to(qRound(source.right() * dpr), qRound(source.bottom() * dpr));
  QPixmap part = sheet.copy(QRect(from, to - QPoint(1, 1)));
  part.setDevicePixelRatio(dpr);
  return part;
}

}  // namespace pg::ui
