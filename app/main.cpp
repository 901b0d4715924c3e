// Petalgame 32: the title at once, then the main window is built and set up behind it.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>

#include "engine/game.h"
#include "ui/art/artwork.h"
#include "ui/form_main.h"
#include "ui/qt_platform.h"
#include "ui/title_window.h"
#include "ui/user_data.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Petalgame 32");
  QApplication::setApplicationVersion("1.0");
  // Wayland compositors match the window to the desktop entry, and so to its icon, by this name.
  QApplication::setDesktopFileName(PETALGAME_APP_ID);
  QApplication::setWindowIcon(pg::ui::AppIcon());

  QCommandLineParser parser;
  parser.setApplicationDescription("花札こいこい　Hanafuda koi-koi against the computer");
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption userData("user-data",
                                    "Run in the player's own data folder ($XDG_DATA_HOME/petalgame32), "
                                    "creating it and its wallpapers on first start.");
  parser.addOption(userData);
  parser.process(app);
  if (parser.isSet(userData)) {
    // Without its folder the game still starts, in the folder it was started from.
    const QString problem = pg::ui::EnterUserDataFolder(pg::ui::UserDataFolder(), pg::ui::DataFolders());
    if (!problem.isEmpty()) QMessageBox::warning(nullptr, "Petalgame 32", problem);
  }

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
