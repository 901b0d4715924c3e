// 振り返り: a stored month replayed through the model, with a bad move planted among the player's.
#include <gtest/gtest.h>

#include <algorithm>

#include "computer/ismcts.h"
#include "computer/review.h"
#include "engine/card.h"
#include "model/month.h"
#include "model/policy.h"

namespace pg::computer {
namespace {

constexpr SearchBudget kBudget{1500};

std::string Code(std::uint8_t card) { return CodeOf(card).Text(); }

// A month the designed player plays from `seed`, stored as the recorder stores one, but for the
// player's `planted`-th choice of a hand card: there it plays the move the search rates worst.
// The month is the match's last, so every point of it counts.
struct Planted {
  HistoryMatch match;
  int move = -1;
  model::Move played;
};

Planted PlantedMonth(std::uint64_t seed, int planted) {
  Planted result;
  Random random(seed);
  model::State s = model::NewMatch(model::MakeRules(true, true, false, false, 5, 5), 0);
  s.month = model::kMonths;
  model::Deal(s, model::ShuffledDeck(random));
  HistoryMonth month;
  month.month = model::kMonths;
  month.dealer = 0;
  std::vector<std::uint8_t> table;
  model::ForEachCard(s.table, [&](int card) { table.push_back(static_cast<std::uint8_t>(card)); });
  std::sort(table.begin(), table.end(), [&](int a, int b) { return s.tableSlot[a] < s.tableSlot[b]; });
  for (std::uint8_t card : table) month.table.push_back(Code(card));
  for (int side = 0; side < 2; ++side) {
    for (int i = 0; i < model::kHandCards; ++i) month.hands[side].push_back(Code(s.handOrder[side][i]));
  }
  for (std::uint8_t card : s.stock) month.stock.push_back(Code(card));
  int choices = 0;
  while (s.stage == model::Stage::Play || s.stage == model::Stage::StockChoice || s.stage == model::Stage::Decision) {
    model::Move move = model::DesignedMove(s, random);
    if (s.stage == model::Stage::Decision) {
      month.calls.push_back({s.mover, move.kind == model::MoveKind::KoiKoi ? CallKind::KoiKoi : CallKind::Shoubu});
    } else if (s.stage == model::Stage::Play && s.mover == 0 && choices++ == planted) {
      const std::vector<RootMove> roots = IsmctsRootMoves(s, seed, {4000});
      move = std::min_element(roots.begin(), roots.end(), [](const RootMove& a, const RootMove& b) {
               return a.chance < b.chance;
             })->move;
      result.move = static_cast<int>(month.moves.size());
      result.played = move;
    }
    const std::string chosen = move.take == model::kNoCard ? "" : Code(move.take);
    const bool stockChoice = s.stage == model::Stage::StockChoice;
    if (move.kind != model::MoveKind::Stop && move.kind != model::MoveKind::KoiKoi) {
      month.moves.push_back({s.mover, stockChoice, Code(move.card), chosen, {}});
    }
    const int mover = s.mover;
    model::Trace trace;
    model::Apply(s, move, &trace);
    // A stock card with no choice is played out with the hand card.
    if (move.kind == model::MoveKind::Play && s.stage != model::Stage::StockChoice && trace.stockCard != model::kNoCard) {
      month.moves.push_back({mover, true, Code(trace.stockCard), "", {}});
    }
  }
  result.match.months = {month};
  return result;
}

TEST(Review, ListsThePlantedBadMoveWithTheBetterOne) {
  int listed = 0;
  for (std::uint64_t seed : {3, 4, 5}) {
    const Planted planted = PlantedMonth(seed, 1);
    ASSERT_GE(planted.move, 0);
    const MatchReview review = ReviewMatch(planted.match, 8, kBudget);
    EXPECT_TRUE(review.stoppedShort.empty()) << review.stoppedShort;
    EXPECT_GE(review.choicesWeighed, 4);
    for (std::size_t i = 1; i < review.lines.size(); ++i) {
      const ReviewLine& a = review.lines[i - 1];
      const ReviewLine& b = review.lines[i];
      EXPECT_GE(a.betterChance - a.playedChance, b.betterChance - b.playedChance) << "worst first";
    }
    const auto line = std::find_if(review.lines.begin(), review.lines.end(),
                                   [&](const ReviewLine& l) { return l.move == planted.move; });
    if (line == review.lines.end()) continue;
    ++listed;
    EXPECT_EQ(line->played, planted.played);
    EXPECT_NE(line->better, planted.played);
    EXPECT_GE(line->betterChance - line->playedChance, kListedLoss);
  }
  EXPECT_GE(listed, 2) << "a planted move the search rates worst is listed in most months";
}

TEST(Review, StopsAtAStoredMoveTheModelRefusesAndSaysWhere) {
  Planted planted = PlantedMonth(3, 0);
  HistoryMonth& month = planted.match.months[0];
  std::size_t refused = 2;
  while (month.moves[refused].fromStock) ++refused;
  // The stock's last card: in nobody's hand.
  month.moves[refused].card = month.stock.back();
  MatchReview review = ReviewMatch(planted.match, 8, {200});
  const std::string where = "12月の" + std::to_string(refused + 1) + "手目";
  EXPECT_NE(review.stoppedShort.find(where), std::string::npos) << review.stoppedShort;
  EXPECT_GE(review.choicesWeighed, 1) << "the moves before it are still reviewed";

  month.stock.pop_back();
  review = ReviewMatch(planted.match, 8, {200});
  EXPECT_NE(review.stoppedShort.find("12月の1手目"), std::string::npos) << "a deal that is not 48 cards";
  EXPECT_EQ(review.choicesWeighed, 0);
}

TEST(Review, NamesMovesAsThePlayerDoes) {
  const struct {
    model::Move move;
    const char* text;
  } rows[] = {
      {{model::MoveKind::Play, 0, model::kNoCard}, "松に光"},
      {{model::MoveKind::Play, 9, 8}, "桜に短冊で桜に光を取る"},
      {{model::MoveKind::Take, 47, 44}, "山札の桐にカスで桐に光を取る"},
      {{model::MoveKind::KoiKoi}, "こいこい"},
  };
  for (const auto& row : rows) EXPECT_EQ(MoveText(row.move), row.text);
}

}  // namespace
}  // namespace pg::computer
