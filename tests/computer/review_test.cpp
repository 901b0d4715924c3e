// 振り返り: a stored month replayed through the model, with a bad move planted among the player's;
// moves the game cannot tell apart never listed, and numbers from disk bounded.
#include <gtest/gtest.h>

#include <algorithm>

#include "computer/review.h"
#include "engine/card.h"
#include "tests/planted_month.h"

namespace pg::computer {
namespace {

constexpr SearchBudget kBudget{1500};
using test::Planted;
using test::PlantedMonth;

TEST(Review, ListsThePlantedBadMoveWithTheBetterOne) {
  int listed = 0;
  for (std::uint64_t seed : {3, 4, 5}) {
    const Planted planted = PlantedMonth(seed, 1);
    ASSERT_GE(planted.move, 0);
    const MatchReview review = ReviewMatch(planted.match, 8, kBudget);
    EXPECT_TRUE(review.stoppedShort.empty()) << review.stoppedShort;
    EXPECT_GE(review.choicesWeighed, 4);
    const auto shown = [](const ReviewLine& l) { return Percent(l.betterChance) - Percent(l.playedChance); };
    for (std::size_t i = 0; i < review.lines.size(); ++i) {
      const ReviewLine& line = review.lines[i];
      if (i > 0) {
        EXPECT_GE(shown(review.lines[i - 1]), shown(line)) << "worst first as shown";
      }
      // Two cards of one month and class taking the same are one move for the game, never a line.
      const bool alike = line.played.card / 4 == line.better.card / 4 &&
                         ClassOf(CodeOf(line.played.card), false) == ClassOf(CodeOf(line.better.card), false) &&
                         line.played.take == line.better.take;
      EXPECT_FALSE(alike) << MoveText(line.played) << " / " << MoveText(line.better);
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

// Scores and payments edited past what the game writes are bounded before they are added up.
TEST(Review, PaymentsPastTheirTypeAreBounded) {
  Planted planted = PlantedMonth(3, 1);
  HistoryMonth earlier = planted.match.months[0];
  earlier.month = 11;
  earlier.moves.clear();
  earlier.winner = 0;
  earlier.payment = 2000000000;
  HistoryMonth another = earlier;
  another.month = 10;
  planted.match.months.insert(planted.match.months.begin(), {another, earlier});
  planted.match.scores = {2147483647, 0};
  const MatchReview review = ReviewMatch(planted.match, 8, {200});
  EXPECT_TRUE(review.stoppedShort.empty()) << review.stoppedShort;
  EXPECT_GE(review.choicesWeighed, 4);
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
