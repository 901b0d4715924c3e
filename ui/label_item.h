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
  // Under a high-contrast palette an unfilled label takes the palette's ground and ink instead, and
  // its border the ink; invalid colours give the usual look back.
  void SetContrast(const QColor& ground, const QColor& ink);

  QRectF boundingRect() const override;
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

 private:
  QSizeF Size() const;
  QRectF ContrastGround(const QRectF& box) const;

  QSizeF fixedSize_;
  Qt::Alignment alignment_;
  bool bordered_;
  QString text_;
  QFont font_;
  bool opaque_ = false;
  QColor fill_;
  QColor textColor_ = Qt::black;
  bool backed_ = false;
  QColor contrastGround_;
  QColor contrastInk_;
};

// The game's Japanese face at a point size, as pixels on a 96-dpi screen.
QFont GameFont(int pointSize, bool bold = false);
// Times New Roman, or its metric twin where it is not installed.
QFont ScoreFont(int pointSize);

}  // namespace pg::ui
