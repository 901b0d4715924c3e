// 「こう打てば」: the line from a review line's moment is legal move by move, ends the month with a
// result, answers with the computer's record while it fits, and is the same for the same seed.
#include "computer/show_how.h"

#include <gtest/gtest.h>

#include "engine/side.h"
#include "model/month.h"
#include "model/playout.h"
#include "model/stored_match.h"
#include "tests/planted_month.h"

namespace pg::computer {
namespace {

constexpr SearchBudget kBudget{300};

// The planted move as a review line, the search's own choice there as the better one.
ReviewLine LineOf(const test::Planted& planted) {
  const model::StoredMatch followed = model::FollowStoredMatch(planted.match);
  for (const model::StoredMove& m : followed.moves) {
    if (m.sequence != planted.move || m.move != planted.played) continue;
    model::MoveList moves;
    model::LegalMoves(m.before, moves);
    const model::Move better = moves[0] == planted.played ? moves[1] : moves[0];
    return {m.month, m.sequence, planted.played, better, 0.3, 0.5};
  }
  ADD_FAILURE() << "the planted move is followed";
  return {};
}

TEST(ShowHow, PlaysALegalLineToTheMonthsEndAnsweringFromTheRecordWhileItFits) {
  int fromRecord = 0;
  for (std::uint64_t seed : {3, 4, 5}) {
    const test::Planted planted = test::PlantedMonth(seed, 1);
    const ReviewLine line = LineOf(planted);
    const auto how = PlayShowHow(planted.match, line, 11, kBudget);
    ASSERT_TRUE(how) << "seed " << seed;
    ASSERT_LT(how->startAt, static_cast<int>(how->moves.size()));
    EXPECT_EQ(how->moves[static_cast<std::size_t>(how->startAt)], line.better);
    model::State s = how->dealt;
    for (std::size_t i = 0; i < how->moves.size(); ++i) {
      ASSERT_TRUE(model::InMonth(s)) << "seed " << seed << ", move " << i << " after the month's end";
      ASSERT_TRUE(model::IsLegal(s, how->moves[i])) << "seed " << seed << ", move " << i;
      model::Apply(s, how->moves[i]);
    }
    EXPECT_FALSE(model::InMonth(s)) << "seed " << seed << ": the line reaches the month's end";
    EXPECT_EQ(s.result, how->end.result);
    EXPECT_EQ(s.score, how->end.score);
    EXPECT_FALSE(model::InMonth(how->realEnd));
    EXPECT_EQ(how->comparison.rfind("実際：", 0), 0u) << how->comparison;
    EXPECT_NE(how->comparison.find("／こう打てば："), std::string::npos) << how->comparison;
    EXPECT_FALSE(how->why.empty());
    fromRecord += how->computerFromRecord;
  }
  // The computer's hand is the one it was dealt whatever the player does, so its next recorded card
  // fits at least until a changed table asks it another choice.
  EXPECT_GE(fromRecord, 3) << "the computer's recorded moves are reused";
}

TEST(ShowHow, TheSameSeedGivesTheSameLine) {
  const test::Planted planted = test::PlantedMonth(4, 1);
  const ReviewLine line = LineOf(planted);
  const auto a = PlayShowHow(planted.match, line, 21, kBudget);
  const auto b = PlayShowHow(planted.match, line, 21, kBudget);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->moves, b->moves);
  EXPECT_EQ(a->comparison, b->comparison);
  EXPECT_EQ(a->why, b->why);
}

TEST(ShowHow, NoLineFromAMomentTheMatchDoesNotHave) {
  const test::Planted planted = test::PlantedMonth(3, 1);
  ReviewLine line = LineOf(planted);
  line.month = 5;
  EXPECT_FALSE(PlayShowHow(planted.match, line, 11, kBudget));
}

}  // namespace
}  // namespace pg::computer
