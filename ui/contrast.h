// The desktop's high-contrast palettes: how far two colours stand apart, and whether a palette is one.
#pragma once

#include <QColor>
#include <QPalette>

namespace pg::ui {

// The ratio of the lighter colour's relative luminance to the darker's, each plus 0.05: 1 for one
// colour, 21 for black on white. 4.5 is the usual floor for text, 7 the floor of high contrast.
double ContrastRatio(const QColor& a, const QColor& b);
// Text and ground of the palette as far apart as black and white: the player asked the desktop for it.
bool IsHighContrast(const QPalette& palette);

}  // namespace pg::ui
