// A plain sheet drawn in code: each face shows its month and rank, so play is readable without art.
#include "ui/art/card_sheet.h"

#include <QPainter>

#include "engine/card.h"

namespace pg::ui {

namespace {

constexpr const char* kMonthKanji[] = {"松", "梅", "桜", "藤", "菖", "牡", "萩", "芒", "菊", "紅", "柳", "桐"};

void DrawFace(QPainter& p, QRect cell, int month, int rank) {
  p.fillRect(cell.adjusted(1, 1, -1, -1), QColor(0xf3, 0xea, 0xd2));
  p.setPen(QColor(0x1a, 0x1a, 0x1a));
  p.drawRect(cell.adjusted(0, 0, -1, -1));
  QFont font("Noto Sans CJK JP");
  font.setPixelSize(18);
  p.setFont(font);
  p.drawText(cell.adjusted(0, 4, 0, -30), Qt::AlignCenter, kMonthKanji[month - 1]);
  font.setPixelSize(13);
  p.setFont(font);
  p.drawText(cell.adjusted(0, 30, 0, -6), Qt::AlignCenter, QString("%1-%2").arg(month).arg(rank));
}

}  // namespace

QPixmap RenderCardSheet(qreal devicePixelRatio) {
  const QSize size(kSheetColumns * kCellWidth, kSheetRows * kCellHeight);
  QPixmap sheet(size * devicePixelRatio);
  sheet.setDevicePixelRatio(devicePixelRatio);
  sheet.fill(Qt::transparent);
  QPainter p(&sheet);
  for (int card = 0; card < kCardCount; ++card) {
    const CardCode code = CodeOf(card);
    const int cell = CellOf(code);
    DrawFace(p, QRect((cell % kSheetColumns) * kCellWidth, (cell / kSheetColumns) * kCellHeight, kCellWidth, kCellHeight),
             MonthOf(code), RankOf(code));
  }
  const QRect back(kBackCell * kCellWidth, 0, kCellWidth, kCellHeight);
  p.fillRect(back, QColor(0x1a, 0x1a, 0x1a));
  p.fillRect(back.adjusted(3, 3, -3, -3), QColor(0x5a, 0x22, 0x18));
  return sheet;
}

QPixmap CardCell(const QPixmap& sheet, int cell) {
  const qreal dpr = sheet.devicePixelRatio();
  QPixmap part = sheet.copy(QRectF((cell % kSheetColumns) * kCellWidth * dpr, (cell / kSheetColumns) * kCellHeight * dpr,
                                   kCellWidth * dpr, kCellHeight * dpr)
                                .toRect());
  part.setDevicePixelRatio(dpr);
  return part;
}

}  // namespace pg::ui
