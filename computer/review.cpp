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
#include "model/cards.h"
#include "model/month.h"
#include "model/rule_set.h"
#include "model/view.h"

namespace pg::computer {

namespace {

constexpr int kPlayer = 0;
constexpr int kDealtCards = 24;
// A month's payment from disk is bounded before it is added up: no month pays more than the 16-bit
// score it is added to can hold.
constexpr std::int64_t kMostScore = 32767;
// A choice that looks bad is searched this many times in all, with different seeds, to see how far
// the search's own figures wander at that position.
constexpr int kSpreadRuns = 3;
constexpr std::array<const char*, 12> kFlowers{"松", "梅", "桜", "藤",   "菖蒲", "牡丹",
                                               "萩", "芒", "菊", "紅葉", "柳",   "桐"};

struct Choice {
  int month = 1;
  int move = 0;
  model::State state;
  model::Move played;
};

// A stored code names a card only when both its characters do.
std::optional<std::uint8_t> CardOf(const StoredCard& text) {
  if (text.size() != 2) return std::nullopt;
  const char m = text[0];
  const char r = text[1];
  if (!(((m >= '1' && m <= '9') || (m >= 'A' && m <= 'C')) && r >= '1' && r <= '4')) return std::nullopt;
  return static_cast<std::uint8_t>(model::IndexOf(CardCode(m, r)));
}

model::Rules RulesOf(const RuleSettings& r) {
  return model::MakeRules(r.HanamiRule == 0, r.TsukimiRule == 0, r.OyaRule == 0, r.KikuRule == 1,
                          std::clamp<int>(r.HanamiPoints, 1, 5), std::clamp<int>(r.TsukimiPoints, 1, 5));
}

std::string MonthMessage(int month, int move) {
  return std::to_string(month) + "月の" + std::to_string(move + 1) +
         "手目から先は、記録された手をこの版で再現できないため振り返っていません。";
}

// The month as dealt, or none when the stored deal is not 48 different cards.
std::optional<model::State> DealtMonth(const model::Rules& rules, const HistoryMonth& m,
                                       std::array<std::int64_t, 2> score) {
  model::State s = model::NewMatch(rules, m.dealer == 1 ? 1 : 0);
  s.month = static_cast<std::int8_t>(std::clamp(m.month, 1, model::kMonths));
  s.score = {static_cast<std::int16_t>(std::min(score[0], kMostScore)),
             static_cast<std::int16_t>(std::min(score[1], kMostScore))};
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

bool IsLegal(const model::State& s, const model::Move& move, int* count = nullptr) {
  model::MoveList moves;
  model::LegalMoves(s, moves);
  if (count) *count = moves.size;
  return std::find(moves.begin(), moves.end(), move) != moves.end();
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
    int options = 0;
    if (!IsLegal(s_, move, &options)) return false;
    if (s_.mover == kPlayer && options > 1) choices_.push_back({month_.month, at, s_, move});
    model::Apply(s_, move);
    return true;
  }

  const HistoryMonth& month_;
  model::State s_;
  std::vector<Choice>& choices_;
  std::size_t call_ = 0;
};

// Two moves the game cannot tell apart: cards of the same month and class played or taken, with no
// difference in what they capture (two plain 桐 in hand, neither matching, say).
bool SameForTheGame(const model::Move& a, const model::Move& b) {
  if (a == b) return true;
  if (a.kind != b.kind || (a.kind != model::MoveKind::Play && a.kind != model::MoveKind::Take)) return false;
  const auto alike = [](std::uint8_t x, std::uint8_t y) {
    if (x == y) return true;
    if (x >= kCardCount || y >= kCardCount || x / 4 != y / 4) return false;
    return ClassOf(CodeOf(x), false) == ClassOf(CodeOf(y), false);
  };
  return alike(a.card, b.card) && alike(a.take, b.take);
}

// The best chance the search gave any move the game cannot tell from `move`; none when it tried none.
std::optional<double> ChanceOf(const std::vector<RootMove>& roots, const model::Move& move) {
  std::optional<double> best;
  for (const RootMove& root : roots) {
    if (SameForTheGame(root.move, move) && (!best || root.chance > *best)) best = root.chance;
  }
  return best;
}

// The choice weighed again with other seeds: the line stands only when its mean loss is larger than
// the most either move's figure wandered between the searches, and is shown with the means.
std::optional<ReviewLine> Confirmed(const model::State& state, ReviewLine line, double firstPlayed, double firstBetter,
                                    Random& random, const SearchBudget& budget) {
  std::array<double, kSpreadRuns> played{firstPlayed};
  std::array<double, kSpreadRuns> better{firstBetter};
  for (std::size_t run = 1; run < kSpreadRuns; ++run) {
    const model::View view(state, kPlayer, random);
    const auto seed = static_cast<std::uint64_t>(random.Uniform() * 0x1.0p53);
    const std::vector<RootMove> roots = IsmctsRootMoves(view.Guess(), seed, budget);
    const auto p = ChanceOf(roots, line.played);
    const auto b = ChanceOf(roots, line.better);
    if (!p || !b) return std::nullopt;
    played[run] = *p;
    better[run] = *b;
  }
  const auto mean = [](const std::array<double, kSpreadRuns>& v) {
    double sum = 0;
    for (double x : v) sum += x;
    return sum / kSpreadRuns;
  };
  const auto range = [](const std::array<double, kSpreadRuns>& v) {
    const auto [low, high] = std::minmax_element(v.begin(), v.end());
    return *high - *low;
  };
  line.playedChance = mean(played);
  line.betterChance = mean(better);
  const double loss = line.betterChance - line.playedChance;
  if (loss < kListedLoss || loss <= std::max(range(played), range(better))) return std::nullopt;
  return line;
}

// The loss as the review window shows it, in whole points.
int ShownLoss(const ReviewLine& line) { return Percent(line.betterChance) - Percent(line.playedChance); }

}  // namespace

MatchReview ReviewMatch(const HistoryMatch& match, std::uint64_t seed, const SearchBudget& budget,
                        const ReviewProgress& progress) {
  MatchReview review;
  const model::Rules rules = RulesOf(match.rules);
  std::vector<Choice> choices;
  std::array<std::int64_t, 2> score{};
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
    if (month.winner == 0 || month.winner == 1) {
      score[static_cast<std::size_t>(month.winner)] += std::clamp<std::int64_t>(month.payment, 0, kMostScore);
    }
  }

  Random random(seed);
  const int total = static_cast<int>(choices.size());
  for (const Choice& choice : choices) {
    const model::View view(choice.state, kPlayer, random);
    const auto searchSeed = static_cast<std::uint64_t>(random.Uniform() * 0x1.0p53);
    const std::vector<RootMove> roots = IsmctsRootMoves(view.Guess(), searchSeed, budget);
    ++review.choicesWeighed;
    const std::optional<double> played = ChanceOf(roots, choice.played);
    if (!roots.empty() && played && !SameForTheGame(roots.front().move, choice.played) &&
        roots.front().chance - *played >= kListedLoss) {
      const ReviewLine line{choice.month,       choice.move, choice.played,
                            roots.front().move, *played,     roots.front().chance};
      if (auto confirmed = Confirmed(choice.state, line, *played, roots.front().chance, random, budget)) {
        review.lines.push_back(*confirmed);
      }
    }
    if (progress && !progress(review.choicesWeighed, total)) break;
  }
  // Worst first as the window shows them: by the loss in whole points, not by the unrounded one.
  std::stable_sort(review.lines.begin(), review.lines.end(),
                   [](const ReviewLine& a, const ReviewLine& b) { return ShownLoss(a) > ShownLoss(b); });
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
