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
#include "model/stored_match.h"
#include "model/view.h"
#include "records/player_text.h"

namespace pg::computer {

namespace {

// A choice that looks bad is searched this many times in all, with different seeds, to see how far
// the search's own figures wander at that position.
constexpr int kSpreadRuns = 3;
constexpr std::array<const char*, 12> kFlowers{PG_TEXT("松"), PG_TEXT("梅"), PG_TEXT("桜"),   PG_TEXT("藤"),
                                               PG_TEXT("菖蒲"), PG_TEXT("牡丹"), PG_TEXT("萩"), PG_TEXT("芒"),
                                               PG_TEXT("菊"), PG_TEXT("紅葉"), PG_TEXT("柳"), PG_TEXT("桐")};

struct Choice {
  int month = 1;
  int move = 0;
  model::State state;
  model::Move played;
};

std::string MonthMessage(int month, int move) {
  return Fill(Tr("%1月の%2手目から先は、記録された手をこの版で再現できないため振り返っていません。"),
              {std::to_string(month), std::to_string(move + 1)});
}

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
    const model::View view(state, kPlayerSide, random);
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
  const model::StoredMatch followed = model::FollowStoredMatch(match);
  if (followed.refused) review.stoppedShort = MonthMessage(followed.refusedMonth, followed.refusedAt);
  std::vector<Choice> choices;
  for (const model::StoredMove& stored : followed.moves) {
    if (stored.before.mover != kPlayerSide) continue;
    model::MoveList moves;
    model::LegalMoves(stored.before, moves);
    if (moves.size > 1) choices.push_back({stored.month, stored.sequence, stored.before, stored.move});
  }

  Random random(seed);
  const int total = static_cast<int>(choices.size());
  for (const Choice& choice : choices) {
    const model::View view(choice.state, kPlayerSide, random);
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
  if (card >= kCardCount) return Tr("？");
  const CardCode code = CodeOf(card);
  static constexpr std::array<const char*, 4> kClasses{PG_TEXT("光"), PG_TEXT("タネ"), PG_TEXT("短冊"), PG_TEXT("カス")};
  return Fill(Tr("%1に%2"), {Tr(kFlowers[static_cast<std::size_t>(card / 4)]),
                              Tr(kClasses[static_cast<std::size_t>(ClassOf(code, false))])});
}

std::string MoveText(const model::Move& move) {
  switch (move.kind) {
    case model::MoveKind::Play:
      return move.take == model::kNoCard ? CardName(move.card)
                                         : Fill(Tr("%1で%2を取る"), {CardName(move.card), CardName(move.take)});
    case model::MoveKind::Take:
      return Fill(Tr("山札の%1で%2を取る"), {CardName(move.card), CardName(move.take)});
    case model::MoveKind::Stop:
      return Tr("勝負");
    case model::MoveKind::KoiKoi:
      return Tr("こいこい");
  }
  return {};
}

std::uint8_t MarkedCard(const model::Move& move) {
  if (move.kind == model::MoveKind::Take) return move.take;
  return move.kind == model::MoveKind::Play ? move.card : model::kNoCard;
}

}  // namespace pg::computer
