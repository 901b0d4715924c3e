// A label drawn on the board: text in a fixed or text-sized box, optionally bordered and filled.
#pragma once

#include <QFont>
#include <QGraphicsItem>
#include <QString>

namespace pg::ui {

class LabelItem : public QGraphicsItem {
 public:
  // A zero size means the box follows the text (an auto-sized label).
  LabelItem(QSizeF fixedSize, Qt::Alignment alignment, bool bordered);

  void SetText(const QString& text);
  void SetFont(const QFont& font);
  void SetFill(bool opaque, const QColor& color);
  void SetTextColor(const QColor& color);
  // A light ground behind the text of a label that has none of its own.
  void SetBacking(bool backed);

  QRectF boundingRect() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

 private:
  QSizeF Size() const;

  QSizeF fixedSize_;
  Qt::Alignment alignment_;
  bool bordered_;
  QString text_;
  QFont font_;
  bool opaque_ = false;
  QColor fill_;
  QColor textColor_ = Qt::black;
  bool backed_ = false;
};

// The game's Japanese face at a point size, as pixels on a 96-dpi screen.
QFont GameFont(int pointSize, bool bold = false);
// Times New Roman, or its metric twin where it is not installed.
QFont ScoreFont(int pointSize);

}  // namespace pg::ui
