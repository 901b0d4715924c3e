// Writes contact-sheet-1x.png and contact-sheet-2x.png: every picture of the game, labelled, for review.
#include <QPainter>

#include "engine/card.h"
#include "tools/picture_tool.h"
#include "ui/art/artwork.h"
#include "ui/art/card_sheet.h"
#include "ui/art/wallpaper.h"

namespace {

constexpr const char* kMonthNames[] = {"1 Pine",          "2 Plum",   "3 Cherry",      "4 Wisteria",
                                       "5 Iris",          "6 Peony",  "7 Bush clover", "8 Pampas",
                                       "9 Chrysanthemum", "10 Maple", "11 Willow",     "12 Paulownia"};

// The picture on each card, rank 1 to 4, for the label under it.
constexpr const char* kCardNames[12][4] = {
    {"crane", "poem", "chaff", "chaff"},          {"warbler", "poem", "chaff", "chaff"},
    {"curtain", "poem", "chaff", "chaff"},        {"cuckoo", "ribbon", "chaff", "chaff"},
    {"bridge", "ribbon", "chaff", "chaff"},       {"butterfly", "blue", "chaff", "chaff"},
    {"boar", "ribbon", "chaff", "chaff"},         {"moon", "geese", "chaff", "chaff"},
    {"sake cup", "blue", "chaff", "chaff"},       {"deer", "blue", "chaff", "chaff"},
    {"rain man", "swallow", "ribbon", "thunder"}, {"phoenix", "band", "chaff", "chaff"}};

constexpr QSize kPage(1000, 1270);

void Caption(QPainter& p, QPointF at, const QString& text, int pixelSize = 9) {
  QFont font("Liberation Sans");
  font.setPixelSize(pixelSize);
  p.setFont(font);
  p.setPen(QColor(0x1a, 0x1a, 0x1a));
  p.drawText(at, text);
}

// Pictures are shown on a checked ground so transparent parts show as such.
void Show(QPainter& p, QPointF at, const QPixmap& picture, const QString& label) {
  const QSizeF size = picture.deviceIndependentSize();
  const QRectF area(at, size);
  for (int y = 0; y < size.height(); y += 8) {
    for (int x = 0; x < size.width(); x += 8) {
      const QColor tone = ((x + y) / 8) % 2 ? QColor(0xc8, 0xc8, 0xc8) : QColor(0xe4, 0xe4, 0xe4);
      p.fillRect(QRectF(at + QPointF(x, y), QSizeF(8, 8)).intersected(area), tone);
    }
  }
  p.drawPixmap(at, picture);
  Caption(p, at + QPointF(0, size.height() + 11), label);
}

// The twelve months in four columns, each month's cards by rank, from `top` down.
void CardBlock(QPainter& p, const QPixmap& sheet, qreal top) {
  for (int month = 1; month <= 12; ++month) {
    const QPointF block(16 + ((month - 1) % 4) * 240, top + ((month - 1) / 4) * 104);
    Caption(p, block + QPointF(0, 10), kMonthNames[month - 1], 11);
    for (int rank = 1; rank <= 4; ++rank) {
      const pg::CardCode code(pg::HexDigit(month), static_cast<char>('0' + rank));
      const QPointF at = block + QPointF((rank - 1) * 54, 16);
      p.drawPixmap(at, pg::ui::CardCell(sheet, pg::CellOf(code)));
      Caption(p, at + QPointF(0, 75), QString::fromStdString(code.Text()) + " " + kCardNames[month - 1][rank - 1], 8);
    }
  }
}

QImage ContactSheet(qreal dpr) {
  QImage page(kPage * dpr, QImage::Format_ARGB32_Premultiplied);
  page.setDevicePixelRatio(dpr);
  page.fill(QColor(0xf6, 0xf4, 0xee));
  QPainter p(&page);
  p.setRenderHint(QPainter::Antialiasing);
  Caption(p, {16, 24}, QString("Petalgame 32 pictures at %1x").arg(dpr), 16);

  const QPixmap sheet = pg::ui::RenderCardSheet(dpr);
  CardBlock(p, sheet, 44);
  Show(p, {16, 370}, pg::ui::CardCell(sheet, pg::kBackCell), "back");
  Show(p, {70, 370}, sheet, "whole sheet 520x256");
  Show(p, {610, 370}, pg::ui::FacePicture(0, dpr), "face 0 computer");
  Show(p, {700, 370}, pg::ui::FacePicture(1, dpr), "face 1 player");
  Show(p, {790, 370}, pg::ui::DealerMark(dpr), "dealer");
  Show(p, {840, 370}, pg::ui::CardCursor().pixmap(), "card cursor");
  Show(p, {610, 470}, pg::ui::ScorePlate(dpr), "score plate");
  Show(p, {710, 470}, pg::ui::MonthPlate(dpr), "month plate");
  Show(p, {790, 470}, pg::ui::AppIcon().pixmap(QSize(48, 48), dpr), "icon 48");
  Show(p, {850, 470}, pg::ui::AppIcon().pixmap(QSize(16, 16), dpr), "16");
  const char* const kButtons[] = {"play", "end", "option", "rule", "hi score", "help", "info"};
  for (int i = 0; i < 7; ++i) {
    Show(p, {610.0 + (i % 4) * 90, 530.0 + (i / 4) * 60}, pg::ui::MenuButtonPicture(pg::ui::MenuPicture(i), dpr),
         kButtons[i]);
  }
  Show(p, {16, 650}, pg::ui::TitlePicture(dpr), "title 480x256");
  Show(p, {510, 650}, pg::ui::VersionPicture(dpr), "version 212x80");
  for (int i = 1; i <= 3; ++i) {
    QImage wall = pg::ui::PaintWallpaper(i, pg::ui::kWallpaperSize)
                      .scaled(QSize(150, 107) * dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    wall.setDevicePixelRatio(dpr);
    Show(p, {510.0 + (i - 1) * 160, 750}, QPixmap::fromImage(wall), QString("wall%1 (scaled down)").arg(i));
  }
  Caption(p, {16, 940}, "With the month and kind marks (91 as an animal)", 14);
  CardBlock(p, pg::ui::RenderCardSheet(dpr, {true, false}), 950);
  return page;
}

}  // namespace

int main(int argc, char** argv) {
  const pg::tools::PictureTool tool(argc, argv);
  if (!tool.folder) return 2;
  for (int scale : {1, 2}) {
    const QString file = tool.folder->filePath(QString("contact-sheet-%1x.png").arg(scale));
    if (!pg::tools::Save(ContactSheet(scale), file)) return 1;
  }
  return 0;
}
