// A platform that shows nothing: a stored match is checked on a copy of the table that nobody sees
// before the replay shows it. Text is measured as the real screen measures it, so the labels the
// copy places lie where the screen would place them.
#pragma once

#include <functional>

#include "engine/platform.h"

namespace pg {

struct Game;

class SilentPlatform : public Platform {
 public:
  // `screen` is asked only for measurements; `answer` gives the win dialog's button to press.
  SilentPlatform(Platform& screen, std::function<int()> answer) : screen_(screen), answer_(std::move(answer)) {}
  void Attach(Game& game) { game_ = &game; }
  // The win dialog was answered with a button it did not offer.
  bool Refused() const { return refused_; }

  bool ShowStep() override { return true; }
  void ShowPaced(int) override {}
  void Redraw() override {}
  int TextWidth(std::string_view utf8, int pointSize) override { return screen_.TextWidth(utf8, pointSize); }
  PictureLoad LoadBackground(const std::string&) override { return PictureLoad::Loaded; }
  void ClearBackground() override {}
  PictureLoad LoadFace(int, const std::string&) override { return PictureLoad::Loaded; }
  void RunModal(Dialog dialog) override;
  void EndModal(Dialog) override {}
  void PlaceWindow(Window, int, int) override {}
  std::optional<WindowOrigin> NormalWindowOrigin(Window) override { return std::nullopt; }
  std::optional<WindowFrame> FrameOf(Window) override { return std::nullopt; }
  std::vector<ScreenArea> AvailableScreens() override { return screen_.AvailableScreens(); }
  void SetScreenMode(bool) override {}
  int ScreenWidthPixels() override { return screen_.ScreenWidthPixels(); }
  void SetWaitCursor(bool) override {}
  void StartTimer(Timer, int) override {}
  void StopTimer(Timer) override {}
  MessageAnswer ShowMessage(std::string_view, std::string_view, MessageIcon, MessageButtons) override {
    return MessageAnswer::No;
  }
  std::optional<std::string> PickFile(std::string_view) override { return std::nullopt; }
  void PlaySystemSound(std::string_view) override {}
  void ShowHelp(std::string_view) override {}
  std::uint64_t Now() override { return screen_.Now(); }
  void Quit() override {}

 private:
  Platform& screen_;
  std::function<int()> answer_;
  Game* game_ = nullptr;
  bool refused_ = false;
};

}  // namespace pg
