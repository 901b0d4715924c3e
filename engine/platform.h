// The one way the core reaches the screen, the player, files, sounds and the clock.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pg {

enum class Dialog { Agari, Rule, Option, Score, InputName, Version, Wait };
enum class Timer { MenuGuard, Ending, HiScore, Agari };
// The windows whose places the status file keeps, in the order it keeps them.
enum class Window { Agari, Main, Option, Rule, Score, Version };
inline constexpr int kStoredWindows = 6;

// Twips, the unit of the stored window places and of the win dialog's layout.
inline constexpr int kTwipsPerPixel = 15;

// A window's place in twips, fractional where the screen is scaled: the top left
// corner of its client area, which, unlike the frame, does not depend on the window manager.
struct WindowOrigin {
  double left = 0;
  double top = 0;
};

// A screen's area free of panels and docks, in pixels.
struct ScreenArea {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// A window as it opens: its client size and the frame the window manager draws around it, in pixels.
struct WindowFrame {
  int clientWidth = 0;
  int clientHeight = 0;
  int marginLeft = 0;
  int marginTop = 0;
  int marginRight = 0;
  int marginBottom = 0;
};

enum class MessageIcon { Exclamation, Question, Information };
// YesNoDefaultNo: a question whose Enter must not throw away what the player has.
enum class MessageButtons { Ok, YesNo, YesNoDefaultNo };
enum class MessageAnswer { Ok, Yes, No };

enum class PictureLoad { Loaded, NotFound, Failed };

// The lesson's words on the table: where the player is, the one thing to do now, and a second line
// that explains it or says why a click was refused; the cards to click, as the pictures showing
// them (Card(i)), and whether the twelve months are shown as a row of one card each.
struct LessonCaption {
  std::string heading;
  std::string instruction;
  std::string note;
  bool refused = false;
  std::vector<int> marked;
  bool monthStrip = false;
};

class Platform {
 public:
  virtual ~Platform() = default;

  // Puts the board on screen as the core left it and returns once the player could see it:
  // one visible step of a card flight. Input arriving meanwhile is dropped, not queued, but a
  // click or Esc answers false: the player wants the card to land at once.
  virtual bool ShowStep() = 0;
  // The same for a step the eye must follow at its own pace: shown, then held for `ms`.
  virtual void ShowPaced(int ms) = 0;
  // Redraws at once, unpaced (a label the rules want seen before they go on).
  virtual void Redraw() = 0;
  // Width in logical units of a text in the message font at the given point size.
  virtual int TextWidth(std::string_view utf8, int pointSize) = 0;

  // The table's background picture; the board's ruling is drawn over it.
  virtual PictureLoad LoadBackground(const std::string& path) = 0;
  virtual void ClearBackground() = 0;
  // A face picture (0 the computer, 1 the player); an empty path means the built-in face.
  virtual PictureLoad LoadFace(int index, const std::string& path) = 0;

  // Shows a modal dialog and returns once EndModal was called for it (from a handler or timer).
  virtual void RunModal(Dialog dialog) = 0;
  virtual void EndModal(Dialog dialog) = 0;

  // Window places in twips: where a window opens, and where it lies when not minimised.
  virtual void PlaceWindow(Window window, int leftTwips, int topTwips) = 0;
  // Nothing for a window the platform does not show.
  virtual std::optional<WindowOrigin> NormalWindowOrigin(Window window) = 0;
  // Nothing for a window the platform does not show.
  virtual std::optional<WindowFrame> FrameOf(Window window) = 0;
  // Every screen's available area, the primary screen's first; none where the platform knows no screen.
  virtual std::vector<ScreenArea> AvailableScreens() = 0;
  // The main window in the 640x480 mode (the 760 x 542 units mapped onto a smaller window) or not.
  virtual void SetScreenMode(bool small) = 0;
  virtual int ScreenWidthPixels() = 0;
  // The table and its window drawn at `percent` of their size, the window kept on its screen.
  virtual void SetTableSize(int /*percent*/) {}
  // The main window's pointer: the hourglass while the game waits for the status file.
  virtual void SetWaitCursor(bool waiting) = 0;

  virtual void StartTimer(Timer timer, int intervalMs) = 0;
  virtual void StopTimer(Timer timer) = 0;

  virtual MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                                    MessageButtons buttons) = 0;
  // The file the player picked, or nothing when the picker was cancelled.
  virtual std::optional<std::string> PickFile(std::string_view filter) = 0;
  virtual void PlaySystemSound(std::string_view name) = 0;
  // A sentence for a screen reader to speak as the game goes on: a play, a yaku, the month's result.
  virtual void Announce(std::string_view /*utf8*/) {}
  virtual void ShowHelp(std::string_view helpFile) = 0;
  // Shows the lesson's caption over the table, or takes it away (null) when the lesson is left.
  virtual void ShowLesson(const LessonCaption* /*caption*/) {}

  // Runs a computation that touches nothing the screen shows, and returns when it is done. The
  // window keeps painting meanwhile and answers its close box; clicks on the table are dropped.
  virtual void Think(std::function<void()> work) { work(); }

  // Starts `work` away from the screen's thread and returns at once; the player plays on meanwhile.
  // What the work returns is run afterwards on the core's thread, between the player's events. The
  // work touches nothing but what it was given; what it returns checks that it is still wanted.
  virtual void RunInBackground(std::function<std::function<void()>()> work) { work()(); }

  // Milliseconds of the wall clock; the one seed of the game's random source.
  virtual std::uint64_t Now() = 0;
  virtual void Quit() = 0;
};

}  // namespace pg
