// Writes the table wallpapers wall1.bmp .. wall3.bmp into a folder; run by the build.

#include "tools/picture_tool.h"
#include "ui/art/wallpaper.h"

int main(int argc, char** argv) {
  const pg::tools::PictureTool tool(argc, argv);
  if (!tool.folder) return 2;
  for (int i = 1; i <= pg::ui::kWallpaperCount; ++i) {
    const QString file = tool.folder->filePath(QString("wall%1.bmp").arg(i));
    if (!pg::tools::Save(pg::ui::PaintWallpaper(i, pg::ui::kWallpaperSize), file, "BMP")) return 1;
  }
  return 0;
}
