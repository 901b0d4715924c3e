// How a month runs and ends through the clicks: yaku dialogs in turn order, the dealer's right,
// four of a month on the table, dealt-hand yaku and the yaku worth a set number of mon.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "computer/computer_move.h"
#include "engine/text.h"
#include "play/agari.h"
#include "play/computer_turn.h"
#include "play/setup.h"
#include "play/turn_driver.h"
#include "tests/arranged_deal.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;
// Columns: 光, 猪鹿蝶, 花見, 月見, 赤短, 青短, タネ, タン, カス.
using Groups = std::array<int, 9>;

// What the table showed while a win dialog was open.
struct Shown {
  std::string nam;
  Rows rows;
  std::string sum;
  std::string computerChoice;
  std::size_t playerCards, computerCards;
  int stockLeft;
};

class MonthFlowTest : public GameTest {
 protected:
  MonthFlowTest() {
    platform.onModal = [this, answer = platform.onModal](Dialog dialog) {
      Shown s{game.agari.nam, {}, game.agari.sum, "", Hand(0).size(), Hand(1).size(), game.table.StockLeft};
      for (int row = 0; row < 8 && game.agari.rowVisible[row]; ++row) {
        s.rows.emplace_back(game.agari.yakunam[row], game.agari.yakuten[row]);
      }
      if (game.agari.Command1[2].visible) s.computerChoice = game.agari.Command1[2].caption;
      shown.push_back(s);
      answer(dialog);
      // A second click while the dialog closes must change nothing.
      if (secondClick >= 0) AgariCommandClick(game, secondClick);
    };
  }
  int PlayerScore() const { return game.table.matchScore[0]; }
  int ComputerScore() const { return game.table.matchScore[1]; }
  // Plays the leftmost hand card, choosing the first framed card when asked.
  void PlayFirstCard() {
    Card_Click(game, game.table.HandCard[0][0].pic);
    if (game.table.Phase == Phase::HandChoice || game.table.Phase == Phase::StockChoice) {
      Card_Click(game, game.table.FieldCard[game.table.SameSlot[0]].pic);
    }
  }

  std::vector<Shown> shown;
  int secondClick = -1;
};

// The player's own capture is judged before the computer moves: on 勝負 the computer never plays.
TEST_F(MonthFlowTest, APlayersYakuIsShownBeforeTheComputerMoves) {
  const struct {
    const char* name;
    int decision, secondClick;
    int phase, playerScore, bestMonth;
    std::size_t computerCardsAfter;
  } rows[] = {
      {"勝負: paid, a best month, the month over", 1, -1, 6, 5, 5, 8},
      {"こいこい: the computer plays in the same click", 0, -1, 3, 0, 0, 7},
      {"こいこい, then 勝負 while the dialog closes", 0, 1, 3, 0, 0, 7},
      {"勝負, then こいこい while the dialog closes", 1, 0, 6, 5, 5, 8},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    shown.clear();
    game.table.BestMonthPoints = {};
    playerDecision = row.decision;
    secondClick = row.secondClick;
    DealTakingTurn(game, {0, "31", {"33"}, "91", {"93"}});
    Card_Click(game, HandPicture("31"));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].nam, "あなた");
    EXPECT_EQ(shown[0].rows, (Rows{{"花見で一杯", "5文"}}));
    EXPECT_EQ(shown[0].computerCards, 8u) << "the computer has not played yet";
    EXPECT_EQ(shown[0].stockLeft, 23);
    EXPECT_EQ(static_cast<int>(game.table.Phase), row.phase);
    EXPECT_EQ(game.table.Oya, 0);
    EXPECT_EQ(PlayerScore(), row.playerScore);
    EXPECT_EQ(ComputerScore(), 0);
    EXPECT_EQ(game.table.BestMonthPoints[0], row.bestMonth);
    EXPECT_EQ(Hand(1).size(), row.computerCardsAfter);
    for (const std::string& code : Hand(0)) {
      EXPECT_EQ(game.board.Card[HandPicture(code.c_str())].enabled, row.phase == 3) << code;
    }
  }
  secondClick = -1;
}

// A hint marks every hand card with a table card of its month, the last slot too; a click hides
// the marks first, and they follow the hand as it closes up. When the computer deals, its opening
// turn leaves the player eight cards against its seven, and the marks must reach the eighth.
TEST_F(MonthFlowTest, HintsMarkEveryHandCardThatCanTake) {
  const struct {
    const char* name;
    std::uint64_t seed;  // 0: the cards below are dealt; else the seed deals by the click
    int oya;
    Cards player, computer, table;
    const char* dealt;
    const char* play;
    const char* afterPlay;
  } rows[] = {
      {"the first and the last slot",
       0,
       0,
       {"11", "21", "31", "41", "51", "61", "71", "81"},
       {"91", "92", "93", "A1", "A2", "B1", "B2", "C1"},
       {"13", "83", "A3", "A4", "C3", "C4", "B3", "B4"},
       "10000001",
       "11",
       "00000010"},
      {"a played card's slot is cleared",
       0,
       0,
       {"11", "21", "33", "43", "53", "63", "73", "83"},
       {"14", "24", "34", "44", "54", "64", "74", "C3"},
       {"12", "B2", "B3", "13", "92", "62", "A2", "C1"},
       "10000100",
       "21",
       "10001000"},
      {"seed 6, the computer deals", 6, 1, {}, {}, {}, "11010011", nullptr, nullptr},
      {"seed 10, the computer deals", 10, 1, {}, {}, {}, "00010001", nullptr, nullptr},
      {"seed 2, the player deals", 2, 0, {}, {}, {}, "01001001", nullptr, nullptr},
  };
  auto marks = [this] {
    std::string shown;
    for (const Shape& marker : game.board.PG) shown += marker.visible ? '1' : '0';
    return shown;
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    // As the last click of every month leaves them: each click hides the marks first.
    for (Shape& marker : game.board.PG) marker.visible = false;
    if (row.seed == 0) {
      DealCards(game, row.oya, row.player, row.computer, row.table, {});
    } else {
      game.table.Oya = static_cast<std::int16_t>(row.oya);
      game.table.GameNum = 1;
      game.SetPhase(Phase::MonthOver);
      game.random.Seed(row.seed);
      Form_Click(game);
      ASSERT_EQ(game.table.Phase, Phase::PlayerToPlay);
    }
    EXPECT_EQ(marks(), row.dealt);
    if (row.play == nullptr) continue;
    Card_Click(game, HandPicture(row.play));
    EXPECT_EQ(marks(), row.afterPlay);
  }
}

// The computer's yaku is judged after its own turn; its 勝負 pays it alone and takes the deal,
// and a month it wins is not among the player's best months.
TEST_F(MonthFlowTest, TheComputersYakuIsShownAfterItsTurn) {
  const struct {
    std::uint64_t seed;  // decides the computer's choice
    const char* choice;
    int phase, oya, computerScore;
  } rows[] = {
      {9, "勝負", 6, 1, 5},
      {1, "こいこい", 3, 0, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.choice);
    shown.clear();
    game.table.BestMonthPoints = {};
    DealCards(game, 0, {"41", "42", "51", "52", "61", "62", "71", "B1"},
              {"31", "44", "54", "64", "74", "81", "82", "83"}, {"33", "93", "11", "12", "13", "21", "22", "23"},
              {"A1", "91"});
    game.random.Seed(row.seed);
    Card_Click(game, HandPicture("41"));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].nam, "ｃｏｍ");
    EXPECT_EQ(shown[0].rows, (Rows{{"花見で一杯", "5文"}}));
    EXPECT_EQ(shown[0].computerCards, 7u) << "after its hand card and its stock card";
    EXPECT_EQ(shown[0].stockLeft, 22);
    ASSERT_EQ(shown[0].computerChoice, row.choice);
    EXPECT_EQ(static_cast<int>(game.table.Phase), row.phase);
    EXPECT_EQ(game.table.Oya, row.oya);
    EXPECT_EQ(ComputerScore(), row.computerScore);
    EXPECT_EQ(PlayerScore(), 0);
    EXPECT_EQ(game.table.BestMonthPoints[0], 0);
    for (const std::string& code : Hand(0)) {
      EXPECT_EQ(game.board.Card[HandPicture(code.c_str())].enabled, row.phase == 3) << code;
    }
  }
}

// Seeds whose month, dealt by `oya` and played with the leftmost card, ends with both hands
// empty and no yaku on either side.
TEST_F(MonthFlowTest, AMonthWithoutYakuGoesToTheDealerOrPassesTheDeal) {
  const struct {
    std::uint64_t seed;
    int oya;
    bool dealersRight;
    int nextOya;
    int dealerScore;
  } rows[] = {
      {128, 0, true, 0, 1},
      {128, 0, false, 1, 0},
      {25, 1, true, 1, 1},
      {25, 1, false, 0, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE("dealer " + std::to_string(row.oya) + (row.dealersRight ? ", 親権 有" : ", 親権 無"));
    shown.clear();
    game.rules.option[2] = row.dealersRight ? 0 : 1;
    game.table.matchScore = {};
    for (Label& score : game.board.Score) score.caption = "0";
    game.table.Oya = static_cast<std::int16_t>(row.oya);
    game.table.GameNum = 1;
    game.SetPhase(Phase::MonthOver);
    game.random.Seed(row.seed);
    Form_Click(game);
    for (int clicks = 0; game.table.Phase != Phase::MonthOver && clicks < 20; ++clicks) PlayFirstCard();
    ASSERT_EQ(game.table.Phase, Phase::MonthOver);
    ASSERT_EQ(game.table.HandLeft, 0) << "the month was played out";
    if (row.dealersRight) {
      ASSERT_EQ(shown.size(), 1u);
      EXPECT_EQ(shown[0].rows, (Rows{{"親権", "1文"}}));
      EXPECT_EQ(shown[0].nam, row.oya == 0 ? "あなた" : "ｃｏｍ");
    } else {
      EXPECT_TRUE(shown.empty());
    }
    EXPECT_EQ(game.table.Oya, row.nextOya);
    EXPECT_EQ(row.oya == 0 ? PlayerScore() : ComputerScore(), row.dealerScore);
    EXPECT_EQ(row.oya == 0 ? ComputerScore() : PlayerScore(), 0);
    EXPECT_EQ(game.table.BestMonthPoints[0], 0) << "the dealer's right is not a best month";

    Form_Click(game);
    EXPECT_EQ(game.table.GameNum, 3);
    EXPECT_EQ(game.board.oyamark.top, 46 + 368 - 304 * row.nextOya) << "the dealer mark of the next month";
  }
}

// All four cards of a month dealt to the table go to the dealer with its first hand card, on top
// of what that card takes; the dealer may be either side. A card laid down beside them stays, and
// the table closes up over its slot too, or it is lost from play.
TEST_F(MonthFlowTest, FourOfAMonthOnTheTableGoToTheDealersFirstCard) {
  const Cards playerHand = {"A1", "11", "12", "21", "22", "41", "42", "B1"};
  const Cards computerHand = {"61", "62", "71", "72", "81", "82", "B2", "C3"};
  const Cards computerTaker = {"61", "62", "71", "72", "81", "82", "C1", "A1"};
  const Cards playerOther = {"C3", "11", "12", "21", "22", "41", "42", "B1"};
  const Cards stock = {"94", "B4"};
  const struct {
    const char* name;
    int oya;
    Cards player, computer, table, stock;
    Groups dealerTook;
    Cards tableAfter;
  } rows[] = {
      {"the player deals and takes the deer",
       0,
       playerHand,
       computerHand,
       {"31", "32", "33", "34", "A3", "51", "52", "53"},
       stock,
       {2, 1, 1, 0, 1, 0, 1, 1, 3},
       {"51", "52", "53", "94", "C3", "B4"}},
      {"the computer deals and takes the deer",
       1,
       playerOther,
       computerTaker,
       {"31", "32", "33", "34", "A3", "51", "52", "53"},
       stock,
       {2, 1, 1, 0, 1, 0, 1, 1, 3},
       {"51", "52", "53", "94"}},
      {"the computer deals and lays its card down",
       1,
       playerHand,
       computerHand,
       {"31", "32", "33", "34", "51", "52", "53", "A3"},
       stock,
       {2, 0, 1, 0, 1, 0, 0, 1, 2},
       {"51", "52", "53", "A3", "C3", "94"}},
      {"the player deals and lays its card down",
       0,
       {"B3", "21", "53", "43", "54", "63", "73", "83"},
       {"23", "24", "42", "44", "82", "84", "92", "51"},
       {"11", "32", "12", "33", "34", "62", "72", "31"},
       {"A1", "C3"},
       {2, 0, 1, 0, 1, 0, 0, 1, 2},
       {"11", "12", "62", "72", "B3", "A1", "84", "C3"}},
      {"the player deals onto two whole months",
       0,
       playerHand,
       computerHand,
       {"31", "32", "33", "34", "51", "52", "53", "54"},
       stock,
       {2, 0, 1, 0, 1, 0, 1, 2, 4},
       {"A1", "94", "C3", "B4"}},
      {"the computer deals onto two whole months",
       1,
       playerHand,
       computerHand,
       {"31", "32", "33", "34", "51", "52", "53", "54"},
       stock,
       {2, 0, 1, 0, 1, 0, 1, 2, 4},
       {"C3", "94"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    DealCards(game, row.oya, row.player, row.computer, row.table, row.stock);
    ASSERT_EQ(game.table.WinCode, WinCode::None);
    if (row.oya == 0) {
      Card_Click(game, game.table.HandCard[0][0].pic);
    } else {
      ComRootin1(game);
    }
    Groups took{};
    for (std::size_t g = 0; g < took.size(); ++g) took[g] = game.table.YakuCount[row.oya].values[g];
    EXPECT_EQ(took, row.dealerTook);
    for (int g = 0; g < 9; ++g) EXPECT_EQ(game.table.YakuCount[1 - row.oya].values[g], 0) << "group " << g;
    EXPECT_EQ(Table(), row.tableAfter);
    for (int s = 0; s < game.table.FieldCount; ++s) {
      const CardPicture& picture = game.board.Card[game.table.FieldCard[s].pic];
      EXPECT_EQ(picture.left, 144 + 56 * (s / 2)) << "slot " << s;
      EXPECT_EQ(picture.top, 46 + 176 + 80 * (s % 2)) << "slot " << s;
    }
    ExpectCardsAccountedFor();
  }
}

// A month held four times is 手四 whatever else the hand holds, four pairs くっつき; the dealer's
// hand is judged first. The win shows the computer's hand face up, pays its holder 6文, gives it
// the deal, and is among the best months only when the player held it.
TEST_F(MonthFlowTest, DealtHandYakuGoToTheirHolder) {
  const Cards teshi = {"11", "12", "13", "14", "21", "31", "41", "51"};
  const Cards teshiAndPair = {"11", "12", "13", "14", "21", "22", "41", "51"};
  const Cards pairs = {"11", "12", "21", "22", "31", "32", "41", "42"};
  const Cards threePairs = {"11", "12", "21", "22", "31", "32", "41", "51"};
  const Cards threeAndPairs = {"11", "12", "13", "21", "22", "31", "32", "41"};
  const Cards otherPairs = {"61", "62", "71", "72", "81", "82", "91", "92"};
  const Cards plainP = {"61", "71", "81", "91", "A1", "B1", "C1", "62"};
  const Cards plainC = {"63", "73", "83", "93", "A3", "B3", "C3", "64"};
  const Cards plainC2 = {"63", "73", "83", "93", "A3", "B3", "C3", "52"};
  const Cards table = {"24", "34", "44", "54", "A4", "B4", "C4", "74"};
  const struct {
    const char* name;
    std::uint64_t seed;  // 0: the hands below are dealt; else the seed draws the dealer and deals
    int oya;
    Cards player, computer;
    int winCode;
    const char* yaku;
    int winner;
  } rows[] = {
      {"the dealing player's 手四", 0, 0, teshi, plainC, 2, "手四", 0},
      {"the other player's 手四", 0, 1, teshi, plainC, 4, "手四", 0},
      {"the dealing computer's 手四", 0, 1, plainP, teshi, 2, "手四", 1},
      {"the other computer's 手四", 0, 0, plainP, teshi, 4, "手四", 1},
      {"手四 and a pair", 0, 0, teshiAndPair, plainC, 2, "手四", 0},
      {"the dealing player's くっつき", 0, 0, pairs, plainC, 1, "くっつき", 0},
      {"the other computer's くっつき", 0, 0, plainP, pairs, 3, "くっつき", 1},
      {"both: the dealer's counts", 0, 1, teshi, otherPairs, 1, "くっつき", 1},
      {"one pair in each hand", 0, 0, plainP, plainC2, 0, "", 0},
      {"three pairs", 0, 1, plainP, threePairs, 0, "", 0},
      {"three of a month and two pairs", 0, 0, threeAndPairs, plainC, 0, "", 0},
      {"seed 140: the computer's, no best month", 140, 0, {}, {}, -1, "手四", 1},
      {"seed 151: the player's, a best month", 151, 0, {}, {}, -1, "手四", 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    shown.clear();
    game.table.BestMonthPoints = {};
    if (row.seed == 0) {
      DealCards(game, row.oya, row.player, row.computer, table, {});
      EXPECT_EQ(static_cast<int>(game.table.WinCode), row.winCode) << "the code as the deal numbers it";
      if (row.winCode == 0) continue;
      Agari(game);
    } else {
      game.random.Seed(row.seed);
      StartGame(game);
      Card_Click(game, 0);
      Form_Click(game);
    }
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rows, (Rows{{row.yaku, "6文"}}));
    EXPECT_EQ(shown[0].nam, row.winner == 0 ? "あなた" : "ｃｏｍ");
    EXPECT_EQ(game.table.Oya, row.winner);
    EXPECT_EQ(row.winner == 0 ? PlayerScore() : ComputerScore(), 6);
    // Score(1) shows the player's total, Score(0) the computer's.
    EXPECT_EQ(game.board.Score[1 - row.winner].caption, " 6");
    EXPECT_EQ(game.table.Phase, Phase::MonthOver);
    for (int k = 0; k < 8; ++k) {
      const Slot& held = game.table.HandCard[1][k];
      EXPECT_EQ(game.board.Card[held.pic].cell, CellOf(held.code)) << "the computer's card " << held.code.Text();
    }
    if (row.seed != 0) {
      EXPECT_EQ(game.table.BestMonthPoints[0], row.winner == 0 ? 6 : 0);
    }
  }
}

// 花見で一杯 and 月見で一杯 each pay their own setting, however the two are set.
TEST_F(MonthFlowTest, CurtainAndMoonPayTheirOwnPointValues) {
  const struct {
    const char* hanami;
    const char* tsukimi;
    const char* bright;  // the cherry curtain or the moon, taken with the sake cup
    Rows rows;
  } rows[] = {
      {"2", "4", "81", {{"月見で一杯", "4文"}}},
      {"4", "2", "81", {{"月見で一杯", "2文"}}},
      {"2", "4", "31", {{"花見で一杯", "2文"}}},
      {"4", "2", "31", {{"花見で一杯", "4文"}}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.bright) + " with 花見 " + row.hanami + ", 月見 " + row.tsukimi);
    shown.clear();
    game.rules.SetPoints(0, static_cast<std::int16_t>(std::stoi(row.hanami)));
    game.rules.SetPoints(1, static_cast<std::int16_t>(std::stoi(row.tsukimi)));
    playerDecision = 1;
    const std::string partner = std::string(1, row.bright[0]) + "3";
    DealTakingTurn(game, {0, row.bright, {partner}, "91", {"93"}});
    Card_Click(game, HandPicture(row.bright));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rows, row.rows);
    EXPECT_EQ(std::stoi(shown[0].sum), std::stoi(row.rows[0].second));
    EXPECT_EQ(PlayerScore(), std::stoi(row.rows[0].second));
  }
}

}  // namespace
}  // namespace pg::test
