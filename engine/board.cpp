// Stacking order of the card pictures.
#include "engine/board.h"

#include <algorithm>

namespace pg {

Board::Board() {
  for (std::int16_t i = 0; i < kCardCount; ++i) cardStack.push_back(i);
}

void Board::BringToFront(int card) {
  std::erase(cardStack, static_cast<std::int16_t>(card));
  cardStack.push_back(static_cast<std::int16_t>(card));
}

void Board::SendToBack(int card) {
  std::erase(cardStack, static_cast<std::int16_t>(card));
  cardStack.insert(cardStack.begin(), static_cast<std::int16_t>(card));
}

}  // namespace pg
