// Draws the vector pictures kept in the art resources, at any device pixel ratio.
#include "ui/art/svg_picture.h"

#include <QPainterPath>
#include <QSvgRenderer>

// Outside any namespace because Q_INIT_RESOURCE declares a global symbol; the call is what keeps
// the resource object in the link when the library is static.
static void LoadArtResources() { Q_INIT_RESOURCE(art); }

namespace pg::ui {

void PaintSvg(QPainter& painter, const QString& resource, const QRectF& target) {
  static const bool loaded = (LoadArtResources(), true);
  Q_UNUSED(loaded);
  QSvgRenderer renderer(resource);
  Q_ASSERT_X(renderer.isValid(), "PaintSvg", qPrintable(resource));
  painter.save();
  painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
  renderer.render(&painter, target);
  painter.restore();
}

void PaintCard(QPainter& painter, const QString& card, const QRectF& target) {
  // The sources are square so the rounding lives here, once; the radius suits a 40 x 64 card.
  const qreal radius = target.width() / 16;
  QPainterPath outline;
  outline.addRoundedRect(target, radius, radius);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setClipPath(outline, Qt::IntersectClip);
  PaintSvg(painter, QString(":/art/cards/%1.svg").arg(card), target);
  painter.restore();
}

QPixmap RenderSvgPicture(const QString& resource, QSize logicalSize, qreal dpr) {
  QPixmap pixmap(logicalSize * dpr);
  pixmap.setDevicePixelRatio(dpr);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  PaintSvg(painter, resource, QRectF(QPointF(), QSizeF(logicalSize)));
  return pixmap;
}

}  // namespace pg::ui
