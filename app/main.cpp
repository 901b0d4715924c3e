// Petalgame 32: the title at once, then the main window is built and set up behind it.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QSessionManager>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string_view>

#include "engine/game.h"
#include "play/kept_match.h"
#include "play/match_recorder.h"
#include "play/spoken_table.h"
#include "records/settings_file.h"
#include "ui/art/artwork.h"
#include "ui/end_signals.h"
#include "ui/form_main.h"
#include "ui/language.h"
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

bool IsGiven(int argc, char** argv, std::string_view option) {
  for (int i = 1; i < argc; ++i) {
    if (argv[i] == option) return true;
  }
  return false;
}

// Quits once the main window has first been put on the screen, so the memory at start can be
// measured against a bare window's (tools/bare_window).
class QuitOnceShown : public QObject {
 public:
  explicit QuitOnceShown(QWidget& window) : window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The window paints while it handles its exposure; the quit waits until that is done. It leaves
    // the event loop without closing the window, which would ask the player whether to end.
    if (event->type() == QEvent::Expose && watched == window_.windowHandle()) {
      QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget& window_;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication::setApplicationName("Petalgame 32");
  QCoreApplication::setApplicationVersion("1.0");
  QCommandLineParser parser;
  parser.setApplicationDescription("花札こいこい　Hanafuda koi-koi against the computer");
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption userData("user-data",
                                    "Keep STATUS.DAT and the wallpapers in the player's data folder "
                                    "($XDG_DATA_HOME/petalgame32), creating it on first start. The default "
                                    "for an installed game.");
  const QCommandLineOption here("here",
                                "Keep STATUS.DAT and the wallpapers in the current folder. The default for "
                                "a game run from its build folder.");
  parser.addOption(userData);
  parser.addOption(here);
  if (OnlyAsksForText(argc, argv)) {
    QCoreApplication text(argc, argv);
    parser.process(text);
    return 0;
  }
  if (IsGiven(argc, argv, "--user-data") && IsGiven(argc, argv, "--here")) {
    std::fputs("petalgame32: --user-data and --here cannot be given together.\n", stderr);
    return 1;
  }

  QApplication app(argc, argv);
  // Wayland compositors match the window to the desktop entry, and so to its icon, by this name.
  QApplication::setDesktopFileName(PETALGAME_APP_ID);
  QApplication::setWindowIcon(pg::ui::AppIcon());
  parser.process(app);
  // An installed game has no data of the player's where it runs from, and must not strew its files
  // over whatever folder a terminal is in; a game in its build folder plays with the data there.
  const bool installed = pg::ui::RunsInstalled(QCoreApplication::applicationDirPath());
  if (parser.isSet(userData) || (installed && !parser.isSet(here))) {
    // Without its folder the game still starts, in the folder it was started from.
    const QString problem = pg::ui::EnterUserDataFolder(pg::ui::UserDataFolder(), pg::ui::DataFolders());
    if (!problem.isEmpty()) QMessageBox::warning(nullptr, "Petalgame 32", problem);
  }

  // Everything the game remembers lives in the current directory, which may now be the data folder.
  const std::filesystem::path statusPath = "STATUS.DAT";
  // The first open of the history reads the whole file: it starts now, beside the title and the
  // artwork, and the first deal or 成績 finds it done.
  const pg::HistoryOpenedAhead historyAhead(pg::HistoryPathBeside(statusPath));
  // Before any window is built: every caption is made in the chosen language.
  pg::ui::InstallLanguage(pg::LoadSettingsFile(pg::SettingsPathBeside(statusPath)).settings.language);
  pg::ui::TitleWindow title;
  // Paint the title before the card sheet and the pictures are rendered.
  QApplication::processEvents();
  pg::ui::QtPlatform platform;
  pg::Game game(platform);
  game.statusPath = statusPath;
  pg::MatchRecorder recorder(game, pg::HistoryPathBeside(game.statusPath));
  // The announcer hears every event first and passes it on to the recorder.
  pg::Announcer announcer(game, game.KeepsRecords() ? &recorder : nullptr);
  game.observer = &announcer;
  pg::ui::FormMain formMain(game, platform);
  // A match kept from the last time is offered once the table is shown; with no STATUS.DAT yet,
  // a first start, the lesson is.
  if (std::filesystem::exists(pg::ResumePathBeside(game.statusPath))) {
    formMain.OfferKeptMatchWhenShown(game.KeepsRecords() ? &recorder : nullptr);
  } else if (!std::filesystem::exists(game.statusPath)) {
    formMain.OfferLessonWhenShown();
  }
  // A logout keeps the match at once: the session may end the program without another word. The
  // logout may yet be called off, and the game then goes on.
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &formMain, [&](QSessionManager&) {
    formMain.PutGameBack();
    pg::KeepMatchAsTheSessionEnds(game);
  });
  // A shutdown, `kill` or a closed terminal ends the program as a logout would, without a question.
  // While the computer thinks its thread still reads the game, so the match is kept once it is done.
  std::function<void()> endFromOutside = [&] {
    if (platform.Thinking()) {
      constexpr int kThoughtPollMs = 20;
      QTimer::singleShot(kThoughtPollMs, &formMain, endFromOutside);
      return;
    }
    formMain.PutGameBack();
    pg::KeepMatchAsTheSessionEnds(game);
    QCoreApplication::exit(0);
  };
  const pg::ui::EndSignals endSignals(endFromOutside);
  title.Start(game, formMain);
  QuitOnceShown quitOnceShown(formMain);
  if (qEnvironmentVariableIsSet("PETALGAME_QUIT_WHEN_SHOWN")) app.installEventFilter(&quitOnceShown);
  const int exitCode = QApplication::exec();
  // 終了, the close box or the end of the session in the middle of a match: it is kept for the next
  // start, or, where it cannot be, counts as abandoned.
  formMain.PutGameBack();
  if (!pg::KeepMatchForLater(game)) recorder.Abandon();
  return exitCode;
}
