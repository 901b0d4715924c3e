// The rules as stored and as the rule dialog holds them, converted both ways in one place.
#include "engine/rule_settings.h"

#include <algorithm>

namespace pg {

RuleControls ControlsOf(const RuleSettings& r) {
  auto bounded = [](std::int16_t value, std::int16_t low, std::int16_t high) { return std::clamp(value, low, high); };
  RuleControls rules;
  rules.option = {bounded(r.HanamiRule, 0, 1), bounded(r.TsukimiRule, 0, 1), bounded(r.OyaRule, 0, 1),
                  bounded(r.KikuRule, 0, 1)};
  rules.SetPoints(0, bounded(r.HanamiPoints, 1, 5));
  rules.SetPoints(1, bounded(r.TsukimiPoints, 1, 5));
  return rules;
}

RuleSettings SettingsOf(const RuleControls& r) {
  return {r.option[0], r.option[1], r.option[2], r.option[3], r.rscroll[0], r.rscroll[1]};
}

}  // namespace pg
