// Loaded records become the options and rules; values out of a control's range are clamped.
#include "engine/status_apply.h"

#include <algorithm>

#include "engine/game.h"

namespace pg {

namespace {

std::int16_t Clamp(std::int16_t value, std::int16_t low, std::int16_t high) { return std::clamp(value, low, high); }

}  // namespace

void ApplyStatusRecords(Game& game, const StatusRecords& records) {
  game.table.status = records;
  OptionControls& options = game.options;
  const OptionSettings& o = records.options;
  options.Slider = Clamp(o.Speed, kSliderMin, kSliderMax);
  options.Wall = Clamp(o.WallChoice, 0, 3);
  options.WFileName = o.WallFile;
  options.SOption = Clamp(o.ScreenMode, 0, 1);
  options.DekiYaku = static_cast<YakuDisplay>(Clamp(o.YakuDisplay, 0, 2));
  options.FFileName = {o.FaceFile0, o.FaceFile1};
  game.rules = ControlsOf(records.rules);
}

}  // namespace pg
