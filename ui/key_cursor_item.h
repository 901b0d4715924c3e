// The keyboard cursor: a rounded double frame around a card, blue over white, so it reads apart
// from the red choice frames and the gold hint markers on any wallpaper.
#pragma once

#include <QGraphicsItem>

namespace pg::ui {

class KeyCursorItem : public QGraphicsItem {
 public:
  KeyCursorItem() = default;

  // Frames the card whose top-left corner lies at `cardCorner`.
  void Frame(QPointF cardCorner);

  QRectF boundingRect() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
};

}  // namespace pg::ui
