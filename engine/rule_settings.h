// The rule dialog's controls, which are the rules.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/text.h"
#include "records/status_records.h"

namespace pg {

struct RuleControls {
  // Index of the selected button of each pair: r1option (花見で一杯), r2option (月見で一杯),
  // r3option (親権), r4option (「菊に杯」の扱い). 0 is the first button.
  std::array<std::int16_t, 4> option{0, 0, 1, 0};
  std::array<std::string, 2> rten{"5", "5"};
  std::array<std::int16_t, 2> rscroll{5, 5};
  // Set by any touch of a control while the dialog is open; the menu restarts the match if so.
  bool ChangeCheck = false;

  bool HanamiOn() const { return option[0] == 0; }
  bool TsukimiOn() const { return option[1] == 0; }
  bool OyaRightOn() const { return option[2] == 0; }
  bool KikuAsChaff() const { return option[3] == 1; }
  // A point control is greyed out while its yaku (花見 or 月見) is 無.
  bool PointsEnabled(int index) const { return option[index] == 0; }
  int HanamiPoints() const { return rscroll[0]; }
  int TsukimiPoints() const { return rscroll[1]; }
  // Moves spin control `index` and writes its value into the label beside it.
  void SetPoints(int index, std::int16_t points) {
    rscroll[index] = points;
    rten[index] = Digits(points);
  }
};

// The rules as stored (STATUS.DAT, history.db) become the controls, bounded to the controls' range:
// the switches 0 or 1, the points 1 to 5.
RuleControls ControlsOf(const RuleSettings& stored);
RuleSettings SettingsOf(const RuleControls& controls);

}  // namespace pg
