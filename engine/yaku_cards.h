// Which cards make each yaku: the one list the capture rules and the game model both read.
#pragma once

#include <array>
#include <span>

#include "engine/card.h"

namespace pg {

// 光 counts each bright twice and the rain bright once, so its count tells 雨四光 from 四光.
inline constexpr CardCode kRainBright{'B', '1'};
inline constexpr int kBrightWeight = 2;
inline constexpr int kRainBrightWeight = 1;

// 花見で一杯 is the cherry curtain with the sake cup, 月見で一杯 the full moon with the sake cup.
inline constexpr CardCode kHanamiBright{'3', '1'};
inline constexpr CardCode kTsukimiBright{'8', '1'};
// The sake cup is an animal or chaff by the 「菊に杯」 rule, and in both 花見 and 月見 either way.
inline constexpr CardCode kSakeCup{'9', '1'};

inline constexpr std::array<CardCode, 3> kInoShikaChoCards{{{'7', '1'}, {'A', '1'}, {'6', '1'}}};
inline constexpr std::array<CardCode, 3> kAkatanCards{{{'1', '2'}, {'2', '2'}, {'3', '2'}}};
inline constexpr std::array<CardCode, 3> kAotanCards{{{'6', '2'}, {'9', '2'}, {'A', '2'}}};

constexpr bool IsOneOf(CardCode code, std::span<const CardCode> cards) {
  for (CardCode c : cards) {
    if (c == code) return true;
  }
  return false;
}

}  // namespace pg
