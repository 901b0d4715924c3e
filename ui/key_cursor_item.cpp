#include "ui/key_cursor_item.h"

#include <QPainter>

#include "engine/card.h"

namespace pg::ui {

namespace {

// Wide enough to clear the 2-pixel choice frame that may surround the same card.
constexpr qreal kMargin = 6;
constexpr qreal kOuterPen = 3;

QRectF Outline() { return QRectF(-kMargin, -kMargin, kCellWidth + 2 * kMargin, kCellHeight + 2 * kMargin); }

}  // namespace

void KeyCursorItem::Frame(QPointF cardCorner) { setPos(cardCorner); }

QRectF KeyCursorItem::boundingRect() const { return Outline().adjusted(-kOuterPen, -kOuterPen, kOuterPen, kOuterPen); }

void KeyCursorItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setBrush(Qt::NoBrush);
  painter->setPen(QPen(QColor(0x12, 0x5b, 0xd8), kOuterPen + 2));
  painter->drawRoundedRect(Outline(), 5, 5);
  painter->setPen(QPen(QColor(0xff, 0xff, 0xff), 1.5));
  painter->drawRoundedRect(Outline(), 5, 5);
}

}  // namespace pg::ui
