// The designed player's hand card, one rule for the game's computer and for the search's model.
#pragma once

#include <algorithm>
#include <optional>

#include "engine/card.h"

namespace pg {

// Chooses among `cards` hand cards by value alone. `handPriority(i)` is hand card i's place in the
// value order (lower is worth more); `tablePriority(i)` that of the lowest table slot of its month,
// or nothing when the table has none. The last card that meets the most valuable card so far wins,
// so the last capture of the least place is kept. A capture of chaff with chaff counts only as a
// fallback, and a fallback in slot 0 looks the same as no capture at all: then the least valuable
// hand card is laid down, an unlisted one first.
template <typename HandPriority, typename TablePriority>
int DesignedHandSlot(int cards, HandPriority handPriority, TablePriority tablePriority) {
  constexpr int kNothingFound = 48;
  int best = kNothingFound;
  int chosen = 0;
  for (int i = 0; i < cards; ++i) {
    const std::optional<int> table = tablePriority(i);
    if (!table) continue;
    // Kept one above the place found, so a later card meeting the same place wins.
    const int p = std::min(handPriority(i), *table);
    if (p < kUnlisted && p < best) {
      best = p + 1;
      chosen = i;
    }
    if (chosen == 0 && best == kNothingFound) chosen = i;
  }
  if (chosen == 0 && best == kNothingFound) {
    best = 0;
    for (int i = 0; i < cards; ++i) {
      const int p = handPriority(i);
      if (p == kUnlisted) {
        best = kNothingFound;
        chosen = i;
      }
      if (p > best) {
        best = p;
        chosen = i;
      }
    }
  }
  return chosen;
}

}  // namespace pg
