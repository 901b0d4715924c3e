// Where the stock pile, the hands and the table slots lie on the board.
#pragma once

#include <cstdint>

#include "engine/table_state.h"

namespace pg {

struct Point {
  std::int16_t x = 0;
  std::int16_t y = 0;
  constexpr bool operator==(const Point&) const = default;
};

inline Point StockPosition(const TableState& t, int j) {
  return {36, static_cast<std::int16_t>(t.LayoutTop + 146 + 2 * j)};
}

inline Point TableSlotPosition(const TableState& t, int s) {
  return {static_cast<std::int16_t>(144 + 56 * (s / 2)), static_cast<std::int16_t>(t.LayoutTop + 176 + 80 * (s % 2))};
}

inline Point HandSlotPosition(const TableState& t, int side, int k) {
  return {static_cast<std::int16_t>(112 + 40 * k), static_cast<std::int16_t>(t.LayoutTop + 376 - 320 * side)};
}

}  // namespace pg
