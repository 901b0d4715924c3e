// A finished match offered to the high-score tables: ranks, ties, merges and the name dialog's lines.
#include "records/high_scores.h"

#include <gtest/gtest.h>

#include "records/status_codec.h"

namespace pg {
namespace {

TotalTable Totals(std::array<std::int16_t, kTotalRows> differences) {
  TotalTable t;
  for (int r = 0; r < kTotalRows; ++r) {
    t.name[r] = "row" + std::to_string(r);
    t.Yten[r] = static_cast<std::int16_t>(differences[r] + 10);
    t.Cten[r] = 10;
    t.ten[r] = differences[r];
  }
  return t;
}

GameTable Months(std::array<std::int16_t, kGameRows> points, std::array<const char*, kGameRows> names) {
  GameTable g;
  for (int r = 0; r < kGameRows; ++r) {
    g.points[r] = points[r];
    g.name[r] = names[r];
    g.yaku[r] = "stored" + std::to_string(r);
  }
  return g;
}

MatchResult Match(int player, int computer, std::array<std::int16_t, kGameRows> best = {}) {
  MatchResult m;
  m.player = static_cast<std::int16_t>(player);
  m.computer = static_cast<std::int16_t>(computer);
  m.bestPoints = best;
  for (int r = 0; r < kGameRows; ++r) m.bestText[r] = "match" + std::to_string(r);
  return m;
}

TEST(HighScoresTest, TheOverallTableRanksByDifferenceWithNewRowsBelowEqualOnes) {
  const struct {
    const char* name;
    int player, computer;
    int rank;
  } rows[] = {
      {"best of all", 90, 10, 0},
      {"equal to the second goes below it", 50, 10, 2},
      {"between the fourth and fifth", 25, 10, 4},
      {"equal to the lowest does not enter", 20, 10, kTotalRows},
      {"a drawn match never enters", 10, 10, kTotalRows},
      {"a lost match never enters", 5, 10, kTotalRows},
  };
  const TotalTable stored = Totals({60, 40, 30, 20, 10});
  for (const auto& row : rows) {
    const HighScoreUpdate u = MergeHighScores(stored, GameTable{}, Match(row.player, row.computer));
    ASSERT_EQ(u.totalRank, row.rank) << row.name;
    if (u.totalRank == kTotalRows) {
      EXPECT_EQ(u.total.ten, stored.ten) << row.name;
      EXPECT_EQ(TotalLine(u), "") << row.name;
      continue;
    }
    EXPECT_EQ(u.total.ten[row.rank], row.player - row.computer) << row.name;
    EXPECT_EQ(u.total.Yten[row.rank], row.player) << row.name;
    EXPECT_EQ(u.total.Cten[row.rank], row.computer) << row.name;
    EXPECT_EQ(u.total.name[row.rank], "") << row.name;
    for (int r = row.rank + 1; r < kTotalRows; ++r) {
      EXPECT_EQ(u.total.name[r], stored.name[r - 1]) << row.name << ": the rows below move down";
    }
  }
}

TEST(HighScoresTest, StoredMonthsStayAboveEqualMonthsOfTheMatchAndKeepTheirOrder) {
  const GameTable stored = Months({8, 8, 2}, {"first", "second", "third"});
  HighScoreUpdate u = MergeHighScores(TotalTable{}, stored, Match(0, 5, {3, 2, 1}));
  EXPECT_EQ(u.game.points, (std::array<std::int16_t, 3>{8, 8, 3}));
  EXPECT_EQ(u.game.name[0], "first");
  EXPECT_EQ(u.game.name[1], "second");
  EXPECT_EQ(u.game.yaku[1], "stored1");
  EXPECT_EQ(u.game.yaku[2], "match0");
  EXPECT_EQ(u.newMonth, (std::array<bool, 3>{false, false, true}));
  EXPECT_EQ(GameLine(u), "一勝負で 3位に");
  EXPECT_FALSE(u.EnteredTotal()) << "the match was lost";

  const HighScoreUpdate tie = MergeHighScores(TotalTable{}, stored, Match(0, 5, {2, 1, 0}));
  EXPECT_FALSE(tie.EnteredGame()) << "a month equal to the lowest stored one stays out";

  const HighScoreUpdate none = MergeHighScores(TotalTable{}, stored, Match(9, 5));
  EXPECT_FALSE(none.EnteredGame()) << "a match without a won month";
  EXPECT_EQ(none.game.name, stored.name);
}

TEST(HighScoresTest, TheNameFillsTheNewRowsAndEveryUnnamedMonthOfAFreshTable) {
  HighScoreUpdate u = MergeHighScores(TotalTable{}, GameTable{}, Match(30, 12, {9, 0, 0}));
  EXPECT_EQ(u.totalRank, 0);
  EXPECT_EQ(TotalLine(u), "総合で 1位に");
  EXPECT_EQ(GameLine(u), "一勝負で 1位に");
  NameNewRows(u, "はなこ");
  EXPECT_EQ(u.total.name[0], "はなこ");
  EXPECT_EQ(u.total.name[1], "") << "the old blank rows of the overall table stay blank";
  EXPECT_EQ(u.totalBold, (std::array<bool, 5>{true, false, false, false, false}));
  EXPECT_EQ(u.game.name, (std::array<std::string, 3>{"はなこ", "はなこ", "はなこ"}));
  EXPECT_EQ(u.gameBold, (std::array<bool, 3>{true, true, true}));
  EXPECT_EQ(u.game.points, (std::array<std::int16_t, 3>{9, 0, 0}));
}

TEST(HighScoresTest, TheNameDialogListsEveryPlaceTheMatchTook) {
  const GameTable stored = Months({12, 6, 2}, {"a", "b", "c"});
  HighScoreUpdate u = MergeHighScores(Totals({60, 40, 30, 20, 10}), stored, Match(55, 10, {20, 7, 1}));
  EXPECT_EQ(TotalLine(u), "総合で 2位に");
  EXPECT_EQ(GameLine(u), "一勝負で 1位と 3位に");
  NameNewRows(u, "太郎");
  EXPECT_EQ(u.game.name, (std::array<std::string, 3>{"太郎", "a", "太郎"}));
  EXPECT_EQ(u.gameBold, (std::array<bool, 3>{true, false, true}));
  EXPECT_EQ(u.total.name[1], "太郎");
}

// The name box takes a name only while the field keeps it whole, so what was typed comes back.
TEST(HighScoresTest, ANameThatFitsItsBytesComesBackAsTyped) {
  struct Row {
    const char* name;
    std::optional<int> left;
  } rows[] = {
      {"", 16},    {"ABCDEFGHIJKLMNOP", 0},    {"花子はなこABCDEF", 0}, {"花子はなこABCDEFG", -1},
      {"ﾊﾅｺ", 13}, {"はなこはなこはなこ", -2}, {"😀", std::nullopt},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(NameBytesLeft(row.name), row.left) << row.name;
    if (!row.left || *row.left < 0) continue;
    TotalTable total;
    total.name[0] = row.name;
    std::string file(SlotOffset(StatusRecord::TotalTable), '\0');
    EXPECT_EQ(DecodeTotalTable(file + EncodeSlot(total)).name[0], row.name);
  }
}

}  // namespace
}  // namespace pg
