// The dealer draw: the earlier month deals, and the messages say so.
#include "play/dealer_decision.h"

#include <gtest/gtest.h>

#include "play/setup.h"
#include "play/turn_driver.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

class DealerDecisionTest : public GameTest {
 protected:
  void SetUp() override { StartGame(game); }
  int PositionOfMonth(int month) const {
    for (int q = 0; q < 12; ++q) {
      if (MonthOf(game.table.FieldCard[q].code) == month) return q;
    }
    return -1;
  }
};

TEST_F(DealerDecisionTest, TwelveFaceDownCandidatesOneOfEachMonth) {
  EXPECT_EQ(game.table.Phase, Phase::DealerDraw);
  EXPECT_EQ(game.options.JudgeMode, Phase::DealerDraw);
  for (int month = 1; month <= 12; ++month) {
    const int q = PositionOfMonth(month);
    ASSERT_GE(q, 0) << "month " << month;
    EXPECT_EQ(RankOf(game.table.FieldCard[q].code), 1);
  }
  for (int q = 0; q < 12; ++q) {
    const CardPicture& card = game.board.Card[q];
    EXPECT_TRUE(card.visible && card.enabled && card.handCursor);
    EXPECT_EQ(card.cell, kBackCell);
    EXPECT_EQ(PlaceOf(q), DealerDrawPosition(game.table, q));
  }
  EXPECT_EQ(game.board.message[0].caption, "親を決めます。");
  EXPECT_EQ(game.board.message[1].caption, "下の12枚の中から１枚を選択して下さい。");
  // The fake measures a character as one point size wide: 20 characters at 24 points.
  EXPECT_EQ(game.board.message[1].left, (760 - 20 * 24) / 2);
}

TEST_F(DealerDecisionTest, JanuaryAlwaysDealsToThePlayerAndDecemberToTheComputer) {
  const int january = PositionOfMonth(1);
  Card_Click(game, january);
  EXPECT_EQ(game.table.Oya, 0);
  EXPECT_EQ(game.board.message[5].caption, "あなたが親です。");
  EXPECT_EQ(game.table.Phase, Phase::DealerKnown);
  EXPECT_EQ(game.options.JudgeMode, Phase::DealerKnown);

  StartGame(game);
  Card_Click(game, PositionOfMonth(12));
  EXPECT_EQ(game.table.Oya, 1);
  EXPECT_EQ(game.board.message[5].caption, "ｃｏｍが親です。");
}

TEST_F(DealerDecisionTest, ResultLineNamesBothMonthsAndTheComputerNeverTakesThePlayersCard) {
  for (int round = 0; round < 30; ++round) {
    StartGame(game);
    const int pick = round % 12;
    Card_Click(game, pick);
    int faceUp = 0;
    int computer = -1;
    for (int q = 0; q < 12; ++q) {
      EXPECT_FALSE(game.board.Card[q].enabled);
      if (game.board.Card[q].cell != kBackCell) {
        ++faceUp;
        if (q != pick) computer = q;
      }
    }
    ASSERT_EQ(faceUp, 2);
    const int mp = MonthOf(game.table.FieldCard[pick].code);
    const int mc = MonthOf(game.table.FieldCard[computer].code);
    EXPECT_EQ(game.board.message[4].caption,
              "あなた： " + std::to_string(mp) + "月　、　ｃｏｍ： " + std::to_string(mc) + "月");
    EXPECT_EQ(game.table.Oya, mp < mc ? 0 : 1);
    const Label& mine = game.board.message[2];
    const Label& its = game.board.message[3];
    EXPECT_EQ((Point{mine.left, mine.top}), DealerDrawNamePosition(game.table, 0, pick));
    EXPECT_EQ((Point{its.left, its.top}), DealerDrawNamePosition(game.table, 1, computer));
  }
}

TEST_F(DealerDecisionTest, ClicksOutsideTheDrawChangeNothing) {
  Form_Click(game);
  EXPECT_EQ(game.table.Phase, Phase::DealerDraw);
  Card_Click(game, 3);
  Card_Click(game, 4);
  EXPECT_EQ(game.table.Phase, Phase::DealerKnown) << "a second pick is not a card click of the draw";
}

}  // namespace
}  // namespace pg::test
