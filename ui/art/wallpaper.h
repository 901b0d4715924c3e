// Table surfaces the game is played on: green baize, tatami and washi, made from fixed seeds.
#pragma once

#include <QImage>

namespace pg::ui {

inline constexpr QSize kWallpaperSize(760, 542);
inline constexpr int kWallpaperCount = 3;

// Wallpaper 1 to kWallpaperCount, painted at the given pixel size; the same for every run.
QImage PaintWallpaper(int which, QSize size);

}  // namespace pg::ui
