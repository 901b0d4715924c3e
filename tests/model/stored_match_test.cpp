// A stored match followed through the model: one chain of states, each move applied to the state
// before it, with the stored hand cards and calls in their order.
#include "model/stored_match.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "model/month.h"
#include "tests/planted_month.h"

namespace pg::model {
namespace {

TEST(StoredMatch, IsOneChainOfStatesWithTheStoredMovesInOrder) {
  for (std::uint64_t seed : {3, 4, 5}) {
    const HistoryMatch match = test::PlantedMonth(seed, 1).match;
    const HistoryMonth& month = match.months[0];
    const StoredMatch followed = FollowStoredMatch(match);
    ASSERT_FALSE(followed.refused) << seed;
    std::size_t handMoves = 0;
    std::size_t calls = 0;
    for (std::size_t i = 0; i < followed.moves.size(); ++i) {
      const StoredMove& step = followed.moves[i];
      EXPECT_EQ(step.month, month.month);
      ASSERT_TRUE(IsLegal(step.before, step.move)) << seed << " move " << i;
      State after = step.before;
      Apply(after, step.move);
      if (i + 1 < followed.moves.size()) {
        EXPECT_EQ(after.hand, followed.moves[i + 1].before.hand) << "the next move starts where this one ended";
        EXPECT_EQ(after.captured, followed.moves[i + 1].before.captured);
      } else {
        EXPECT_EQ(after.stage, Stage::MonthOver) << seed;
      }
      if (step.move.kind == MoveKind::Play) {
        const HistoryMove& stored = month.moves.at(static_cast<std::size_t>(step.sequence));
        EXPECT_FALSE(stored.fromStock);
        EXPECT_EQ(stored.card, CodeOf(step.move.card).Text());
        ++handMoves;
      }
      if (step.move.kind == MoveKind::Stop || step.move.kind == MoveKind::KoiKoi) ++calls;
    }
    std::size_t storedHandMoves = 0;
    for (const HistoryMove& stored : month.moves) storedHandMoves += stored.fromStock ? 0 : 1;
    EXPECT_EQ(handMoves, storedHandMoves);
    EXPECT_EQ(calls, month.calls.size());
  }
}

}  // namespace
}  // namespace pg::model
