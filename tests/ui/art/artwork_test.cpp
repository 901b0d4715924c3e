// Catches pictures that break silently: wrong sizes, blank or duplicated card faces, a filled spare cell.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <vector>

#include "engine/card.h"
#include "ui/art/artwork.h"
#include "ui/art/card_sheet.h"
#include "ui/art/wallpaper.h"

namespace pg::ui {
namespace {

class ArtworkTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "artwork_test";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
  }
};

QImage Pixels(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); }

double OpaqueShare(const QImage& image) {
  int opaque = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) == 255;
  }
  return static_cast<double>(opaque) / (image.width() * image.height());
}

TEST_F(ArtworkTest, SheetKeepsItsLogicalGeometryAtEveryRatio) {
  for (const qreal dpr : {1.0, 1.5, 2.0}) {
    const QPixmap sheet = RenderCardSheet(dpr);
    EXPECT_EQ(sheet.deviceIndependentSize(), QSizeF(520, 256)) << dpr;
    EXPECT_EQ(sheet.size(), QSize(qRound(520 * dpr), qRound(256 * dpr))) << dpr;
    EXPECT_EQ(CardCell(sheet, CellOf(CardCode('C', '4'))).deviceIndependentSize(), QSizeF(40, 64)) << dpr;
  }
}

TEST_F(ArtworkTest, EveryFaceIsDrawnAndDiffersFromTheOthersAndTheBack) {
  const QPixmap sheet = RenderCardSheet(1.0);
  std::vector<QImage> cells;
  std::vector<std::string> names;
  for (int card = 0; card < kCardCount; ++card) {
    cells.push_back(Pixels(CardCell(sheet, CellOf(CodeOf(card)))));
    names.push_back(CodeOf(card).Text());
  }
  cells.push_back(Pixels(CardCell(sheet, kBackCell)));
  names.push_back("back");
  for (std::size_t i = 0; i < cells.size(); ++i) {
    // Only the rounded corners may show through; a missing source leaves the cell clear.
    EXPECT_GT(OpaqueShare(cells[i]), 0.97) << names[i];
    for (std::size_t j = i + 1; j < cells.size(); ++j) EXPECT_NE(cells[i], cells[j]) << names[i] << " vs " << names[j];
  }
}

TEST_F(ArtworkTest, SpareCellsStayTransparent) {
  const QPixmap sheet = RenderCardSheet(2.0);
  for (const int cell : {25, 38, 51}) {
    const QImage pixels = Pixels(CardCell(sheet, cell));
    EXPECT_EQ(pixels.size(), QSize(80, 128));
    bool clear = true;
    for (int y = 0; y < pixels.height(); ++y) {
      for (int x = 0; x < pixels.width(); ++x) clear = clear && qAlpha(pixels.pixel(x, y)) == 0;
    }
    EXPECT_TRUE(clear) << cell;
  }
}

TEST_F(ArtworkTest, PicturesHaveTheirFixedSizesAndAreNotBlank) {
  for (const qreal dpr : {1.0, 2.0}) {
    const struct {
      const char* name;
      QPixmap picture;
      QSize size;
    } pictures[] = {
        {"face 0", FacePicture(0, dpr), {68, 68}},   {"face 1", FacePicture(1, dpr), {68, 68}},
        {"score", ScorePlate(dpr), {84, 36}},        {"month", MonthPlate(dpr), {64, 32}},
        {"dealer", DealerMark(dpr), {18, 18}},       {"title", TitlePicture(dpr), {480, 256}},
        {"version", VersionPicture(dpr), {212, 80}},
    };
    for (const auto& [name, picture, size] : pictures) {
      EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(size)) << name << " at " << dpr;
      EXPECT_EQ(picture.size(), size * dpr) << name << " at " << dpr;
      EXPECT_GT(OpaqueShare(Pixels(picture)), 0.5) << name << " at " << dpr;
    }
    EXPECT_NE(Pixels(FacePicture(0, dpr)), Pixels(FacePicture(1, dpr)));
  }
}

// The board writes the totals and the month number over these plates; any stroke of the picture
// in those places would crowd the digits. A two-digit month inks right up to its box's left edge,
// so that box needs a few pixels of ground on either side too.
TEST_F(ArtworkTest, PlatesLeaveTheNumbersPlainGround) {
  const struct {
    const char* name;
    QPixmap picture;
    QRectF clear;
  } plates[] = {
      {"score", ScorePlate(2.0), QRectF(16, 8, 33, 21)},
      {"month", MonthPlate(2.0), QRectF(8, 8, 19, 16).adjusted(-3, 0, 3, 0)},
  };
  for (const auto& [name, picture, clear] : plates) {
    const QImage pixels = Pixels(picture);
    const QRect area(QPoint(qRound(clear.left() * 2), qRound(clear.top() * 2)),
                     QPoint(qRound(clear.right() * 2) - 1, qRound(clear.bottom() * 2) - 1));
    const QColor ground = pixels.pixelColor(area.center());
    int marked = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        const QColor c = pixels.pixelColor(x, y);
        marked += std::abs(c.red() - ground.red()) + std::abs(c.green() - ground.green()) +
                      std::abs(c.blue() - ground.blue()) >
                  24;
      }
    }
    EXPECT_EQ(marked, 0) << name;
  }
}

// The month and kind go into the corner plate of every face at 1x and 2x, dark on light, and
// change nothing else of the picture; 「菊に杯」 follows its rule, the back has no mark.
TEST_F(ArtworkTest, MarksSitInTheCornerOfEveryFaceAndCoverNothingElse) {
  for (const qreal dpr : {1.0, 2.0}) {
    const QPixmap plain = RenderCardSheet(dpr);
    const QPixmap marked = RenderCardSheet(dpr, {true, false});
    const QPixmap kikuChaff = RenderCardSheet(dpr, {true, true});
    const QRect plate =
        QRectF(kMarkPlate.topLeft() * dpr, kMarkPlate.size() * dpr).toAlignedRect().adjusted(-1, -1, 1, 1);
    for (int card = 0; card <= kCardCount; ++card) {
      const int cell = card < kCardCount ? CellOf(CodeOf(card)) : kBackCell;
      const std::string name = card < kCardCount ? CodeOf(card).Text() : "back";
      const QImage before = Pixels(CardCell(plain, cell));
      const QImage after = Pixels(CardCell(marked, cell));
      int outsideChanged = 0, dark = 0, light = 0;
      for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
          if (!plate.contains(x, y)) {
            outsideChanged += before.pixel(x, y) != after.pixel(x, y);
            continue;
          }
          const int luma = qGray(after.pixel(x, y));
          dark += luma < 90;
          light += luma > 200;
        }
      }
      SCOPED_TRACE(name + " at " + std::to_string(dpr));
      EXPECT_EQ(outsideChanged, 0);
      if (card == kCardCount) {
        EXPECT_EQ(before, after);
        continue;
      }
      const int area = plate.width() * plate.height();
      // Ink enough for a digit and a sign, on ground enough to read them against.
      EXPECT_GT(dark, area / 12);
      EXPECT_GT(light, area / 4);
      EXPECT_EQ(Pixels(CardCell(kikuChaff, cell)) != after, name == "91");
    }
  }
}

TEST_F(ArtworkTest, EachMenuButtonHasItsOwnLabel) {
  std::vector<QImage> buttons;
  for (int i = 0; i <= static_cast<int>(MenuPicture::Deal); ++i) {
    const QPixmap button = MenuButtonPicture(static_cast<MenuPicture>(i), 2.0);
    EXPECT_EQ(button.deviceIndependentSize(), QSizeF(i >= static_cast<int>(MenuPicture::Record) ? 44 : 72, 40)) << i;
    buttons.push_back(Pixels(button));
    for (int j = 0; j < i; ++j) EXPECT_NE(buttons[i], buttons[j]) << i << " vs " << j;
  }
}

// Lettering drawn at start would open the bold CJK fonts: every lettered picture must come drawn by
// the build, and at a ratio of 2 from its 2x drawing, not its 1x one enlarged.
TEST_F(ArtworkTest, LetteredPicturesComeDrawnAtTheScreensRatio) {
  int lettered = 0;
  for (const char* folder : {":/art/pictures", ":/art/cards"}) {
    for (QDirIterator it(folder); it.hasNext();) {
      const QString svg = it.next();
      QFile file(svg);
      ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << svg.toStdString();
      if (!file.readAll().contains("<text")) continue;
      ++lettered;
      QString drawn = svg;
      drawn.replace(":/art/", ":/art/lettered/").chop(4);
      EXPECT_TRUE(QFile::exists(drawn + ".png") && QFile::exists(drawn + "@2x.png")) << svg.toStdString();
    }
  }
  EXPECT_GT(lettered, 10) << "the menu buttons, plates and poem cards";
  for (const qreal dpr : {1.0, 2.0}) {
    const QImage plate = Pixels(ScorePlate(dpr));
    const QImage drawn(dpr > 1 ? ":/art/lettered/pictures/score_plate@2x.png"
                               : ":/art/lettered/pictures/score_plate.png");
    EXPECT_EQ(plate, drawn.convertToFormat(QImage::Format_ARGB32)) << dpr;
  }
}

TEST_F(ArtworkTest, CursorAndIconAreUsable) {
  const QCursor cursor = CardCursor();
  ASSERT_FALSE(cursor.pixmap().isNull());
  EXPECT_TRUE(QRect(QPoint(), cursor.pixmap().deviceIndependentSize().toSize()).contains(cursor.hotSpot()));
  const QIcon icon = AppIcon();
  EXPECT_EQ(icon.pixmap(QSize(16, 16)).size(), QSize(16, 16));
  EXPECT_EQ(icon.pixmap(QSize(256, 256)).size(), QSize(256, 256));
}

TEST_F(ArtworkTest, WallpapersAreRepeatableAndDistinct) {
  const QSize small(190, 136);
  for (int i = 1; i <= kWallpaperCount; ++i) {
    const QImage wall = PaintWallpaper(i, small);
    EXPECT_EQ(wall.size(), small);
    // A build must write the same files every time.
    EXPECT_EQ(wall, PaintWallpaper(i, small)) << i;
    if (i > 1) {
      EXPECT_NE(wall, PaintWallpaper(i - 1, small)) << i;
    }
  }
  EXPECT_EQ(PaintWallpaper(1, kWallpaperSize).size(), QSize(760, 542));
}

}  // namespace
}  // namespace pg::ui
