// A scripted platform for whole games without a screen: it records what the core asked for and
// answers dialogs, message boxes and the file picker from scripts.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/platform.h"

namespace pg::headless {

class ScriptedPlatform : public Platform {
 public:
  explicit ScriptedPlatform(std::uint64_t clock = 1) : clock(clock) {}

  bool ShowStep() override;
  // Counted as a step; the pause it asked for is kept.
  void ShowPaced(int ms) override;
  void Redraw() override { ++redraws; }
  // Every character is a fixed share of the point size, so centring is predictable.
  int TextWidth(std::string_view utf8, int pointSize) override;
  PictureLoad LoadBackground(const std::string& path) override;
  void ClearBackground() override { background.clear(); }
  PictureLoad LoadFace(int index, const std::string& path) override;
  void RunModal(Dialog dialog) override;
  void EndModal(Dialog dialog) override;
  void PlaceWindow(Window window, int leftTwips, int topTwips) override {
    windowOrigins[window] = {static_cast<double>(leftTwips), static_cast<double>(topTwips)};
  }
  std::optional<WindowOrigin> NormalWindowOrigin(Window window) override {
    const auto it = windowOrigins.find(window);
    if (it == windowOrigins.end()) return std::nullopt;
    return it->second;
  }
  std::optional<WindowFrame> FrameOf(Window window) override {
    const auto it = frames.find(window);
    if (it == frames.end()) return std::nullopt;
    return it->second;
  }
  std::vector<ScreenArea> AvailableScreens() override { return screens; }
  void SetWaitCursor(bool waiting) override { waitCursor = waiting; }
  void SetScreenMode(bool small) override { smallMode = small; }
  void SetTableSize(int percent) override { tableSize = percent; }
  int ScreenWidthPixels() override { return screenWidth; }
  void StartTimer(Timer timer, int intervalMs) override { timers[timer] = intervalMs; }
  void StopTimer(Timer timer) override { timers.erase(timer); }
  MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                            MessageButtons buttons) override;
  std::optional<std::string> PickFile(std::string_view filter) override;
  void PlaySystemSound(std::string_view name) override { sounds.emplace_back(name); }
  void Announce(std::string_view text) override { announcements.emplace_back(text); }
  void ShowHelp(std::string_view helpFile) override { helpShown.emplace_back(helpFile); }
  void ShowLesson(const LessonCaption* caption) override {
    lesson = caption ? std::optional<LessonCaption>(*caption) : std::nullopt;
    if (caption) lessonCaptions.push_back(*caption);
  }
  // Inline: nothing paints meanwhile. Counted, so a script can tell the level was asked.
  void Think(std::function<void()> work) override {
    ++thoughts;
    work();
  }
  // Kept until the script runs it, so a test decides whether a click comes first.
  void RunInBackground(std::function<std::function<void()>()> work) override {
    backgroundWork_.push_back(std::move(work));
  }
  // Runs the background work started so far, in order, and delivers each result.
  void FinishBackground();
  std::uint64_t Now() override { return clock; }
  void Quit() override { quit = true; }

  // Called when a dialog is shown modally; it plays the player's part and must end the dialog
  // (directly or by a timer the core started, which the fake then fires).
  std::function<void(Dialog)> onModal;
  // Called for each timer still running after a modal script, as the clock would.
  std::function<void(Timer)> onTimer;
  std::deque<MessageAnswer> messageAnswers;
  std::deque<std::optional<std::string>> pickedFiles;
  std::vector<std::string> existingFiles{"wall1.bmp", "wall2.bmp", "wall3.bmp"};
  // Files that are there but hold no picture the platform can read.
  std::vector<std::string> unreadableFiles;
  std::function<void()> onStep;
  // Background work started and not yet finished.
  std::size_t BackgroundWaiting() const { return backgroundWork_.size(); }
  // Set by a script as a player's click or Esc while a card flies: every step from then on lands.
  bool landing = false;

  std::uint64_t clock;
  int steps = 0;
  int thoughts = 0;
  std::vector<int> pauses;
  int redraws = 0;
  std::string background;
  std::string faces[2];
  std::vector<Dialog> modalsShown;
  std::vector<std::string> messages;
  std::vector<std::string> messageTitles;
  std::vector<MessageButtons> messageButtons;
  std::vector<std::string> sounds;
  std::vector<std::string> announcements;
  std::vector<std::string> helpShown;
  // The lesson's caption now on the table, and every one shown.
  std::optional<LessonCaption> lesson;
  std::vector<LessonCaption> lessonCaptions;
  std::map<Timer, int> timers;
  // Where each window lies, in twips; scripts move them as a player would.
  std::map<Window, WindowOrigin> windowOrigins;
  // The windows' sizes and frames, and the screens, as a desktop would report them; none by default.
  std::map<Window, WindowFrame> frames;
  std::vector<ScreenArea> screens;
  bool waitCursor = false;
  bool smallMode = false;
  int tableSize = 100;
  int screenWidth = 1024;
  bool quit = false;

 private:
  std::vector<Dialog> open_;
  std::deque<std::function<std::function<void()>()>> backgroundWork_;
};

}  // namespace pg::headless
