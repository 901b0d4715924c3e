// The card catalogue: hex months, cells, value order and classes.
#include "engine/card.h"

#include <gtest/gtest.h>

#include <set>

namespace pg {
namespace {

CardCode C(const char* text) { return CardCode::FromText(text); }

TEST(CardTest, CodesMonthsRanksAndCells) {
  const struct {
    const char* code;
    int month, rank, cardNo, cell;
  } rows[] = {
      {"11", 1, 1, 0, 0},    {"12", 1, 2, 1, 13},   {"31", 3, 1, 8, 2},    {"A1", 10, 1, 36, 9},
      {"B4", 11, 4, 43, 49}, {"C1", 12, 1, 44, 11}, {"C2", 12, 2, 45, 24}, {"C4", 12, 4, 47, 50},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.code);
    EXPECT_EQ(MonthOf(C(row.code)), row.month);
    EXPECT_EQ(RankOf(C(row.code)), row.rank);
    EXPECT_EQ(CardIndex(C(row.code)), row.cardNo);
    EXPECT_EQ(CodeOf(row.cardNo), C(row.code));
    EXPECT_EQ(CellOf(C(row.code)), row.cell);
  }
}

TEST(CardTest, EveryCardHasItsOwnCellAndNoneIsTheBack) {
  std::set<int> cells;
  for (int n = 0; n < kCardCount; ++n) {
    const int cell = CellOf(CodeOf(n));
    EXPECT_NE(cell, kBackCell);
    EXPECT_NE(cell % kSheetColumns, 12) << "column 12 holds only the back";
    cells.insert(cell);
  }
  EXPECT_EQ(cells.size(), 48u);
}

TEST(CardTest, PriorityListOrdersTheCardsThatAreNotChaff) {
  EXPECT_EQ(PriorityList.size(), 50u);
  const struct {
    const char* code;
    int priority;
    CardClass cls;
  } rows[] = {
      {"31", 0, CardClass::Bright},  {"B1", 4, CardClass::Bright},  {"91", 5, CardClass::Animal},
      {"82", 12, CardClass::Animal}, {"B2", 13, CardClass::Animal}, {"12", 14, CardClass::Ribbon},
      {"B3", 23, CardClass::Ribbon}, {"13", 24, CardClass::Chaff},  {"C2", 24, CardClass::Chaff},
      {"B4", 24, CardClass::Chaff},  {"FF", 24, CardClass::Chaff},  {"00", 24, CardClass::Chaff},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.code);
    EXPECT_EQ(PriorityOf(C(row.code)), row.priority);
    EXPECT_EQ(ClassOf(C(row.code), false), row.cls);
  }
}

TEST(CardTest, OnlyTheSakeCupChangesClassWithTheRule) {
  int changed = 0;
  for (int n = 0; n < kCardCount; ++n) {
    if (ClassOf(CodeOf(n), false) != ClassOf(CodeOf(n), true)) {
      EXPECT_EQ(CodeOf(n), C("91"));
      EXPECT_EQ(ClassOf(CodeOf(n), true), CardClass::Chaff);
      ++changed;
    }
  }
  EXPECT_EQ(changed, 1);
}

}  // namespace
}  // namespace pg
