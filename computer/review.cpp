// The stored match is replayed through the model month by month; each choice the player had is
// searched as 最強 would have searched it, on the player's view alone. Replaying comes first and
// is cheap, so the progress bar knows how many searches lie ahead.
#include "computer/review.h"

#include <algorithm>
#include <array>

#include "computer/ismcts.h"
#include "engine/card.h"
#include "engine/random.h"
#include "engine/side.h"
#include "model/cards.h"
#include "model/month.h"
#include "model/stored_match.h"
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

std::string MonthMessage(int month, int move) {
  return std::to_string(month) + "月の" + std::to_string(move + 1) +
         "手目から先は、記録された手をこの版で再現できないため振り返っていません。";
}

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
