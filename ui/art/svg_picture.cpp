// Draws the vector pictures kept in the art resources, at any device pixel ratio.
#include "ui/art/svg_picture.h"

#include <QFile>
#include <QImage>
#include <QPainterPath>
#include <QSvgRenderer>
#include <optional>

// Outside any namespace because Q_INIT_RESOURCE declares a global symbol; the call is what keeps
// the resource object in the link when the library is static.
static void LoadArtResources() { Q_INIT_RESOURCE(art); }

namespace pg::ui {

namespace {

// A lettered picture as the build drew it (tools/lettered_pictures), at 1x or, where the target
// takes more pixels than that, at 2x; none for the pictures without lettering.
std::optional<QImage> DrawnAtBuild(const QString& resource, const QPainter& painter, const QRectF& target) {
  QString drawn = resource;
  drawn.replace(":/art/", ":/art/lettered/").chop(QStringLiteral(".svg").size());
  if (!QFile::exists(drawn + ".png")) return std::nullopt;
  const QRectF pixels = painter.deviceTransform().mapRect(target);
  const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  QImage picture(drawn + ".png");
  if (pixels.width() * ratio > picture.width() + 0.5) picture = QImage(drawn + "@2x.png");
  return picture;
}

}  // namespace

void PaintSvg(QPainter& painter, const QString& resource, const QRectF& target) {
  static const bool loaded = (LoadArtResources(), true);
  Q_UNUSED(loaded);
  if (const std::optional<QImage> picture = DrawnAtBuild(resource, painter, target)) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, *picture);
    painter.restore();
    return;
  }
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
