// Plain drawn stand-ins for the game's pictures, so the window has something to show.
#include "ui/art/artwork.h"

#include <QPainter>

namespace pg::ui {

namespace {

QPixmap Plate(QSize size, qreal dpr, const QString& text) {
  QPixmap pixmap(size * dpr);
  pixmap.setDevicePixelRatio(dpr);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QColor(0x1a, 0x1a, 0x1a));
  p.setBrush(QColor(0xf3, 0xea, 0xd2));
  p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
  QFont font("Noto Sans CJK JP");
  font.setPixelSize(qMax(8, size.height() / 3));
  p.setFont(font);
  p.drawText(QRect(QPoint(), size), Qt::AlignCenter, text);
  return pixmap;
}

}  // namespace

QPixmap FacePicture(int index, qreal dpr) { return Plate({68, 68}, dpr, index == 0 ? "CPU" : "YOU"); }
QPixmap ScorePlate(qreal dpr) { return Plate({84, 36}, dpr, QString()); }
QPixmap MonthPlate(qreal dpr) { return Plate({64, 32}, dpr, QString::fromUtf8("　　月")); }
QPixmap DealerMark(qreal dpr) { return Plate({18, 18}, dpr, QString::fromUtf8("親")); }
QPixmap TitlePicture(qreal dpr) { return Plate({480, 256}, dpr, "Petalgame 32"); }
QPixmap VersionPicture(qreal dpr) { return Plate({212, 80}, dpr, "Petalgame 32"); }

QPixmap MenuButtonPicture(MenuPicture which, qreal dpr) {
  static const char* const kLabels[] = {"プレイ", "終了", "オプション", "ルール", "ハイスコア", "ヘルプ", "バージョン"};
  return Plate({72, 40}, dpr, QString::fromUtf8(kLabels[static_cast<int>(which)]));
}

QCursor CardCursor() { return QCursor(Qt::PointingHandCursor); }
QIcon AppIcon() { return QIcon(Plate({32, 32}, 1.0, QString::fromUtf8("花"))); }

}  // namespace pg::ui
