// The yaku a side holds, scored exactly as the win dialog lists and totals them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/yaku_group.h"
#include "model/state.h"

namespace pg::model {

enum class YakuId : std::uint8_t {
  Sanko,
  Shiko,
  Goko,
  InoShikaCho,
  Hanami,
  Tsukimi,
  Akatan,
  Aotan,
  AkatanAotan,
  Tane,
  Tan,
  Kasu,
};

struct YakuRow {
  YakuId id = YakuId::Sanko;
  std::int16_t points = 0;
};

// The rows in the dialog's order, their total, and whether the 7文 bonus doubled it.
struct YakuList {
  std::array<YakuRow, kYakuGroups> rows{};
  int size = 0;
  int total = 0;
  bool doubled = false;
};

// The tallies of the nine groups, as the game counts captured cards into them.
ByYakuGroup<int> CountGroups(const Rules& rules, CardSet captured);
// True when a card of `took` fed a group that is now at or past its threshold.
bool MakesWin(const Rules& rules, CardSet captured, CardSet took);
YakuList ScoreYaku(const Rules& rules, CardSet captured);
// The name the win dialog gives the yaku.
std::string_view YakuName(YakuId id);

// 手四 and くっつき pay 6文, the dealer's right 1文.
inline constexpr int kDealtHandPoints = 6;
inline constexpr int kDealerRightPoints = 1;

}  // namespace pg::model
