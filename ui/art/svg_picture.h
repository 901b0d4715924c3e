// Draws the vector pictures kept in the art resources, at any device pixel ratio.
#pragma once

#include <QPainter>
#include <QPixmap>
#include <QString>

namespace pg::ui {

// Paints the SVG resource (e.g. ":/art/cards/11.svg") stretched over target.
void PaintSvg(QPainter& painter, const QString& resource, const QRectF& target);
// Paints one card ("11" .. "C4", or "back") over target with the rounded corners of a real card.
void PaintCard(QPainter& painter, const QString& card, const QRectF& target);
// The SVG resource rendered into a transparent pixmap of the logical size at the given ratio.
QPixmap RenderSvgPicture(const QString& resource, QSize logicalSize, qreal dpr);

}  // namespace pg::ui
