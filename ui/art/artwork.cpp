// Every picture of the game outside the card sheet, rendered from the vector sources in the art resources.
#include "ui/art/artwork.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <array>
#include <string>

#include "engine/geometry.h"
#include "ui/art/svg_picture.h"

namespace pg::ui {

namespace {

bool englishLettering = false;

QPixmap Picture(const char* name, QSize size, qreal dpr) {
  return RenderSvgPicture(QString(":/art/pictures/%1.svg").arg(name), size, dpr);
}

// The app icon, drawn at a size when one is asked for: held at every size, it would take a third of
// a megabyte for as long as the game runs.
class IconEngine : public QIconEngine {
 public:
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    painter->drawPixmap(rect, pixmap(rect.size(), QIcon::Normal, QIcon::On));
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override { return Picture("icon", size, 1.0); }
  QIconEngine* clone() const override { return new IconEngine; }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) sizes.append(QSize(size, size));
    return sizes;
  }
};

}  // namespace

QPixmap FacePicture(int index, qreal dpr) {
  return Picture(index == 0 ? "face0" : "face1", {kFaceSize, kFaceSize}, dpr);
}
QPixmap ScorePlate(qreal dpr) { return Picture(englishLettering ? "score_plate_en" : "score_plate", {84, 36}, dpr); }
QPixmap MonthPlate(qreal dpr) { return Picture(englishLettering ? "month_plate_en" : "month_plate", {64, 32}, dpr); }
QPixmap DealerMark(qreal dpr) { return Picture(englishLettering ? "dealer_mark_en" : "dealer_mark", {18, 18}, dpr); }
QPixmap VersionPicture(qreal dpr) { return Picture(englishLettering ? "version_en" : "version", {212, 80}, dpr); }

QPixmap TitlePicture(qreal dpr) {
  QPixmap title = Picture("title", {480, 256}, dpr);
  QPainter painter(&title);
  // The five brights fanned from a point below the lettering, as a hand is held.
  static constexpr std::array kFan = {"11", "31", "81", "B1", "C1"};
  const QPointF pivot(240, 196);
  for (std::size_t i = 0; i < kFan.size(); ++i) {
    painter.save();
    painter.translate(pivot);
    painter.rotate(-36.0 + 18.0 * static_cast<qreal>(i));
    painter.translate(0, -176);
    painter.fillRect(QRectF(-29, 3, 60, 96), QColor(0, 0, 0, 90));
    PaintCard(painter, kFan[i], QRectF(-31, 0, 60, 96));
    painter.restore();
  }
  return title;
}

QPixmap MenuButtonPicture(MenuPicture which, qreal dpr) {
  static constexpr std::array kNames = {"menu_play",    "menu_end",  "menu_option", "menu_rule",
                                        "menu_hiscore", "menu_help", "menu_info",   "menu_record", "menu_deal"};
  // 成績 is narrower: the last of the row, it must end inside the 640 x 480 mode's table. 配り, after
  // it, shows in the larger mode only.
  const bool narrow = which == MenuPicture::Record || which == MenuPicture::Deal;
  const std::string name = std::string(kNames[static_cast<std::size_t>(which)]) + (englishLettering ? "_en" : "");
  return Picture(name.c_str(), {narrow ? 44 : 72, 40}, dpr);
}

void LetterInEnglish() { englishLettering = true; }

QPixmap FitInSquare(const QPixmap& picture, int side, qreal dpr) {
  const int pixels = qRound(side * dpr);
  QPixmap fitted = picture.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  fitted.setDevicePixelRatio(dpr);
  return fitted;
}

QCursor CardCursor() {
  // Rendered for the screen's ratio so the hand is not blurred on HiDPI; hot spot on the fingertip.
  const qreal dpr = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
  return QCursor(Picture("cursor", {32, 32}, dpr), 9, 2);
}

QIcon AppIcon() { return QIcon(new IconEngine); }

}  // namespace pg::ui
