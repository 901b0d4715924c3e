// Dealing the unseen cards anew for one side's view.
#include "model/determinize.h"

#include <utility>

namespace pg::model {

namespace {

CardSet StockCards(const State& s) {
  CardSet cards = 0;
  for (int k = kStockCards - s.stockLeft; k < kStockCards; ++k) cards |= Bit(s.stock[static_cast<std::size_t>(k)]);
  return cards;
}

}  // namespace

CardSet Unseen(const State& s, int viewer) { return s.hand[static_cast<std::size_t>(1 - viewer)] | StockCards(s); }

State Determinize(const State& s, int viewer, Random& random) {
  State d = s;
  std::array<std::uint8_t, kCardCount> cards{};
  int n = 0;
  ForEachCard(Unseen(s, viewer),
              [&](int card) { cards[static_cast<std::size_t>(n++)] = static_cast<std::uint8_t>(card); });
  for (int i = n - 1; i > 0; --i)
    std::swap(cards[static_cast<std::size_t>(i)], cards[static_cast<std::size_t>(random.Below(i + 1))]);
  const auto opponent = static_cast<std::size_t>(1 - viewer);
  const int held = HandSize(s, 1 - viewer);
  d.hand[opponent] = 0;
  for (int i = 0; i < held; ++i) {
    d.handOrder[opponent][static_cast<std::size_t>(i)] = cards[static_cast<std::size_t>(i)];
    d.hand[opponent] |= Bit(cards[static_cast<std::size_t>(i)]);
  }
  for (int k = kStockCards - s.stockLeft, i = held; k < kStockCards; ++k, ++i) {
    d.stock[static_cast<std::size_t>(k)] = cards[static_cast<std::size_t>(i)];
  }
  return d;
}

}  // namespace pg::model
