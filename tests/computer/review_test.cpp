// 振り返り: a stored month replayed through the model, with a bad move planted among the player's.
#include <gtest/gtest.h>

#include <algorithm>

#include "computer/review.h"
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
