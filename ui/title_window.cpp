// Start-up order: title, setup, main window two seconds later, then the title goes.
#include "ui/title_window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "play/setup.h"
#include "ui/art/artwork.h"

namespace pg::ui {

TitleWindow::TitleWindow()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), picture_(TitlePicture(devicePixelRatioF())) {
  setFixedSize(480, 256);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  move(screen.x() + (screen.width() - width()) / 2, screen.y() + (screen.height() - height()) / 2);
  show();
}

void TitleWindow::Start(Game& game, QWidget& main) {
  setup(game);
  QTimer::singleShot(2000, this, [this, &main] {
    main.show();
    close();
    // The title is not shown again: its picture and its window's pixels go before the main window
    // takes its own.
    picture_ = QPixmap();
    destroy();
  });
}

void TitleWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

}  // namespace pg::ui
