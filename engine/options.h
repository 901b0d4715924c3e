// The options dialog's controls, which are the options; the wallpaper and faces they apply.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/phase.h"
#include "records/status_records.h"

namespace pg {

struct Game;

// A card flies in steps of Slider pixels (twice that while dealing); about 10 ms a step on screen
// makes a whole deal take about two seconds at the default.
inline constexpr std::int16_t kSliderMin = 1;
inline constexpr std::int16_t kSliderMax = 30;
inline constexpr std::int16_t kSliderDefault = kDefaultSpeed;

enum class YakuDisplay : std::int16_t { Always = 0, NearCompletion = 1, Never = 2 };

struct OptionControls {
  std::int16_t Slider = kSliderDefault;
  std::int16_t Wall = 0;  // the selected Wall(0..3)
  std::string WFileName;
  std::int16_t SOption = 1;  // the selected SOption(0..1): 0 is the 640 x 480 mode
  bool SOption1Enabled = true;
  YakuDisplay DekiYaku = YakuDisplay::Always;
  std::array<std::string, 2> FFileName{"Original", "Original"};
  // Mirror of the game phase, which the dialogs consult.
  Phase JudgeMode = Phase::Idle;
  // The directory that was current when the dialog was activated, ending in a separator.
  std::string directory;
  // The wallpaper and face names last reported as too long to be saved, so that applying one again
  // stays quiet.
  std::array<std::string, 3> unsavedNamesReported;
};

bool MonthInPlay(const Game& game);
void WallPaint(Game& game, int index);
// A face file that is missing falls back to the built-in face without a word.
void FacePaint(Game& game, int index);
bool ShowsBuiltInFace(const Game& game, int index);

}  // namespace pg
