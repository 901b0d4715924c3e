// Petalgame 32: the title at once, then the main window is built and set up behind it.
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
  pg::ui::TitleWindow title;
  // Paint the title before the card sheet and the pictures are rendered.
  QApplication::processEvents();
  pg::ui::QtPlatform platform;
  pg::Game game(platform);
  // Everything the game remembers lives in the current directory.
  game.statusPath = "STATUS.DAT";
  pg::ui::FormMain formMain(game, platform);
  title.Start(game, formMain);
  return QApplication::exec();
}
