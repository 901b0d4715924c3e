// The deal: who receives which deck position, the month tallies and labels, and the shuffle pinned by seed.
#include "play/deal.h"

#include <gtest/gtest.h>

#include "tests/game_fixture.h"

namespace pg::test {
namespace {

class DealTest : public GameTest {
 protected:
  void Deal(int oya, std::uint64_t seed) {
    game.random.Seed(seed);
    game.table.Oya = static_cast<std::int16_t>(oya);
    game.table.GameNum = 1;
    game.SetPhase(Phase::PlayerToPlay);
    // As the end of the previous month leaves them.
    for (CardPicture& card : game.board.Card) card.enabled = false;
    GameStart(game);
  }
  std::vector<int> HandPictures(int side) const {
    std::vector<int> pics;
    for (const Slot& slot : game.table.HandCard[side]) pics.push_back(slot.pic);
    return pics;
  }
};

TEST_F(DealTest, TheNonDealerReceivesFirstInEachRoundAndTheTableTheMiddlePair) {
  const std::vector<int> first = {0, 1, 6, 7, 12, 13, 18, 19};
  const std::vector<int> last = {4, 5, 10, 11, 16, 17, 22, 23};
  for (int oya = 0; oya < 2; ++oya) {
    SCOPED_TRACE(oya);
    Deal(oya, 7);
    EXPECT_EQ(HandPictures(1), oya == 0 ? first : last);
    EXPECT_EQ(HandPictures(0), oya == 0 ? last : first);
    const int table[] = {2, 3, 8, 9, 14, 15, 20, 21};
    for (int s = 0; s < 8; ++s) {
      EXPECT_EQ(game.table.FieldCard[s].pic, table[s]);
      EXPECT_EQ(game.table.FieldCard[s].code, game.table.Deck[table[s]]);
      EXPECT_EQ(PlaceOf(table[s]), TableSlotPosition(game.table, s));
    }
    for (int k = 0; k < 8; ++k) {
      const CardPicture& mine = game.board.Card[game.table.HandCard[0][k].pic];
      const CardPicture& its = game.board.Card[game.table.HandCard[1][k].pic];
      EXPECT_TRUE(mine.enabled && mine.handCursor);
      EXPECT_EQ(mine.cell, CellOf(game.table.HandCard[0][k].code));
      EXPECT_EQ(PlaceOf(game.table.HandCard[0][k].pic), HandSlotPosition(game.table, 0, k));
      EXPECT_FALSE(its.enabled);
      EXPECT_EQ(its.cell, kBackCell);
      EXPECT_EQ(PlaceOf(game.table.HandCard[1][k].pic), HandSlotPosition(game.table, 1, k));
    }
    EXPECT_EQ(game.table.StockLeft, 24);
    EXPECT_EQ(game.table.HandLeft, 16);
    EXPECT_EQ(game.table.FieldCount, 8);
    ExpectCardsAccountedFor();
  }
}

// A pinned shuffle: a change that silently alters the random source or the swaps fails here.
TEST_F(DealTest, SeedOnePinsTheShuffle) {
  Deal(0, 1);
  std::string deck;
  for (int i = 0; i < kCardCount; ++i) deck += game.table.Deck[i].Text();
  EXPECT_EQ(deck, "5312717222A4C12181B39251B13274346352B4144143C2A27342C38262832344A193B2946454846191311124C4A33313");
}

TEST_F(DealTest, MonthTalliesAndLabelsStartEveryMonthAfresh) {
  game.options.DekiYaku = YakuDisplay::Always;
  game.board.YakuLabel(0, YakuGroup::Akatan).caption = "赤短　完成";
  game.board.YakuLabel(0, YakuGroup::Akatan).opaque = true;
  Deal(1, 3);
  MonthTally dealt{};
  for (int i = 0; i < 24; ++i) ++dealt[MonthOf(game.table.Deck[i]) - 1];
  MonthTally tallied{};
  for (const MonthTally* tally : {&game.table.HandMonth[0], &game.table.HandMonth[1], &game.table.FieldMonth}) {
    for (int m = 0; m < 12; ++m) tallied[m] += (*tally)[m];
  }
  EXPECT_EQ(tallied, dealt) << "every dealt card is tallied once, by its month";
  EXPECT_EQ(game.board.YakuLabel(0, YakuGroup::Akatan).caption, "赤短　残3");
  EXPECT_EQ(game.board.YakuLabel(1, YakuGroup::Kasu).caption, "ｶｽ　残10");
  EXPECT_FALSE(game.board.YakuLabel(0, YakuGroup::Akatan).opaque);
  EXPECT_EQ(game.board.Pnum.caption, "1");
  EXPECT_EQ((Point{game.board.oyamark.left, game.board.oyamark.top}), DealerMarkPosition(game.table));
}

}  // namespace
}  // namespace pg::test
