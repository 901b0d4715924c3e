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

  RuleControls& rules = game.rules;
  const RuleSettings& r = records.rules;
  rules.option = {Clamp(r.HanamiRule, 0, 1), Clamp(r.TsukimiRule, 0, 1), Clamp(r.OyaRule, 0, 1),
                  Clamp(r.KikuRule, 0, 1)};
  const std::int16_t points[2] = {Clamp(r.HanamiPoints, 1, 5), Clamp(r.TsukimiPoints, 1, 5)};
  for (int i = 0; i < 2; ++i) rules.SetPoints(i, points[i]);
}

}  // namespace pg
