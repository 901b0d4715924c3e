// Stored matches followed through the model, move by move.
#include "model/stored_match.h"

#include <algorithm>
#include <array>
#include <optional>

#include "engine/card.h"
#include "model/cards.h"
#include "model/month.h"
#include "model/rule_set.h"

namespace pg::model {

namespace {

// A month's payment from disk is bounded before it is added up: no month pays more than the 16-bit
// score it is added to can hold.
constexpr std::int64_t kMostScore = kMostStoredScore;

// The month as dealt, or none when the stored deal is not 48 different cards.
std::optional<State> DealtMonth(const Rules& rules, const HistoryMonth& m, std::array<std::int64_t, 2> score) {
  State s = NewMatch(rules, m.dealer == 1 ? 1 : 0);
  s.month = static_cast<std::int8_t>(std::clamp(m.month, 1, kMonths));
  s.score = {static_cast<std::int16_t>(std::min(score[0], kMostScore)),
             static_cast<std::int16_t>(std::min(score[1], kMostScore))};
  CardSet seen = 0;
  auto take = [&seen](const StoredCard& text) -> std::optional<std::uint8_t> {
    const auto card = StoredCardIndex(text);
    if (!card || (seen & Bit(*card)) != 0) return std::nullopt;
    seen |= Bit(*card);
    return card;
  };
  if (m.table.size() != 8 || m.hands[0].size() != kHandCards || m.hands[1].size() != kHandCards ||
      m.stock.size() != kStockCards) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < m.table.size(); ++i) {
    const auto card = take(m.table[i]);
    if (!card) return std::nullopt;
    s.table |= Bit(*card);
    s.tableSlot[*card] = static_cast<std::uint8_t>(i);
  }
  for (std::size_t side = 0; side < 2; ++side) {
    for (std::size_t i = 0; i < m.hands[side].size(); ++i) {
      const auto card = take(m.hands[side][i]);
      if (!card) return std::nullopt;
      s.hand[side] |= Bit(*card);
      s.handOrder[side][i] = *card;
    }
  }
  for (std::size_t k = 0; k < m.stock.size(); ++k) {
    const auto card = take(m.stock[k]);
    if (!card) return std::nullopt;
    s.stock[k] = *card;
  }
  s.nextTableSlot = kDealtCards;
  s.stockLeft = kStockCards;
  s.mover = s.dealer;
  s.stage = Stage::Play;
  return s;
}

// Follows one stored month through the model, noting each move with the state it was applied to;
// false where a stored move is not one the model allows.
class MonthReplay {
 public:
  MonthReplay(const HistoryMonth& month, State s, std::vector<StoredMove>& moves)
      : month_(month), s_(s), moves_(moves) {}

  bool Run(int& failedAt) {
    for (std::size_t i = 0; i < month_.moves.size(); ++i) {
      failedAt = static_cast<int>(i);
      if (!Decide(failedAt) || !Follow(month_.moves[i], failedAt)) return false;
    }
    failedAt = static_cast<int>(month_.moves.size());
    return Decide(failedAt);
  }

 private:
  // The calls stand between the moves: each yaku the model sees waits for the next stored call.
  bool Decide(int at) {
    while (s_.stage == Stage::Decision) {
      if (call_ == month_.calls.size()) return at == static_cast<int>(month_.moves.size());
      const HistoryCall& call = month_.calls[call_++];
      if (call.side != s_.mover) return false;
      if (!Play({call.kind == CallKind::KoiKoi ? MoveKind::KoiKoi : MoveKind::Stop}, at)) return false;
    }
    return true;
  }

  bool Follow(const HistoryMove& stored, int at) {
    const auto card = StoredCardIndex(stored.card);
    if (!card) return false;
    std::uint8_t chosen = kNoCard;
    if (!stored.chosen.empty()) {
      const auto c = StoredCardIndex(stored.chosen);
      if (!c) return false;
      chosen = *c;
    }
    if (stored.fromStock) {
      // The stock card was drawn with the hand card; only a choice between two table cards waits.
      if (s_.stage != Stage::StockChoice) return true;
      if (s_.pendingCard != *card || s_.mover != stored.side) return false;
      return Play({MoveKind::Take, *card, chosen}, at);
    }
    if (s_.stage != Stage::Play || s_.mover != stored.side) return false;
    return Play({MoveKind::Play, *card, chosen}, at);
  }

  bool Play(const Move& move, int at) {
    if (!IsLegal(s_, move)) return false;
    moves_.push_back({month_.month, at, s_, move});
    Apply(s_, move);
    return true;
  }

  const HistoryMonth& month_;
  State s_;
  std::vector<StoredMove>& moves_;
  std::size_t call_ = 0;
};

}  // namespace

std::optional<std::uint8_t> StoredCardIndex(const StoredCard& text) {
  const CardCode code = CardCode::FromText(text);
  if (text.size() != 2 || !IsCard(code)) return std::nullopt;
  return static_cast<std::uint8_t>(CardIndex(code));
}

StoredMatch FollowStoredMatch(const HistoryMatch& match) {
  StoredMatch followed;
  const Rules rules = RulesOf(ControlsOf(match.rules));
  std::array<std::int64_t, 2> score{};
  for (const HistoryMonth& month : match.months) {
    if (!month.moves.empty()) {
      const std::optional<State> dealt = DealtMonth(rules, month, score);
      int failedAt = 0;
      if (!dealt || !MonthReplay(month, *dealt, followed.moves).Run(failedAt)) {
        followed.refused = true;
        followed.refusedMonth = month.month;
        followed.refusedAt = dealt ? failedAt : 0;
        break;
      }
    }
    if (month.winner == 0 || month.winner == 1) {
      score[static_cast<std::size_t>(month.winner)] += std::clamp<std::int64_t>(month.payment, 0, kMostScore);
    }
  }
  return followed;
}

}  // namespace pg::model
