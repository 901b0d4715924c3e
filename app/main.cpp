// Petalgame 32: the title at once, then the main window is built and set up behind it.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <string_view>

#include "engine/game.h"
#include "play/match_recorder.h"
#include "ui/art/artwork.h"
#include "ui/form_main.h"
#include "ui/qt_platform.h"
#include "ui/title_window.h"
#include "ui/user_data.h"

namespace {

// --help and --version only print: they must answer on a terminal without a display.
bool OnlyAsksForText(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    for (std::string_view text : {"-h", "-?", "--help", "--help-all", "-v", "--version"}) {
      if (argument == text) return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication::setApplicationName("Petalgame 32");
  QCoreApplication::setApplicationVersion("1.0");
  QCommandLineParser parser;
  parser.setApplicationDescription("花札こいこい　Hanafuda koi-koi against the computer");
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption userData("user-data",
                                    "Run in the player's own data folder ($XDG_DATA_HOME/petalgame32), "
                                    "creating it and its wallpapers on first start.");
  parser.addOption(userData);
  if (OnlyAsksForText(argc, argv)) {
    QCoreApplication text(argc, argv);
    parser.process(text);
    return 0;
  }

  QApplication app(argc, argv);
  // Wayland compositors match the window to the desktop entry, and so to its icon, by this name.
  QApplication::setDesktopFileName(PETALGAME_APP_ID);
  QApplication::setWindowIcon(pg::ui::AppIcon());
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
  pg::MatchRecorder recorder(game, pg::HistoryPathBeside(game.statusPath));
  if (game.KeepsRecords()) game.observer = &recorder;
  pg::ui::FormMain formMain(game, platform);
  title.Start(game, formMain);
  const int exitCode = QApplication::exec();
  // 終了 or the close box in the middle of a match: it counts as abandoned.
  recorder.Abandon();
  return exitCode;
}
