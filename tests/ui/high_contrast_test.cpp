// Under the desktop's dark and light high-contrast palettes the table's ruling, its captions, the
// progress labels and the numbers on the plates stand out from what lies behind them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <map>

#include "engine/game.h"
#include "play/setup.h"
#include "play/turn_driver.h"
#include "tests/ui/test_application.h"
#include "ui/board_view.h"
#include "ui/contrast.h"
#include "ui/form_main.h"
#include "ui/qt_platform.h"

namespace pg::test {
namespace {

QPalette HighContrast(const QColor& ground, const QColor& ink) {
  QPalette palette;
  for (const QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
    palette.setColor(role, ground);
  for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(role, ink);
  }
  return palette;
}

// How far the ink stands from the ground in an area: the commonest colour is the ground, the
// pixel furthest from it the ink. A ground that is not most of the area is no plain ground.
struct Legibility {
  double contrast = 0;
  double groundShare = 0;
};

Legibility Read(const QImage& image, const QRect& area) {
  std::map<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y)];
  }
  auto ground = counts.begin();
  for (auto it = counts.begin(); it != counts.end(); ++it) {
    if (it->second > ground->second) ground = it;
  }
  Legibility read;
  read.groundShare = static_cast<double>(ground->second) / (area.width() * area.height());
  for (const auto& [color, count] : counts) {
    read.contrast = std::max(read.contrast, ui::ContrastRatio(QColor(color), QColor(ground->first)));
  }
  return read;
}

TEST(HighContrastTest, RulingLabelsAndPlatesStayReadableInDarkAndLight) {
  EnsureApplication();
  const QPalette before = QApplication::palette();
  const struct {
    const char* name;
    QPalette palette;
  } palettes[] = {{"dark", HighContrast(Qt::black, Qt::white)}, {"light", HighContrast(Qt::white, Qt::black)}};
  EXPECT_FALSE(ui::IsHighContrast(before));
  for (const auto& [name, palette] : palettes) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(ui::IsHighContrast(palette));
    QApplication::setPalette(palette);
    ui::QtPlatform platform;
    platform.SetStepInterval(0);
    Game game{platform};
    ui::FormMain form{game, platform};
    setup(game);
    game.random.Seed(1);
    form.show();
    StartGame(game);
    Card_Click(game, 0);
    Form_Click(game);
    form.Board()->Sync();
    const QImage image = form.Board()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const Board& board = game.board;

    ASSERT_FALSE(board.background.lines.empty());
    for (const RuledLine& line : board.background.lines) {
      if (line.y1 != line.y2) continue;
      // The line's own pixel against the pixel beside it, over whatever wallpaper lies there.
      const int x = (line.x1 + line.x2) / 2;
      EXPECT_GE(ui::ContrastRatio(image.pixelColor(x, line.y1), image.pixelColor(x, line.y1 + 1)), 7.0)
          << "line at " << x << ", " << line.y1;
    }
    for (const RuledCaption& caption : board.background.captions) {
      // Inside the glyphs' height, where the caption's own ground lies.
      const Legibility read = Read(image, QRect(caption.left + 4, caption.top + 14, 40, 12));
      EXPECT_GE(read.contrast, 7.0) << caption.text;
      EXPECT_GE(read.groundShare, 0.5) << caption.text;
    }
    int labels = 0;
    for (const Label& label : board.YakuState) {
      if (!label.visible) continue;
      ++labels;
      const Legibility read = Read(image, QRect(label.left + 2, label.top + 2, 48, 11));
      EXPECT_GE(read.contrast, 7.0) << label.caption;
      EXPECT_GE(read.groundShare, 0.3) << label.caption;
    }
    EXPECT_GT(labels, 0);
    for (const Label& score : board.Score) {
      EXPECT_GE(Read(image, QRect(score.left, score.top, 33, 21)).contrast, 4.5) << "score plate";
    }
    EXPECT_GE(Read(image, QRect(board.Pnum.left, board.Pnum.top, 19, 16)).contrast, 4.5) << "month plate";
  }
  QApplication::setPalette(before);
}

}  // namespace
}  // namespace pg::test
