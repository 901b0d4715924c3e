// Renders the card sheet from the vector card faces, so it stays sharp at any device pixel ratio.
#include "ui/art/card_sheet.h"

#include <QPainterPath>

#include "engine/card.h"
#include "ui/art/svg_picture.h"

namespace pg::ui {

namespace {

// Real cards have rounded corners; the sources are square so the rounding lives here, once.
constexpr qreal kCornerRadius = 2.5;

QRectF CellRect(int cell) {
  return QRectF((cell % kSheetColumns) * kCellWidth, (cell / kSheetColumns) * kCellHeight, kCellWidth, kCellHeight);
}

void PaintCard(QPainter& painter, const QString& resource, const QRectF& target) {
  QPainterPath outline;
  outline.addRoundedRect(target, kCornerRadius, kCornerRadius);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setClipPath(outline);
  PaintSvg(painter, resource, target);
  painter.restore();
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
    PaintCard(painter, QString(":/art/cards/%1.svg").arg(QString::fromStdString(code.Text())), CellRect(CellOf(code)));
  }
  PaintCard(painter, ":/art/cards/back.svg", CellRect(kBackCell));
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
