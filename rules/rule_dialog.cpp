// The rule dialog's handlers. 花見 and 月見 set to 無 hide their progress labels at once; set back to
// 有 while a month is played, the labels come back as the display mode shows them.
#include "rules/rule_dialog.h"

#include <algorithm>

#include "engine/game.h"
#include "rules/yaku.h"

namespace pg {

namespace {

void MarkChanged(Game& game) { game.rules.ChangeCheck = true; }

// Progress labels of a group: the player's and the computer's.
void SetYakuPair(Game& game, YakuGroup group, bool show) {
  for (int side = 0; side < 2; ++side) {
    Label& label = game.board.YakuLabel(side, group);
    if (show) {
      ShowProgressLabel(label, game.options.DekiYaku);
    } else {
      label.visible = false;
    }
  }
}

}  // namespace

void RuleOptionFocus(Game& game, RuleRow row, int index) {
  MarkChanged(game);
  const int r = static_cast<int>(row);
  game.rules.option[r] = static_cast<std::int16_t>(index == 0 ? 0 : 1);
  if (row != RuleRow::Hanami && row != RuleRow::Tsukimi) return;
  const YakuGroup group = row == RuleRow::Hanami ? YakuGroup::Hanami : YakuGroup::Tsukimi;
  if (index != 0) {
    SetYakuPair(game, group, false);
  } else if (MonthInPlay(game)) {
    SetYakuPair(game, group, true);
  }
}

void RuleScrollChange(Game& game, int index, int value) {
  MarkChanged(game);
  game.rules.SetPoints(index, static_cast<std::int16_t>(std::clamp(value, 1, 5)));
}

}  // namespace pg
