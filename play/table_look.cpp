// The table's look follows the player's settings at once, and each change is saved as it is made.
#include "play/table_look.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "engine/game.h"
#include "play/level_setting.h"
#include "records/settings_file.h"
#include "records/player_text.h"

namespace pg {

namespace {

bool IsTableSize(int percent) {
  return std::find(std::begin(kTableSizes), std::end(kTableSizes), percent) != std::end(kTableSizes);
}

}  // namespace

void SetCardMarks(Game& game, bool on) {
  if (game.cardMarks == on) return;
  game.cardMarks = on;
  game.platform.Redraw();
  SaveSettingLine(game, kCardMarksSetting, SwitchValue(on), PG_TEXT("札の表示の設定"));
}

bool TableSizeFits(const Game& game, int percent) {
  const std::optional<WindowFrame> frame = game.platform.FrameOf(Window::Main);
  const std::vector<ScreenArea> screens = game.platform.AvailableScreens();
  if (!frame || screens.empty() || game.tableSize <= 0) return true;
  // The window grows with the table; its frame does not.
  const int width = frame->clientWidth * percent / game.tableSize + frame->marginLeft + frame->marginRight;
  const int height = frame->clientHeight * percent / game.tableSize + frame->marginTop + frame->marginBottom;
  return std::any_of(screens.begin(), screens.end(),
                     [&](const ScreenArea& area) { return width <= area.width && height <= area.height; });
}

void SetTableSize(Game& game, int percent) {
  if (percent == game.tableSize || !IsTableSize(percent) || !TableSizeFits(game, percent)) return;
  game.tableSize = percent;
  game.platform.SetTableSize(percent);
  SaveSettingLine(game, kTableSizeSetting, std::to_string(percent), PG_TEXT("札の大きさの設定"));
}

void ApplyTableSizeAtStart(Game& game) {
  const int kept = IsTableSize(game.tableSize) ? game.tableSize : 100;
  game.tableSize = 100;
  int shown = 100;
  for (const int percent : kTableSizes) {
    if (percent <= kept && TableSizeFits(game, percent)) shown = percent;
  }
  game.tableSize = shown;
  if (shown != 100) game.platform.SetTableSize(shown);
}

}  // namespace pg
