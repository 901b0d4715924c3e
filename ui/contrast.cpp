// Relative luminance from the sRGB channels, as the usual accessibility guidelines define it.
#include "ui/contrast.h"

#include <algorithm>
#include <cmath>

namespace pg::ui {

namespace {

double Linear(double channel) {
  return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& color) {
  return 0.2126 * Linear(color.redF()) + 0.7152 * Linear(color.greenF()) + 0.0722 * Linear(color.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsHighContrast(const QPalette& palette) {
  // Everyday light themes put near-black text on a light grey (about 18:1); the high-contrast
  // themes put black on white or white on black (21:1).
  constexpr double kHighContrast = 20.0;
  return ContrastRatio(palette.color(QPalette::Window), palette.color(QPalette::WindowText)) >= kHighContrast;
}

}  // namespace pg::ui
