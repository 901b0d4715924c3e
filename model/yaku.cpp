// Counting captured cards into the yaku groups and scoring them as the win dialog does.
#include "model/yaku.h"

#include <bit>

#include "engine/yaku_cards.h"
#include "rules/yaku.h"
#include "records/player_text.h"

namespace pg::model {

namespace {

constexpr CardSet kRain = Bit(CardIndex(kRainBright));

int GroupCount(const Rules& rules, CardSet captured, YakuGroup group) {
  const int cards = Count(captured & rules.groupCards[group]);
  if (group != YakuGroup::Hikari) return cards;
  return kBrightWeight * cards - ((captured & kRain) != 0 ? kBrightWeight - kRainBrightWeight : 0);
}

YakuRow Row(YakuId id, int points) { return {id, static_cast<std::int16_t>(points)}; }

YakuRow ScoreRow(const Rules& rules, const ByYakuGroup<int>& count, YakuGroup group, bool bothRibbonSets) {
  using enum YakuGroup;
  const int tane = count[Tane];
  const int tan = count[Tan];
  switch (group) {
    case Hikari:
      if (count[Hikari] == 6) return Row(YakuId::Sanko, 5);
      if (count[Hikari] >= 9) return Row(YakuId::Goko, 10);
      return Row(YakuId::Shiko, count[Hikari]);
    case InoShikaCho:
      return Row(YakuId::InoShikaCho, 5 + tane - 3);
    case Hanami:
      return Row(YakuId::Hanami, rules.hanamiPoints);
    case Tsukimi:
      return Row(YakuId::Tsukimi, rules.tsukimiPoints);
    case Akatan:
      return Row(YakuId::Akatan, 5 + tan - 3);
    case Aotan:
      if (bothRibbonSets) return Row(YakuId::AkatanAotan, 10 + tan - 6);
      return Row(YakuId::Aotan, 5 + tan - 3);
    case Tane:
      return Row(YakuId::Tane, tane - 4);
    case Tan:
      return Row(YakuId::Tan, tan - 4);
    default:
      return Row(YakuId::Kasu, count[Kasu] - 9);
  }
}

constexpr int kBonusFrom = 7;

}  // namespace

ByYakuGroup<int> CountGroups(const Rules& rules, CardSet captured) {
  ByYakuGroup<int> count;
  for (YakuGroup group : kAllYakuGroups) count[group] = GroupCount(rules, captured, group);
  return count;
}

bool MakesWin(const Rules& rules, CardSet captured, CardSet took) {
  // Counts only grow within a turn, so a group that reached its threshold at any card of the
  // turn is still there at its end.
  // Which groups the turn fed is gathered without a branch; then only those are counted.
  unsigned fed = 0;
  for (YakuGroup group : kAllYakuGroups) {
    fed |= static_cast<unsigned>((took & rules.groupCards[group]) != 0) << IndexOf(group);
  }
  for (; fed != 0; fed &= fed - 1) {
    const auto group = static_cast<YakuGroup>(std::countr_zero(fed));
    if (GroupCount(rules, captured, group) >= YakuThreshold(group)) return true;
  }
  return false;
}

YakuList ScoreYaku(const Rules& rules, CardSet captured) {
  const ByYakuGroup<int> count = CountGroups(rules, captured);
  const bool both = count[YakuGroup::Akatan] >= YakuThreshold(YakuGroup::Akatan) &&
                    count[YakuGroup::Aotan] >= YakuThreshold(YakuGroup::Aotan);
  YakuList list;
  for (YakuGroup group : kAllYakuGroups) {
    if (count[group] < YakuThreshold(group)) continue;
    // The pair of ribbon sets is one row, in the place of the 赤短 row listed just before.
    const bool merged = group == YakuGroup::Aotan && both;
    const YakuRow row = ScoreRow(rules, count, group, both);
    list.rows[static_cast<std::size_t>(merged ? list.size - 1 : list.size)] = row;
    if (!merged) ++list.size;
  }
  for (int r = 0; r < list.size; ++r) list.total += list.rows[static_cast<std::size_t>(r)].points;
  if (list.total >= kBonusFrom) {
    list.doubled = true;
    list.total *= 2;
  }
  return list;
}

std::string_view YakuName(YakuId id) {
  // The game's own names, as the win dialog lists them and the history keeps them.
  constexpr std::array<std::string_view, 12> kNames{
      PG_TEXT("三光"), PG_TEXT("四光"), PG_TEXT("五光"), PG_TEXT("猪鹿蝶"), PG_TEXT("花見で一杯"), PG_TEXT("月見で一杯"),
      PG_TEXT("赤短"), PG_TEXT("青短"), PG_TEXT("赤短・青短"), PG_TEXT("タネ"), PG_TEXT("タン"), PG_TEXT("カス")};
  return kNames[static_cast<std::size_t>(id)];
}

}  // namespace pg::model
