// A month's moves packed into one value: every move the game can make reads back as it was, and a
// value the game never writes is refused.
#include "records/packed_moves.h"

#include <gtest/gtest.h>

namespace pg {
namespace {

TEST(PackedMovesTest, EveryCardAndKindOfMoveReadsBackAndAnythingElseIsRefused) {
  std::vector<HistoryMove> moves;
  const char months[] = "123456789ABC";
  for (int i = 0; i < 48; ++i) {
    const StoredCard card{months[i / 4], static_cast<char>('1' + i % 4)};
    HistoryMove move{i % 2, i % 3 == 0, card, i % 5 == 0 ? card : "", {}};
    move.taken.assign(static_cast<std::size_t>(i % 4), card);
    moves.push_back(move);
  }
  moves.resize(kMostPackedMoves, moves.back());
  std::string packed;
  ASSERT_TRUE(PackMoves(moves, packed));
  std::vector<HistoryMove> read(70, HistoryMove{1, true, "11", "11", {"12", "13"}});
  ASSERT_TRUE(UnpackMoves(packed, read));
  EXPECT_EQ(read, moves) << "written over what was there";
  EXPECT_EQ(PackedMoveCount(packed), kMostPackedMoves);
  EXPECT_TRUE(PackMoves({}, packed = "") && packed.empty() && UnpackMoves(packed, read) && read.empty());

  const std::vector<HistoryMove> refused[] = {
      {{2, false, "11", "", {}}},
      {{0, false, "FF", "", {}}},
      {{0, false, "D1", "", {}}},
      {{0, false, "15", "", {}}},
      {{0, false, "11", "1", {}}},
      {{0, false, "11", "", {"11", "00"}}},
      {{0, false, "11", "", std::vector<StoredCard>(kMostPackedTaken + 1, "12")}},
      std::vector<HistoryMove>(kMostPackedMoves + 1, HistoryMove{0, false, "11", "", {}}),
  };
  for (const auto& bad : refused) {
    std::string out = "kept";
    EXPECT_FALSE(PackMoves(bad, out)) << bad.front().card;
    EXPECT_EQ(out, "kept");
  }
  // Flags no move has, a card past the last, a value cut short, one move too many.
  const std::string damaged[] = {{'\x40', '\x00'}, {'\x00', '\x30'}, {'\x0c', '\x00', '\x01'},
                                 std::string(2 * (kMostPackedMoves + 1), '\0')};
  for (const std::string& bad : damaged) {
    EXPECT_FALSE(UnpackMoves(bad, read));
    EXPECT_TRUE(read.empty());
    EXPECT_FALSE(PackedMoveCount(bad));
  }
}

}  // namespace
}  // namespace pg
