// The scoring table of the yaku groups.
#include "rules/yaku_score.h"

#include "engine/game.h"
#include "engine/text.h"
#include "rules/yaku.h"
#include "records/player_text.h"

namespace pg {

namespace {

// Most rows write their points in the number form, with its leading blank.
YakuRow Row(const char* name, int points) { return {name, points, NumText(points) + PG_JAPANESE_DATA("文")}; }

// Fixed texts and the rule values carry plain digits.
YakuRow PlainRow(const char* name, int points) { return {name, points, Digits(points) + PG_JAPANESE_DATA("文")}; }

}  // namespace

bool BothRibbonSets(const Game& game, int side) {
  const auto& count = game.table.YakuCount[side];
  return count[YakuGroup::Akatan] >= YakuThreshold(YakuGroup::Akatan) &&
         count[YakuGroup::Aotan] >= YakuThreshold(YakuGroup::Aotan);
}

YakuRow ScoreRow(const Game& game, int side, YakuGroup group) {
  const auto& count = game.table.YakuCount[side];
  const int hikari = count[YakuGroup::Hikari];
  const int tane = count[YakuGroup::Tane];
  const int tan = count[YakuGroup::Tan];
  switch (group) {
    case YakuGroup::Hikari:
      if (hikari == 6) return PlainRow(PG_TEXT("三光"), 5);
      if (hikari >= 9) return PlainRow(PG_TEXT("五光"), 10);
      return Row(PG_TEXT("四光"), hikari);
    case YakuGroup::InoShikaCho:
      return Row(PG_TEXT("猪鹿蝶"), 5 + tane - 3);
    case YakuGroup::Hanami:
      return PlainRow(PG_TEXT("花見で一杯"), game.rules.HanamiPoints());
    case YakuGroup::Tsukimi:
      return PlainRow(PG_TEXT("月見で一杯"), game.rules.TsukimiPoints());
    case YakuGroup::Akatan:
      return Row(PG_TEXT("赤短"), 5 + tan - 3);
    case YakuGroup::Aotan:
      if (BothRibbonSets(game, side)) return Row(PG_TEXT("赤短・青短"), 10 + tan - 6);
      return Row(PG_TEXT("青短"), 5 + tan - 3);
    case YakuGroup::Tane:
      return Row(PG_TEXT("タネ"), tane - 4);
    case YakuGroup::Tan:
      return Row(PG_TEXT("タン"), tan - 4);
    default:
      return Row(PG_TEXT("カス"), count[YakuGroup::Kasu] - 9);
  }
}

}  // namespace pg
