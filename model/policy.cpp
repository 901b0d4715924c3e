// The designed player's choices, move for move as the game's computer makes them.
#include "model/policy.h"

#include <algorithm>

#include "model/month.h"

namespace pg::model {

namespace {

constexpr int kNothingFound = 48;

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
  const int size = HandSize(s, s.mover);
  // The game weighs the hand card, then only the lowest table slot of its month, and keeps the
  // last slot that meets the most valuable card so far: so the last capture of the least
  // position wins. A capture of chaff with chaff is kept only as a fallback, and slot 0 as a
  // fallback looks the same as no capture at all.
  int best = kNothingFound;
  int chosen = 0;
  for (int i = 0; i < size; ++i) {
    const int card = order[static_cast<std::size_t>(i)];
    const CardSet same = s.table & SameMonthAs(card);
    if (same == 0) continue;
    const int p = std::min(PriorityOfCard(card), PriorityOfCard(LowestSlot(s, same)));
    if (p < kUnlisted && p < best) {
      best = p + 1;
      chosen = i;
    }
    if (chosen == 0 && best == kNothingFound) chosen = i;
  }
  // A chaff-for-chaff capture in slot 0 alone looks the same as no capture at all.
  if (chosen == 0 && best == kNothingFound) {
    best = 0;
    for (int i = 0; i < size; ++i) {
      const int p = PriorityOfCard(order[static_cast<std::size_t>(i)]);
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
