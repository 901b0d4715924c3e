// Cards as indices 0..47 and zones as 48-bit sets, so a capture is an and and an or.
#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <span>

#include "engine/card.h"

namespace pg::model {

// Bit i stands for the card of CardNo i: month i / 4 + 1, rank i % 4 + 1.
using CardSet = std::uint64_t;

inline constexpr int kNoCard = 0xFF;
inline constexpr CardSet kAllCards = (CardSet{1} << kCardCount) - 1;
// The lowest card of every month: multiplied by a four-bit pattern, the pattern in each month.
inline constexpr CardSet kFirstOfEachMonth = 0x111111111111ull;

constexpr CardSet Bit(int card) { return CardSet{1} << card; }
constexpr int MonthOfCard(int card) { return card / 4 + 1; }
constexpr CardSet MonthCards(int month) { return CardSet{0xF} << (4 * (month - 1)); }
constexpr CardSet SameMonthAs(int card) { return CardSet{0xF} << (card & ~3); }
// Counted by halves, quarters and bytes: std::popcount calls out of line on the baseline x86-64
// the game is built for, and a playout counts cards at every play.
constexpr int Count(CardSet cards) {
  cards -= (cards >> 1) & 0x5555555555555555ull;
  cards = (cards & 0x3333333333333333ull) + ((cards >> 2) & 0x3333333333333333ull);
  cards = (cards + (cards >> 4)) & 0x0F0F0F0F0F0F0F0Full;
  return static_cast<int>((cards * 0x0101010101010101ull) >> 56);
}
// Exactly two cards: the case that asks which of them to take.
constexpr bool IsPair(CardSet cards) {
  const CardSet rest = cards & (cards - 1);
  return rest != 0 && (rest & (rest - 1)) == 0;
}
constexpr int Lowest(CardSet cards) { return std::countr_zero(cards); }

// The months of which all four cards are in `cards`, as their sets of cards.
constexpr CardSet WholeMonths(CardSet cards) {
  return (cards & (cards >> 1) & (cards >> 2) & (cards >> 3) & kFirstOfEachMonth) * 0xF;
}

// The months of which exactly two cards are in `cards`, one bit each (at the month's lowest card).
constexpr CardSet PairedMonths(CardSet cards) {
  // Each month's four bits become the month's count, 0..4; a count of 2 is 0b0010 exactly.
  CardSet count = cards - ((cards >> 1) & 0x5555555555555555ull);
  count = (count & 0x3333333333333333ull) + ((count >> 2) & 0x3333333333333333ull);
  return (count >> 1) & ~count & ~(count >> 2) & kFirstOfEachMonth;
}

// Calls f(card) for each card of the set, lowest first.
template <typename F>
constexpr void ForEachCard(CardSet cards, F&& f) {
  for (; cards != 0; cards &= cards - 1) f(Lowest(cards));
}

// The card's index, or kNoCard for anything that is not a card.
constexpr std::uint8_t CardOrNone(CardCode code) {
  return static_cast<std::uint8_t>(IsCard(code) ? CardIndex(code) : kNoCard);
}

constexpr CardSet SetOf(std::span<const CardCode> codes) {
  CardSet set = 0;
  for (CardCode code : codes) set |= Bit(CardIndex(code));
  return set;
}

// Position in the value order of the priority list, 24 for plain chaff: a smaller one is worth more.
extern const std::array<std::uint8_t, kCardCount> kPriority;

}  // namespace pg::model
