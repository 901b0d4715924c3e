// Petalgame 32: the title, then the main window.
#include <QApplication>

#include "engine/game.h"
#include "ui/art/artwork.h"
#include "ui/form_main.h"
#include "ui/qt_platform.h"
#include "ui/title_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Petalgame 32");
  QApplication::setWindowIcon(pg::ui::AppIcon());
  pg::ui::QtPlatform platform;
  pg::Game game(platform);
  pg::ui::FormMain formMain(game, platform);
  new pg::ui::TitleWindow(game, formMain);
  return QApplication::exec();
}
