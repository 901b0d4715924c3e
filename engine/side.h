// The two sides: the index of every array kept per side, in the table, the model and the records.
#pragma once

namespace pg {

// Sides are counted, swapped and compared with the dealer, so they stay plain numbers.
inline constexpr int kPlayerSide = 0;
inline constexpr int kComputerSide = 1;

}  // namespace pg
