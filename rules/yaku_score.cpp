// The scoring table of the yaku groups.
#include "rules/yaku_score.h"

#include "engine/game.h"
#include "engine/text.h"
#include "rules/yaku.h"

namespace pg {

namespace {

// Most rows write their points in the number form, with its leading blank.
YakuRow Row(const char* name, int points) { return {name, points, NumText(points) + "文"}; }

// Fixed texts and the rule values carry plain digits.
YakuRow PlainRow(const char* name, int points) { return {name, points, Digits(points) + "文"}; }

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
      if (count[0] == 6) return PlainRow("三光", 5);
      if (count[0] >= 9) return PlainRow("五光", 10);
      return Row("四光", count[0]);
    case 1:
      return Row("猪鹿蝶", 5 + tane - 3);
    case 2:
      return PlainRow("花見で一杯", game.rules.HanamiPoints());
    case 3:
      return PlainRow("月見で一杯", game.rules.TsukimiPoints());
    case 4:
      return Row("赤短", 5 + tan - 3);
    case 5:
      if (BothRibbonSets(game, side)) return Row("赤短・青短", 10 + tan - 6);
      return Row("青短", 5 + tan - 3);
    case 6:
      return Row("タネ", tane - 4);
    case 7:
      return Row("タン", tan - 4);
    default:
      return Row("カス", count[8] - 9);
  }
}

}  // namespace pg
