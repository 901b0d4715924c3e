// Renders the card sheet from the vector card faces, so it stays sharp at any device pixel ratio.
#include "ui/art/card_sheet.h"

#include <QFont>
#include <QFontMetricsF>

#include "engine/card.h"
#include "engine/card_name.h"
#include "ui/art/svg_picture.h"

namespace pg::ui {

namespace {

QRectF CellRect(int cell) {
  return QRectF((cell % kSheetColumns) * kCellWidth, (cell / kSheetColumns) * kCellHeight, kCellWidth, kCellHeight);
}

// The month in bold over the kind, each as large as the plate lets it be at 1x.
QFont MarkFont(bool month) {
  QFont font;
  font.setFamilies({"Noto Sans CJK JP", "Noto Sans JP", "IPAGothic", "sans-serif"});
  font.setPixelSize(month ? 10 : 11);
  font.setBold(month);
  return font;
}

// Text centred in `box`, squeezed sideways where it is wider (「カス」 and 「12」 in a narrow plate).
void DrawFitted(QPainter& painter, const QRectF& box, const QString& text, const QFont& font) {
  painter.setFont(font);
  const qreal width = QFontMetricsF(font).horizontalAdvance(text);
  const qreal squeeze = width > box.width() ? box.width() / width : 1.0;
  painter.save();
  painter.translate(box.center());
  painter.scale(squeeze, 1.0);
  const QRectF wide(-box.width() / (2 * squeeze), -box.height() / 2, box.width() / squeeze, box.height());
  painter.drawText(wide, Qt::AlignCenter, text);
  painter.restore();
}

// In the top right corner: the key figures of the faces keep to the middle and the bottom, a hint's
// badge covers the bottom, and a card in a capture row shows its right half.
void PaintMark(QPainter& painter, CardCode code, bool kikuAsChaff, const QRectF& cell) {
  const QRectF plate = kMarkPlate.translated(cell.topLeft());
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0x1a, 0x1a, 0x1a), 0.8));
  painter.setBrush(QColor(0xfb, 0xf7, 0xee));
  painter.drawRoundedRect(plate, 2, 2);
  painter.setPen(QColor(0x1a, 0x1a, 0x1a));
  const QRectF upper(plate.left() + 0.5, plate.top() + 0.5, plate.width() - 1, plate.height() / 2 - 0.5);
  const QRectF lower(upper.left(), plate.center().y(), upper.width(), upper.height());
  DrawFitted(painter, upper, QString::number(MonthOf(code)), MarkFont(true));
  // A word of the Latin alphabet is too long for the corner: its initial stands for it.
  QString kind = QString::fromStdString(KindMark(code, kikuAsChaff));
  if (kind.size() > 2 && kind.front().unicode() < 0x80) kind.truncate(1);
  DrawFitted(painter, lower, kind, MarkFont(false));
  painter.restore();
}

}  // namespace

QPixmap RenderCardSheet(qreal devicePixelRatio, CardMarks marks) {
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
      if (marks.shown) PaintMark(painter, code, marks.kikuAsChaff, CellRect(CellOf(code)));
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
