// The stored match is replayed through the model month by month; each choice the player had is
// searched as 最強 would have searched it, on the player's view alone. Replaying comes first and
// is cheap, so the progress bar knows how many searches lie ahead.
#include "computer/review.h"

#include <algorithm>
#include <array>
#include <optional>

#include "computer/ismcts.h"
#include "engine/card.h"
#include "engine/random.h"
#include "engine/side.h"
#include "model/cards.h"
#include "model/month.h"
#include "model/rule_set.h"
#include "model/view.h"

namespace pg::computer {

namespace {

constexpr std::array<const char*, 12> kFlowers{"松", "梅", "桜", "藤",   "菖蒲", "牡丹",
                                               "萩", "芒", "菊", "紅葉", "柳",   "桐"};

struct Choice {
  int month = 1;
  int move = 0;
  model::State state;
  model::Move played;
};

std::optional<std::uint8_t> CardOf(const StoredCard& text) {
  const CardCode code = CardCode::FromText(text);
  if (text.size() != 2 || !IsCard(code)) return std::nullopt;
  return static_cast<std::uint8_t>(CardIndex(code));
}

std::string MonthMessage(int month, int move) {
  return std::to_string(month) + "月の" + std::to_string(move + 1) +
         "手目から先は、記録された手をこの版で再現できないため振り返っていません。";
}

// The month as dealt, or none when the stored deal is not 48 different cards.
std::optional<model::State> DealtMonth(const model::Rules& rules, const HistoryMonth& m, std::array<int, 2> score) {
  model::State s = model::NewMatch(rules, m.dealer == 1 ? 1 : 0);
  s.month = static_cast<std::int8_t>(std::clamp(m.month, 1, model::kMonths));
  s.score = {static_cast<std::int16_t>(score[0]), static_cast<std::int16_t>(score[1])};
  model::CardSet seen = 0;
  auto take = [&seen](const StoredCard& text) -> std::optional<std::uint8_t> {
    const auto card = CardOf(text);
    if (!card || (seen & model::Bit(*card)) != 0) return std::nullopt;
    seen |= model::Bit(*card);
    return card;
  };
  if (m.table.size() != 8 || m.hands[0].size() != model::kHandCards || m.hands[1].size() != model::kHandCards ||
      m.stock.size() != model::kStockCards) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < m.table.size(); ++i) {
    const auto card = take(m.table[i]);
    if (!card) return std::nullopt;
    s.table |= model::Bit(*card);
    s.tableSlot[*card] = static_cast<std::uint8_t>(i);
  }
  for (std::size_t side = 0; side < 2; ++side) {
    for (std::size_t i = 0; i < m.hands[side].size(); ++i) {
      const auto card = take(m.hands[side][i]);
      if (!card) return std::nullopt;
      s.hand[side] |= model::Bit(*card);
      s.handOrder[side][i] = *card;
    }
  }
  for (std::size_t k = 0; k < m.stock.size(); ++k) {
    const auto card = take(m.stock[k]);
    if (!card) return std::nullopt;
    s.stock[k] = *card;
  }
  s.nextTableSlot = kDealtCards;
  s.stockLeft = model::kStockCards;
  s.mover = s.dealer;
  s.stage = model::Stage::Play;
  return s;
}

// Follows one stored month through the model, noting each choice the player had between two or
// more moves; false where a stored move is not one the model allows.
class MonthReplay {
 public:
  MonthReplay(const HistoryMonth& month, model::State s, std::vector<Choice>& choices)
      : month_(month), s_(s), choices_(choices) {}

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
    while (s_.stage == model::Stage::Decision) {
      if (call_ == month_.calls.size()) return at == static_cast<int>(month_.moves.size());
      const HistoryCall& call = month_.calls[call_++];
      if (call.side != s_.mover) return false;
      if (!Play({call.kind == CallKind::KoiKoi ? model::MoveKind::KoiKoi : model::MoveKind::Stop}, at)) return false;
    }
    return true;
  }

  bool Follow(const HistoryMove& stored, int at) {
    const auto card = CardOf(stored.card);
    if (!card) return false;
    std::uint8_t chosen = model::kNoCard;
    if (!stored.chosen.empty()) {
      const auto c = CardOf(stored.chosen);
      if (!c) return false;
      chosen = *c;
    }
    if (stored.fromStock) {
      // The stock card was drawn with the hand card; only a choice between two table cards waits.
      if (s_.stage != model::Stage::StockChoice) return true;
      if (s_.pendingCard != *card || s_.mover != stored.side) return false;
      return Play({model::MoveKind::Take, *card, chosen}, at);
    }
    if (s_.stage != model::Stage::Play || s_.mover != stored.side) return false;
    return Play({model::MoveKind::Play, *card, chosen}, at);
  }

  bool Play(const model::Move& move, int at) {
    if (!model::IsLegal(s_, move)) return false;
    model::MoveList moves;
    model::LegalMoves(s_, moves);
    if (s_.mover == kPlayerSide && moves.size > 1) choices_.push_back({month_.month, at, s_, move});
    model::Apply(s_, move);
    return true;
  }

  const HistoryMonth& month_;
  model::State s_;
  std::vector<Choice>& choices_;
  std::size_t call_ = 0;
};

}  // namespace

MatchReview ReviewMatch(const HistoryMatch& match, std::uint64_t seed, const SearchBudget& budget,
                        const ReviewProgress& progress) {
  MatchReview review;
  const model::Rules rules = model::RulesOf(ControlsOf(match.rules));
  std::vector<Choice> choices;
  std::array<int, 2> score{};
  for (const HistoryMonth& month : match.months) {
    if (!month.moves.empty()) {
      const std::optional<model::State> dealt = DealtMonth(rules, month, score);
      int failedAt = 0;
      if (!dealt) {
        review.stoppedShort = MonthMessage(month.month, 0);
        break;
      }
      if (!MonthReplay(month, *dealt, choices).Run(failedAt)) {
        review.stoppedShort = MonthMessage(month.month, failedAt);
        break;
      }
    }
    if (month.winner == 0 || month.winner == 1) score[static_cast<std::size_t>(month.winner)] += month.payment;
  }

  Random random(seed);
  const int total = static_cast<int>(choices.size());
  for (const Choice& choice : choices) {
    const model::View view(choice.state, kPlayerSide, random);
    const auto searchSeed = static_cast<std::uint64_t>(random.Uniform() * 0x1.0p53);
    const std::vector<RootMove> roots = IsmctsRootMoves(view.Guess(), searchSeed, budget);
    ++review.choicesWeighed;
    const auto played =
        std::find_if(roots.begin(), roots.end(), [&](const RootMove& r) { return r.move == choice.played; });
    if (!roots.empty() && played != roots.end() && roots.front().chance - played->chance >= kListedLoss) {
      review.lines.push_back(
          {choice.month, choice.move, choice.played, roots.front().move, played->chance, roots.front().chance});
    }
    if (progress && !progress(review.choicesWeighed, total)) break;
  }
  std::stable_sort(review.lines.begin(), review.lines.end(), [](const ReviewLine& a, const ReviewLine& b) {
    return a.betterChance - a.playedChance > b.betterChance - b.playedChance;
  });
  return review;
}

std::string CardName(std::uint8_t card) {
  if (card >= kCardCount) return "？";
  const CardCode code = CodeOf(card);
  static constexpr std::array<const char*, 4> kClasses{"光", "タネ", "短冊", "カス"};
  return std::string(kFlowers[static_cast<std::size_t>(card / 4)]) + "に" +
         kClasses[static_cast<std::size_t>(ClassOf(code, false))];
}

std::string MoveText(const model::Move& move) {
  switch (move.kind) {
    case model::MoveKind::Play:
      return move.take == model::kNoCard ? CardName(move.card)
                                         : CardName(move.card) + "で" + CardName(move.take) + "を取る";
    case model::MoveKind::Take:
      return "山札の" + CardName(move.card) + "で" + CardName(move.take) + "を取る";
    case model::MoveKind::Stop:
      return "勝負";
    case model::MoveKind::KoiKoi:
      return "こいこい";
  }
  return {};
}

std::uint8_t MarkedCard(const model::Move& move) {
  if (move.kind == model::MoveKind::Take) return move.take;
  return move.kind == model::MoveKind::Play ? move.card : model::kNoCard;
}

}  // namespace pg::computer
