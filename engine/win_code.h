// The pending win event of the table state: what the win dialog has to show next.
#pragma once

#include <cstdint>

namespace pg {

// The numbers are the game's own. Of the dealt-hand yaku, くっつき (four pairs) is odd and 手四
// (all four cards of a month) even; 1 and 2 are found in the dealer's hand, 3 and 4 in the other.
enum class WinCode : std::int16_t {
  None = 0,
  DealerKuttsuki = 1,
  DealerTeshi = 2,
  NonDealerKuttsuki = 3,
  NonDealerTeshi = 4,
  Yaku = 5,         // a yaku group reached its threshold
  DealerRight = 6,  // the hands ran out while 親権 is on
};

constexpr bool IsDealtHandYaku(WinCode code) {
  return code >= WinCode::DealerKuttsuki && code <= WinCode::NonDealerTeshi;
}

constexpr bool IsTeshi(WinCode code) { return code == WinCode::DealerTeshi || code == WinCode::NonDealerTeshi; }

}  // namespace pg
