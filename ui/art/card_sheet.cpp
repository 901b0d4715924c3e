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
  sheet.setDevicePixelRatio(devicePixelRatio);
  sheet.fill(Qt::transparent);
  QPainter painter(&sheet);
  for (int card = 0; card < kCardCount; ++card) {
    const CardCode code = CodeOf(card);
    PaintCard(painter, QString::fromStdString(code.Text()), CellRect(CellOf(code)));
  }
  PaintCard(painter, "back", CellRect(kBackCell));
  return sheet;
}

QPixmap CardCell(const QPixmap& sheet, int cell) {
  const qreal dpr = sheet.devicePixelRatio();
  const QRectF source = CellRect(cell);
  QPixmap part = sheet.copy(QRectF(source.topLeft() * dpr, source.size() * dpr).toRect());
  part.setDevicePixelRatio(dpr);
  return part;
}

}  // namespace pg::ui
