// The platform the core runs on in the real game: Qt widgets, timers, dialogs and files.
#pragma once

#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <functional>
#include <map>
#include <optional>

#include "engine/platform.h"

class QEventLoop;
class QTimer;

namespace pg {
struct Game;
}

namespace pg::ui {

class BoardView;
class CoreDialog;

// Every screen's area free of panels, the primary screen's first.
std::vector<ScreenArea> AvailableScreenAreas();
// Brings a top-level window onto a screen, as a stored place is brought when the game starts.
void KeepOnScreen(QWidget& window);

class QtPlatform : public QObject, public Platform {
 public:
  QtPlatform();

  void Attach(Game* game, BoardView* view);
  // The dialog is made when it is first shown, so that its widgets, pictures and texts take no
  // memory at start; until then the place of its window, if the status file keeps one, is held here.
  void RegisterDialog(Dialog which, std::function<CoreDialog*()> make, std::optional<Window> window = {});
  // The window the status file keeps the place of; the main window is the board's.
  void RegisterWindow(Window which, QWidget* window);
  // Milliseconds each animation step stays on screen; 0 also drops the paced steps' pauses.
  void SetStepInterval(int ms) { stepMs_ = ms; }
  int StepsShown() const { return stepsShown_; }
  // The computer's thought is running on its own thread, which reads the game meanwhile.
  bool Thinking() const { return thinking_; }
  // The event that flew cards is over: the next flight is shown step by step again. True once,
  // when the player asked to end the game while a card flew; the question is asked now.
  bool FinishFlights();
  // While a replay is shown, the win dialog answers itself with the button `answer` gives, after a
  // pause to read it; null gives the dialog back to the player.
  void AnswerWinDialog(std::function<int()> answer) { winDialogAnswer_ = std::move(answer); }
  // A window whose controls answer even while cards fly (the replay's, which can stop its own
  // autoplay); null for none.
  void LetInputThrough(QWidget* window) { inputThrough_ = window; }
  // Where the lesson's caption goes: the main window's panel and the table's rings.
  void ShowLessonWith(std::function<void(const LessonCaption*)> show) { lessonShown_ = std::move(show); }

  bool ShowStep() override;
  void ShowPaced(int ms) override;
  void Redraw() override;
  int TextWidth(std::string_view utf8, int pointSize) override;
  PictureLoad LoadBackground(const std::string& path) override;
  void ClearBackground() override;
  PictureLoad LoadFace(int index, const std::string& path) override;
  void RunModal(Dialog dialog) override;
  void EndModal(Dialog dialog) override;
  void PlaceWindow(Window window, int leftTwips, int topTwips) override;
  std::optional<WindowOrigin> NormalWindowOrigin(Window window) override;
  std::optional<WindowFrame> FrameOf(Window window) override;
  std::vector<ScreenArea> AvailableScreens() override;
  void SetScreenMode(bool small) override;
  void SetTableSize(int percent) override;
  int ScreenWidthPixels() override;
  void SetWaitCursor(bool waiting) override;
  void StartTimer(Timer timer, int intervalMs) override;
  void StopTimer(Timer timer) override;
  MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                            MessageButtons buttons) override;
  std::optional<std::string> PickFile(std::string_view filter) override;
  void PlaySystemSound(std::string_view name) override;
  void Announce(std::string_view utf8) override;
  void ShowHelp(std::string_view helpFile) override;
  void ShowLesson(const LessonCaption* caption) override;
  // The work runs on a thread of its own while a local loop paints and answers the close box.
  void Think(std::function<void()> work) override;
  void RunInBackground(std::function<std::function<void()>()> work) override;
  std::uint64_t Now() override;
  void Quit() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SyncOpenDialogs();
  void ShowFor(int ms);
  // Input while a card flies is dropped, but a click or Esc lands it, and so does a request to end.
  void NoteInputWhileFlying(QObject* watched, QEvent* event);

  Game* game_ = nullptr;
  QPointer<BoardView> view_;
  struct LazyDialog {
    std::function<CoreDialog*()> make;
    std::optional<Window> window;
    CoreDialog* made = nullptr;
  };
  CoreDialog* DialogOf(Dialog which);

  std::map<Dialog, LazyDialog> dialogs_;
  std::map<Window, QWidget*> windows_;
  // Stored places of the windows whose dialogs are not made yet.
  std::map<Window, WindowOrigin> unmadePlaces_;
  std::map<Timer, QTimer*> timers_;
  int stepMs_ = 10;
  int stepsShown_ = 0;
  bool dropInput_ = false;
  QEventLoop* stepLoop_ = nullptr;
  bool landing_ = false;
  bool endRequested_ = false;
  // While the computer thinks the close box and 終了 still answer, unlike during a card's flight.
  bool thinking_ = false;
  std::function<int()> winDialogAnswer_;
  QPointer<QWidget> inputThrough_;
  std::function<void(const LessonCaption*)> lessonShown_;
  // One worker: a search started for an older choice finishes before the next begins, and its
  // result is dropped. Last, so it is the first member to go: it waits for the work first.
  QThreadPool background_;
};

}  // namespace pg::ui
