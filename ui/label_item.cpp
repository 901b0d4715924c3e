// Board labels drawn with the same metrics the core centres them by.
#include "ui/label_item.h"

#include <QFontMetrics>
#include <QPainter>

namespace pg::ui {

namespace {

int PixelsOf(int pointSize) { return (pointSize * 4 + 1) / 3; }

// Light enough for black text over any picture, and still letting the picture through.
const QColor kBacking(255, 255, 255, 190);

}  // namespace

QFont GameFont(int pointSize, bool bold) {
  QFont font;
  font.setFamilies({"Noto Sans CJK JP", "Noto Sans JP", "IPAGothic", "sans-serif"});
  font.setPixelSize(PixelsOf(pointSize));
  font.setBold(bold);
  return font;
}

QFont ScoreFont(int pointSize) {
  QFont font;
  font.setFamilies({"Times New Roman", "Liberation Serif", "serif"});
  font.setPixelSize(PixelsOf(pointSize));
  return font;
}

LabelItem::LabelItem(QSizeF fixedSize, Qt::Alignment alignment, bool bordered)
    : fixedSize_(fixedSize), alignment_(alignment), bordered_(bordered) {}

void LabelItem::SetText(const QString& text) {
  if (text == text_) return;
  prepareGeometryChange();
  text_ = text;
}

void LabelItem::SetFont(const QFont& font) {
  if (font == font_) return;
  prepareGeometryChange();
  font_ = font;
}

void LabelItem::SetFill(bool opaque, const QColor& color) {
  if (opaque == opaque_ && color == fill_) return;
  opaque_ = opaque;
  fill_ = color;
  update();
}

void LabelItem::SetTextColor(const QColor& color) {
  if (color == textColor_) return;
  textColor_ = color;
  update();
}

void LabelItem::SetBacking(bool backed) {
  if (backed == backed_) return;
  backed_ = backed;
  update();
}

void LabelItem::SetContrast(const QColor& ground, const QColor& ink) {
  if (ground == contrastGround_ && ink == contrastInk_) return;
  contrastGround_ = ground;
  contrastInk_ = ink;
  update();
}

QSizeF LabelItem::Size() const {
  if (!fixedSize_.isEmpty()) return fixedSize_;
  const QFontMetrics metrics(font_);
  return QSizeF(metrics.horizontalAdvance(text_), metrics.height());
}

// A label sized by its text keeps its ground to the glyphs and a little around them, so that it
// covers no ruled line that runs past the caption's lower edge.
QRectF LabelItem::ContrastGround(const QRectF& box) const {
  if (!fixedSize_.isEmpty()) return box;
  const QFontMetricsF metrics(font_);
  const QRectF glyphs = metrics.tightBoundingRect(text_);
  const qreal baseline = box.top() + (box.height() - metrics.height()) / 2 + metrics.ascent();
  return QRectF(box.left() + glyphs.left() - 3, baseline + glyphs.top() - 2, glyphs.width() + 6, glyphs.height() + 4)
      .intersected(box);
}

QRectF LabelItem::boundingRect() const { return QRectF(QPointF(0, 0), Size()); }

void LabelItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) {
  const QRectF box = boundingRect();
  const bool contrast = contrastGround_.isValid() && contrastInk_.isValid();
  QColor ink = textColor_;
  if (opaque_) {
    painter->fillRect(box, fill_);
  } else if (contrast && !text_.isEmpty()) {
    painter->fillRect(ContrastGround(box), contrastGround_);
    ink = contrastInk_;
  } else if (backed_ && !text_.isEmpty()) {
    painter->fillRect(box, kBacking);
  }
  if (bordered_) {
    painter->setPen(QPen(contrast ? contrastInk_ : QColor(0x40, 0x40, 0x40), 1));
    painter->drawRect(box.adjusted(0.5, 0.5, -0.5, -0.5));
  }
  painter->setFont(font_);
  painter->setPen(ink);
  painter->drawText(box, alignment_ | Qt::AlignVCenter, text_);
}

}  // namespace pg::ui
