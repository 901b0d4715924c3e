// Table surfaces the game is played on: green baize, tatami and washi, made from fixed seeds.
#include "ui/art/wallpaper.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

namespace pg::ui {

namespace {

// A stateless hash, so each pixel's grain depends only on where it is: no order or seed drift.
std::uint32_t Hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
  std::uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
  h ^= h >> 16;
  h *= 0x7feb352du;
  h ^= h >> 15;
  h *= 0x846ca68bu;
  h ^= h >> 16;
  return h;
}

// Grain in -1..1.
double Grain(int x, int y, std::uint32_t seed) {
  return (Hash(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y), seed) & 0xffff) / 32767.5 - 1.0;
}

// Smooth blotches in -1..1 with features about `cell` pixels across.
double Blotch(double x, double y, double cell, std::uint32_t seed) {
  const double gx = x / cell, gy = y / cell;
  const int ix = static_cast<int>(std::floor(gx)), iy = static_cast<int>(std::floor(gy));
  const double fx = gx - ix, fy = gy - iy;
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double top = Grain(ix, iy, seed) * (1 - sx) + Grain(ix + 1, iy, seed) * sx;
  const double bottom = Grain(ix, iy + 1, seed) * (1 - sx) + Grain(ix + 1, iy + 1, seed) * sx;
  return top * (1 - sy) + bottom * sy;
}

int Clamp(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }

// Fills every pixel from a function giving a brightness offset, tinting the base colour.
template <typename Shade>
QImage Surface(QSize size, QColor base, Shade shade) {
  QImage image(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < size.width(); ++x) {
      const double d = shade(x, y);
      row[x] = qRgb(Clamp(base.red() + d), Clamp(base.green() + d), Clamp(base.blue() + d * 0.8));
    }
  }
  return image;
}

// Slightly darker towards the edges, the way a lamp lights a table.
double Vignette(int x, int y, QSize size) {
  const double dx = (x - size.width() / 2.0) / size.width(), dy = (y - size.height() / 2.0) / size.height();
  return -28.0 * (dx * dx + dy * dy);
}

QImage Baize(QSize size) {
  const double scale = size.width() / 760.0;
  return Surface(size, QColor(0x5c, 0x98, 0x66), [&](int x, int y) {
    return 5.0 * Grain(x, y, 11) + 4.0 * Blotch(x, y, 90 * scale, 12) + 2.0 * Blotch(x, y, 14 * scale, 13) +
           Vignette(x, y, size);
  });
}

QImage Tatami(QSize size) {
  const double scale = size.height() / 542.0;
  const double rowHeight = std::max(2.0, 5.0 * scale);
  const double stitch = 34.0 * scale;
  return Surface(size, QColor(0xc8, 0xb7, 0x7c), [&](int x, int y) {
    const int row = static_cast<int>(y / rowHeight);
    const double inRow = y / rowHeight - row;
    // Each rush stalk is rounded: lit along its top, shaded along its bottom.
    const double stalk = 6.0 * std::cos(inRow * 3.14159) + 3.0 * Grain(row, 0, 21);
    const double seam = std::fmod(x + (row % 2) * stitch / 2, stitch) < std::max(1.0, scale) ? -5.0 : 0.0;
    return stalk + seam + 4.0 * Grain(x, y, 22) + 5.0 * Blotch(x, y, 120 * scale, 23) + Vignette(x, y, size);
  });
}

QImage Washi(QSize size) {
  const double scale = size.width() / 760.0;
  QImage image = Surface(size, QColor(0xa8, 0x8f, 0x6c), [&](int x, int y) {
    return 4.0 * Grain(x, y, 31) + 7.0 * Blotch(x, y, 60 * scale, 32) + 4.0 * Blotch(x, y, 16 * scale, 33) +
           Vignette(x, y, size);
  });
  // Long pale fibres laid in the pulp; a fixed generator seed keeps them where they are.
  std::mt19937 random(34);
  const auto uniform = [&](double low, double high) { return low + (high - low) * (random() / 4294967296.0); };
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const int fibres = static_cast<int>(700 * scale * scale);
  for (int i = 0; i < fibres; ++i) {
    const QPointF start(uniform(0, size.width()), uniform(0, size.height()));
    const double angle = uniform(0, 6.2832), length = uniform(12, 46) * scale;
    const QPointF end = start + QPointF(std::cos(angle), std::sin(angle)) * length;
    const QPointF bend = (start + end) / 2 + QPointF(uniform(-8, 8), uniform(-8, 8)) * scale;
    QPainterPath fibre(start);
    fibre.quadTo(bend, end);
    const bool pale = uniform(0, 1) < 0.75;
    painter.setPen(QPen(pale ? QColor(0xe6, 0xd8, 0xbc, 55) : QColor(0x5a, 0x44, 0x30, 45), uniform(0.5, 1.2) * scale));
    painter.drawPath(fibre);
  }
  return image;
}

}  // namespace

QImage PaintWallpaper(int which, QSize size) {
  switch (which) {
    case 1:
      return Baize(size);
    case 2:
      return Tatami(size);
    default:
      return Washi(size);
  }
}

}  // namespace pg::ui
