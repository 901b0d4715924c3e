// The scoring table of the yaku groups.
#include "rules/yaku_score.h"

#include "engine/game.h"
#include "engine/text.h"
#include "rules/yaku.h"

namespace pg {

namespace {

std::string Mon(int points) { return NumText(points) + "文"; }

}  // namespace

bool BothRibbonSets(const Game& game, int side) {
  const auto& count = game.table.YakuCount[side];
  return count[4] >= YakuThreshold(4) && count[5] >= YakuThreshold(5);
}

YakuRow ScoreRow(const Game& game, int side, int group) {
  const auto& count = game.table.YakuCount[side];
  const int tane = count[6];
  const int tan = count[7];
  switch (group) {
    case 0:
      // 三光 and 五光 carry fixed texts without the blank the number form would add.
      if (count[0] == 6) return {"三光", "5文"};
      if (count[0] >= 9) return {"五光", "10文"};
      return {"四光", Mon(count[0])};
    case 1:
      return {"猪鹿蝶", Mon(5 + tane - 3)};
    case 2:
      return {"花見で一杯", game.rules.rten[0] + "文"};
    case 3:
      return {"月見で一杯", game.rules.rten[1] + "文"};
    case 4:
      return {"赤短", Mon(5 + tan - 3)};
    case 5:
      if (BothRibbonSets(game, side)) return {"赤短・青短", Mon(10 + tan - 6)};
      return {"青短", Mon(5 + tan - 3)};
    case 6:
      return {"タネ", Mon(tane - 4)};
    case 7:
      return {"タン", Mon(tan - 4)};
    default:
      return {"カス", Mon(count[8] - 9)};
  }
}

}  // namespace pg
