// The designed player's choices, move for move as the game's computer makes them.
#include "model/policy.h"

#include <algorithm>

#include "engine/designed_hand_choice.h"
#include "model/month.h"

namespace pg::model {

namespace {

inline int LowestSlot(const State& s, CardSet cards) {
  int lowest = Lowest(cards);
  if ((cards & (cards - 1)) == 0) return lowest;
  ForEachCard(cards & (cards - 1), [&](int card) {
    if (s.tableSlot[static_cast<std::size_t>(card)] < s.tableSlot[static_cast<std::size_t>(lowest)]) lowest = card;
  });
  return lowest;
}

int PriorityOfCard(int card) { return kPriority[static_cast<std::size_t>(card)]; }

}  // namespace

int DesignedHandCard(const State& s) {
  const auto& order = s.handOrder[static_cast<std::size_t>(s.mover)];
  const int chosen = DesignedHandSlot(
      HandSize(s, s.mover), [&](int i) { return PriorityOfCard(order[static_cast<std::size_t>(i)]); },
      [&](int i) -> std::optional<int> {
        const CardSet same = s.table & SameMonthAs(order[static_cast<std::size_t>(i)]);
        if (same == 0) return std::nullopt;
        return PriorityOfCard(LowestSlot(s, same));
      });
  return order[static_cast<std::size_t>(chosen)];
}

int DesignedTake(const State& s, int card) {
  const CardSet same = s.table & SameMonthAs(card);
  const int lower = LowestSlot(s, same);
  const int upper = Lowest(same & ~Bit(lower));
  return PriorityOfCard(upper) < PriorityOfCard(lower) ? upper : lower;
}

bool DesignedStops(const State& s, Random& random) {
  // Every draw that applies is made, and a later one overrides an earlier.
  const int cardsLeft = HandLeft(s) / 2;
  bool stop = random.Below(10) == 0;
  if (cardsLeft < 6) stop = random.Below(2) != 0;
  if (cardsLeft < 3) stop = random.Below(10) != 0;
  return stop || cardsLeft == 0;
}

Move DesignedMove(const State& s, Random& random) {
  switch (s.stage) {
    case Stage::Play: {
      const int card = DesignedHandCard(s);
      const bool choice = IsPair(s.table & SameMonthAs(card));
      return {MoveKind::Play, static_cast<std::uint8_t>(card),
              static_cast<std::uint8_t>(choice ? DesignedTake(s, card) : kNoCard)};
    }
    case Stage::StockChoice:
      return {MoveKind::Take, s.pendingCard, static_cast<std::uint8_t>(DesignedTake(s, s.pendingCard))};
    default:
      return {DesignedStops(s, random) || !CanKoiKoi(s) ? MoveKind::Stop : MoveKind::KoiKoi};
  }
}

Move RandomMove(const State& s, Random& random) {
  MoveList moves;
  LegalMoves(s, moves);
  return moves[random.Below(moves.size)];
}

}  // namespace pg::model
