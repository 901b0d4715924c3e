// What each complete yaku group is worth: the row the win dialog lists for it.
#pragma once

#include <string>

#include "engine/yaku_group.h"

namespace pg {

struct Game;

struct YakuRow {
  std::string name;
  int points = 0;
  std::string pointsText;  // the number and "文", as the dialog shows it
};

// The row of a group whose count has reached its threshold. 青短 gives the merged "赤短・青短"
// row when 赤短 is complete as well; it then replaces the 赤短 row.
YakuRow ScoreRow(const Game& game, int side, YakuGroup group);
bool BothRibbonSets(const Game& game, int side);

}  // namespace pg
