// The whole state of a match: deck, hands, table, counters and the in-memory status records.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/card.h"
#include "engine/phase.h"
#include "engine/turn_step.h"
#include "engine/win_code.h"
#include "engine/yaku_group.h"
#include "records/status_records.h"

namespace pg {

inline constexpr std::int16_t kNoPicture = -1;

// A hand or table slot: the card and the index of the Card picture that shows it.
// A card played or taken leaves kEmptySlot with kNoPicture ("FF" in both).
struct Slot {
  CardCode code;
  std::int16_t pic = kNoPicture;
};

inline constexpr Slot kTakenSlot{kEmptySlot, kNoPicture};
inline constexpr int kTableSlots = 21;
inline constexpr int kHandSlots = 8;

// How many cards of each month lie in one place; month m counts at index m - 1.
using MonthTally = std::array<std::int16_t, 12>;

// A side is the index of the arrays kept per side, here and throughout the game: 0 the player, 1 the
// computer. Sides are counted, swapped (1 - side) and compared with Oya, so they stay plain numbers.
struct TableState {
  pg::Phase Phase = pg::Phase::Idle;
  std::array<CardCode, kCardCount> Deck{};
  std::array<Slot, kTableSlots> FieldCard{};
  MonthTally FieldMonth{};
  std::array<std::array<Slot, kHandSlots>, 2> HandCard{};
  std::array<MonthTally, 2> HandMonth{};
  std::int16_t Oya = 0;
  pg::TurnStep TurnStep = pg::TurnStep::PlayerHand;
  std::int16_t StockLeft = 0;
  std::int16_t HandLeft = 0;
  std::int16_t FieldCount = 0;
  std::int16_t FieldCountBefore = 0;
  std::array<ByYakuGroup<std::int16_t>, 2> YakuCount{};
  std::int16_t GameNum = 0;
  std::int16_t SameNum = 0;
  std::array<std::int16_t, 4> SameSlot{};
  // The table card chosen for the card in play where two of its month lay there; empty otherwise.
  CardCode chosen;
  pg::WinCode WinCode = pg::WinCode::None;
  std::int16_t PlayedSlot = 0;
  std::int16_t LayoutTop = 46;
  std::array<std::int16_t, 3> BestMonthPoints{};
  std::array<std::string, 3> BestMonthText;
  // Set for each group a card was counted into since the turn began.
  ByYakuGroup<bool> YakuTouched{};
  StatusRecords status;
  // Each side's captures this month, bit CardIndex(code) for a card, and who called こいこい: what the
  // computer's levels read the month from.
  std::array<std::uint64_t, 2> Taken{};
  std::array<bool, 2> KoiKoi{};
  // The match totals in 文 by side, which the score labels show.
  std::array<std::int16_t, 2> matchScore{};
};

// Cards left in a side's hand. HandLeft counts both hands as one, and a turn counts its card as
// played before the card leaves its slot. The dealer plays first, so on an odd count it holds
// the one card fewer.
inline int CardsInHand(const TableState& t, int side) { return side == t.Oya ? t.HandLeft / 2 : (t.HandLeft + 1) / 2; }

}  // namespace pg
