// The value order of the cards by index, read from the game's priority list.
#include "model/cards.h"

namespace pg::model {

namespace {

constexpr std::array<std::uint8_t, kCardCount> PriorityByIndex() {
  std::array<std::uint8_t, kCardCount> priority{};
  priority.fill(kUnlisted);
  for (int k = 0; k < kUnlisted; ++k) {
    const CardCode code(PriorityList[static_cast<std::size_t>(2 * k)],
                        PriorityList[static_cast<std::size_t>(2 * k + 1)]);
    priority[static_cast<std::size_t>(CardIndex(code))] = static_cast<std::uint8_t>(k);
  }
  return priority;
}

}  // namespace

const std::array<std::uint8_t, kCardCount> kPriority = PriorityByIndex();

}  // namespace pg::model
