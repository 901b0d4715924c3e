// A match as one plain value: zones as card sets, the stock order, the month, the dealer and the scores.
#pragma once

#include <array>
#include <cstdint>

#include "engine/check.h"
#include "model/cards.h"
#include "model/rule_set.h"

namespace pg::model {

inline constexpr int kHandCards = 8;
inline constexpr int kStockCards = 24;
inline constexpr int kMonths = 12;

enum class Stage : std::uint8_t {
  Deal,         // a month is to be dealt
  Play,         // the mover plays a hand card
  StockChoice,  // the mover's stock card matched two table cards: the mover takes one
  Decision,     // the mover's turn made a yaku: 勝負 or こいこい
  MonthOver,
  MatchOver,
};

enum class MoveKind : std::uint8_t { Play, Take, Stop, KoiKoi };

// Play: `card` from the hand, taking `take` when two table cards of its month lie there.
// Take: of the two table cards that match the stock card, `take`. Stop and KoiKoi: the decision.
struct Move {
  MoveKind kind = MoveKind::Play;
  std::uint8_t card = kNoCard;
  std::uint8_t take = kNoCard;

  bool operator==(const Move&) const = default;
};

// At most eight hand cards, each with at most two table cards to choose from.
struct MoveList {
  std::array<Move, 2 * kHandCards> moves{};
  int size = 0;

  void Add(Move move) { moves[static_cast<std::size_t>(size++)] = move; }
  const Move* begin() const { return moves.data(); }
  const Move* end() const { return moves.data() + size; }
  const Move& operator[](int i) const {
    PG_CHECK(i >= 0 && i < size);
    return moves[static_cast<std::size_t>(i)];
  }
};

enum class WinKind : std::uint8_t { None, Yaku, Teshi, Kuttsuki, DealerRight };

// How the last month ended: who was paid what for which kind of win.
struct MonthResult {
  WinKind kind = WinKind::None;
  std::int8_t winner = -1;
  std::int16_t points = 0;

  bool operator==(const MonthResult&) const = default;
};

struct State {
  Rules rules;
  std::array<CardSet, 2> hand{};
  CardSet table = 0;
  std::array<CardSet, 2> captured{};
  // The hands in slot order: the designed player breaks ties by slot, and the slots close up.
  std::array<std::array<std::uint8_t, kHandCards>, 2> handOrder{};
  // Where each table card lies: a lower number is a lower slot. Dealt cards keep their deck
  // position; a card laid later gets the next number, so it lies above all others.
  std::array<std::uint8_t, kCardCount> tableSlot{};
  std::uint8_t nextTableSlot = 0;
  // The stock in drawing order; the next card is stock[kStockCards - stockLeft].
  std::array<std::uint8_t, kStockCards> stock{};
  std::uint8_t stockLeft = 0;
  // The stock card waiting in Stage::StockChoice.
  std::uint8_t pendingCard = kNoCard;
  // Everything the mover took this turn: a yaku group it fed at or past its threshold makes a win.
  CardSet turnTook = 0;
  std::int8_t month = 1;
  std::int8_t dealer = 0;
  std::int8_t mover = 0;
  Stage stage = Stage::Deal;
  // Which sides called こいこい this month; nothing is multiplied for it.
  std::array<bool, 2> koikoi{};
  std::array<std::int16_t, 2> score{};
  MonthResult result;
};

// What the last Apply did card by card, for callers that follow the game play by play.
struct Trace {
  std::uint8_t handCard = kNoCard;
  CardSet handTook = 0;  // with the hand card itself when it captured
  std::uint8_t stockCard = kNoCard;
  CardSet stockTook = 0;
};

inline int HandLeft(const State& s) { return Count(s.hand[0] | s.hand[1]); }
inline int HandSize(const State& s, int side) { return Count(s.hand[static_cast<std::size_t>(side)]); }

}  // namespace pg::model
