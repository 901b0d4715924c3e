// Which of the four plays of a cycle is under way: each side's hand card, then each side's stock card.
#pragma once

#include <cstdint>

namespace pg {

// The numbers are the game's own: the low bit is the side that moves (0 the player, 1 the
// computer), the high bit whether the card came from the stock.
enum class TurnStep : std::int16_t {
  PlayerHand = 0,
  ComputerHand = 1,
  PlayerStock = 2,
  ComputerStock = 3,
};

inline int MoverOf(TurnStep step) { return static_cast<int>(step) % 2; }
inline bool IsStockPlay(TurnStep step) { return static_cast<int>(step) >= 2; }
inline TurnStep HandStepOf(int side) { return side == 0 ? TurnStep::PlayerHand : TurnStep::ComputerHand; }
inline TurnStep StockStepOf(int side) { return side == 0 ? TurnStep::PlayerStock : TurnStep::ComputerStock; }

}  // namespace pg
