// Whole plays through the clicks: captures, choices, the computer's turn, the table closing up.
#include "play/turn_driver.h"

#include <gtest/gtest.h>

#include "play/setup.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

using Codes = std::vector<std::string>;

class TurnDriverTest : public GameTest {
 protected:
  // From the dealer draw to a dealt first month, with the given seed.
  void StartMatch(std::uint64_t seed, int pick = 0) {
    game.random.Seed(seed);
    StartGame(game);
    Card_Click(game, pick);
    Form_Click(game);
  }
  // Plays the leftmost hand card, choosing the first framed card when asked.
  void PlayFirstCard() {
    Card_Click(game, game.table.HandCard[0][0].pic);
    if (game.table.Phase == Phase::HandChoice || game.table.Phase == Phase::StockChoice) {
      Card_Click(game, game.table.FieldCard[game.table.SameSlot[0]].pic);
    }
  }
};

TEST_F(TurnDriverTest, HandCardMatchingTwoWaitsForTheChoice) {
  DealArranged(0, {"11", "21", "33", "43", "53", "63", "73", "83"}, {"14", "24", "34", "44", "54", "64", "74", "C3"},
               {"12", "22", "32", "13", "52", "62", "72", "C1"}, {"B4"});
  Card_Click(game, HandPicture("11"));
  EXPECT_EQ(game.table.Phase, Phase::HandChoice);
  EXPECT_EQ(game.options.JudgeMode, Phase::HandChoice);
  EXPECT_EQ(game.table.StockLeft, 24);
  EXPECT_TRUE(game.board.Box[0].visible && game.board.Box[1].visible);
  EXPECT_EQ((Point{game.board.Box[1].left, game.board.Box[1].top}), ChoiceFramePosition(game.table, 3))
      << "slot 3 holds 13";
  EXPECT_TRUE(game.board.Card[TablePicture("13")].enabled);

  Card_Click(game, HandPicture("21"));
  EXPECT_EQ(game.table.Phase, Phase::HandChoice) << "another hand card does nothing";
  Card_Click(game, TablePicture("52"));
  EXPECT_EQ(game.table.Phase, Phase::HandChoice) << "nor an unframed table card";

  Card_Click(game, TablePicture("13"));
  EXPECT_EQ(game.table.Phase, Phase::PlayerToPlay);
  EXPECT_FALSE(game.board.Box[0].visible || game.board.Box[1].visible);
  EXPECT_EQ(game.table.YakuCount[0][YakuGroup::Hikari], 2) << "the crane";
  EXPECT_EQ(game.table.YakuCount[0][YakuGroup::Kasu], 1) << "and the chosen chaff";
  EXPECT_EQ(game.table.StockLeft, 22) << "the stock card and the computer's turn ran in the same click";
  EXPECT_EQ(game.table.HandLeft, 14);
  EXPECT_EQ(Hand(0), (Codes{"21", "33", "43", "53", "63", "73", "83"}));
  ExpectCardsAccountedFor();
}

TEST_F(TurnDriverTest, StockCardMatchingTwoWaitsWithTheStockUnchanged) {
  DealArranged(0, {"11", "21", "33", "43", "53", "63", "73", "83"}, {"14", "24", "34", "44", "54", "64", "74", "C3"},
               {"B1", "22", "92", "A2", "A4", "62", "72", "C1"}, {"A1"});
  Card_Click(game, HandPicture("33"));
  EXPECT_EQ(game.table.Phase, Phase::StockChoice);
  EXPECT_EQ(game.table.StockLeft, 24);
  EXPECT_EQ(game.table.Deck[48 - game.table.StockLeft], CardCode('A', '1'));
  EXPECT_EQ(game.board.Card[24].cell, CellOf(CardCode('A', '1'))) << "turned face up while waiting";
  Card_Click(game, TablePicture("A2"));
  EXPECT_EQ(game.table.Phase, Phase::PlayerToPlay);
  EXPECT_EQ(game.table.StockLeft, 22);
  EXPECT_EQ(game.table.YakuCount[0][YakuGroup::Aotan], 1) << "the blue ribbon chosen";
  EXPECT_EQ(game.table.YakuCount[0][YakuGroup::InoShikaCho], 1) << "taken by the deer";
  ExpectCardsAccountedFor();
}

TEST_F(TurnDriverTest, ThreeOfAMonthAreTakenAtOnceAndTheTableClosesUpInOrder) {
  DealArranged(0, {"31", "21", "53", "43", "54", "63", "73", "83"}, {"23", "24", "42", "44", "82", "84", "92", "94"},
               {"11", "32", "12", "33", "34", "62", "72", "C1"}, {"A1", "B4"});
  Card_Click(game, HandPicture("31"));
  EXPECT_EQ(game.table.YakuCount[0][YakuGroup::Hikari], 2);
  EXPECT_EQ(game.table.YakuCount[0][YakuGroup::Tan], 1);
  EXPECT_EQ(game.table.YakuCount[0][YakuGroup::Kasu], 2);
  // 32, 33, 34 left slots 1, 3, 4; then the stock's A1, the computer's 94 and its stock card B4.
  EXPECT_EQ(Table(), (Codes{"11", "12", "62", "72", "C1", "A1", "94", "B4"}));
  for (int s = 0; s < game.table.FieldCount; ++s) {
    EXPECT_EQ(PlaceOf(game.table.FieldCard[s].pic), TableSlotPosition(game.table, s)) << "slot " << s;
  }
  ExpectCardsAccountedFor();
}

TEST_F(TurnDriverTest, AWholeMatchKeepsEveryCardAccountedFor) {
  StartMatch(11);
  int clicks = 0;
  while (game.table.Phase != Phase::MatchOver && clicks < 400) {
    if (game.table.Phase == Phase::MonthOver) {
      Form_Click(game);
    } else {
      PlayFirstCard();
      ExpectCardsAccountedFor();
      EXPECT_LE(game.table.FieldCount, 21);
    }
    ++clicks;
  }
  EXPECT_EQ(game.table.Phase, Phase::MatchOver);
  EXPECT_EQ(game.board.message[0].caption, "勝負の結果、");
  EXPECT_EQ(game.board.message[2].top, MatchResultTop(game.table, 2));
  for (const CardPicture& card : game.board.Card) EXPECT_FALSE(card.visible);
  Form_Click(game);
  EXPECT_EQ(game.table.Phase, Phase::DealerDraw) << "the next click starts a new match";
}

TEST_F(TurnDriverTest, PlayPressedMidMonthHidesEverythingAndStartsANewDraw) {
  DealArranged(0, {"11", "21", "33", "43", "53", "63", "73", "83"}, {"14", "24", "34", "44", "54", "64", "74", "C3"},
               {"12", "22", "32", "13", "52", "62", "72", "C1"});
  Card_Click(game, HandPicture("11"));
  ASSERT_EQ(game.table.Phase, Phase::HandChoice) << "abandoned in the middle of a choice";
  game.board.YakuLabel(0, YakuGroup::Tsukimi).visible = true;
  StartGame(game);
  EXPECT_EQ(game.table.Phase, Phase::DealerDraw);
  for (int i = 12; i < kCardCount; ++i) EXPECT_FALSE(game.board.Card[i].visible) << i;
  for (const Label& label : game.board.YakuState) EXPECT_FALSE(label.visible);
  const Board& b = game.board;
  EXPECT_FALSE(b.Face[0].visible || b.ScoreP[1].visible || b.oyamark.visible || b.Pnum.visible || b.LevelName.visible);
  EXPECT_FALSE(game.board.Box[0].visible || game.board.Box[1].visible);
  EXPECT_EQ(game.board.stack[kCardCount - 1], CardControl(0)) << "the stacking order is reset";
}

}  // namespace
}  // namespace pg::test
