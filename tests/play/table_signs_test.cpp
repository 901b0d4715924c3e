// What the table says between clicks: the prompt to go on, the こいこい marks, the question before
// a running match is given up, and cards that land at once when the player asks.
#include "play/table_signs.h"

#include <gtest/gtest.h>

#include "engine/animation.h"
#include "play/computer_turn.h"
#include "play/dealer_decision.h"
#include "play/menu.h"
#include "play/pointer.h"
#include "play/screen_mode.h"
#include "play/setup.h"
#include "play/turn_driver.h"
#include "tests/arranged_deal.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

class TableSignsTest : public GameTest {
 protected:
  TableSignsTest() {
    platform.onModal = [this, answer = platform.onModal](Dialog dialog) {
      decisions.push_back(game.agari.decision);
      answer(dialog);
    };
  }
  void Click(ControlId control) {
    PointerPressed(game, control);
    PointerReleased(game, control);
  }
  // The computer makes 花見で一杯 on its first turn; seed 1 has it play on, seed 9 stop.
  void DealComputersHanami(std::uint64_t seed) {
    DealCards(game, 0, {"41", "42", "51", "52", "61", "62", "71", "B1"},
              {"31", "44", "54", "64", "74", "81", "82", "83"}, {"33", "93", "11", "12", "13", "21", "22", "23"},
              {"A1", "91"});
    game.random.Seed(seed);
    Card_Click(game, HandPicture("41"));
  }
  void PlayToMonthEnd() {
    for (int guard = 0; guard < 40 && game.table.Phase != Phase::MonthOver; ++guard) {
      const TableState& t = game.table;
      const bool choosing = t.Phase == Phase::HandChoice || t.Phase == Phase::StockChoice;
      Card_Click(game, choosing ? t.FieldCard[t.SameSlot[0]].pic : t.HandCard[0][0].pic);
    }
  }
  void ExpectPromptInsidePlayArea() {
    const Label& prompt = game.board.prompt;
    EXPECT_TRUE(prompt.visible);
    EXPECT_EQ(prompt.caption, "クリックで次へ");
    EXPECT_GE(prompt.left, 0);
    EXPECT_LE(prompt.left + platform.TextWidth(prompt.caption, prompt.fontSize), kPlayWidth);
    EXPECT_LE(prompt.top + prompt.fontSize * 2, game.table.LayoutTop + kPlayHeight);
  }
  std::vector<std::string> decisions;
};

// In both screen modes the prompt stands below the dealer draw's last message, and a click on a
// message or on the prompt goes on as one on the table does.
TEST_F(TableSignsTest, ThePromptShowsWhileATableClickGoesOnAndAClickOnAMessageGoesOn) {
  for (const bool small : {false, true}) {
    SCOPED_TRACE(small ? "640x480" : "800x600");
    game.options.SOption = small ? 0 : 1;
    ChangeScreen(game);
    StartGame(game);
    EXPECT_FALSE(game.board.prompt.visible) << "the draw waits for a card, not for the table";
    Click(CardControl(3));
    ASSERT_EQ(game.table.Phase, Phase::DealerKnown);
    ExpectPromptInsidePlayArea();
    EXPECT_GT(game.board.prompt.top, game.board.message[5].top) << "below the draw's result";

    platform.onStep = [this] { EXPECT_FALSE(game.board.prompt.visible) << "gone while cards fly"; };
    Click({ControlKind::Message, 2});
    platform.onStep = nullptr;
    EXPECT_EQ(game.table.GameNum, 1) << "a click on a name label deals the first month";
    EXPECT_NE(game.table.Phase, Phase::DealerKnown);
    if (game.table.Phase == Phase::PlayerToPlay) {
      EXPECT_FALSE(game.board.prompt.visible);
    }
  }
  DealComputersHanami(9);
  ASSERT_EQ(game.table.Phase, Phase::MonthOver);
  ExpectPromptInsidePlayArea();
  // The band between the computer's hand and the table holds no card.
  const Point hand = HandSlotPosition(game.table, 1, 0);
  const Point table = TableSlotPosition(game.table, 0);
  EXPECT_GT(game.board.prompt.top, hand.y + kCellHeight);
  EXPECT_LT(game.board.prompt.top + game.board.prompt.fontSize * 2, table.y);
  Click({ControlKind::Prompt, 0});
  EXPECT_EQ(game.table.GameNum, 2) << "a click on the prompt deals the next month";
}

TEST_F(TableSignsTest, TheComputersDecisionIsSaidAndItsKoiKoiMarkedUntilTheMonthEnds) {
  DealComputersHanami(1);
  ASSERT_EQ(decisions, std::vector<std::string>{"ｃｏｍはこいこいしました。"});
  EXPECT_TRUE(game.board.koikoi[1].visible);
  EXPECT_FALSE(game.board.koikoi[0].visible);
  EXPECT_EQ(game.board.koikoi[1].caption, "こいこい");
  const Point mark = KoiKoiMarkPosition(game.table, 1);
  EXPECT_EQ(game.board.koikoi[1].top, mark.y);

  game.options.SOption = 0;
  ChangeScreen(game);
  EXPECT_TRUE(game.board.koikoi[1].visible) << "the mark stays through a change of screen mode";
  EXPECT_EQ(game.board.koikoi[1].top, KoiKoiMarkPosition(game.table, 1).y);

  PlayToMonthEnd();
  ASSERT_EQ(game.table.Phase, Phase::MonthOver);
  EXPECT_FALSE(game.board.koikoi[1].visible) << "the month is over";

  decisions.clear();
  DealComputersHanami(9);
  EXPECT_EQ(decisions, std::vector<std::string>{"ｃｏｍは勝負しました。"});
  EXPECT_FALSE(game.board.koikoi[1].visible);
}

TEST_F(TableSignsTest, ThePlayersKoiKoiIsMarkedToo) {
  playerDecision = 0;
  // The sake cup takes its chaff, and the stock's cherry bright then completes 花見で一杯.
  DealArranged(0, {"11", "21", "33", "43", "53", "63", "73", "91"}, {"14", "24", "34", "44", "54", "64", "74", "C3"},
               {"92", "32", "42", "52", "62", "72", "C1", "B2"}, {"31"});
  Card_Click(game, HandPicture("91"));
  ASSERT_EQ(game.table.Phase, Phase::PlayerToPlay) << "the player played on after 花見で一杯";
  EXPECT_TRUE(game.board.koikoi[0].visible);
  EXPECT_TRUE(decisions.at(0).empty()) << "the player's own dialog says nothing of a decision";
}

// プレイ (and F2) during a match asks first; No, the default, keeps the match as it was.
TEST_F(TableSignsTest, LeavingARunningMatchAsksFirst) {
  StartGame(game);
  MenuPlay(game);
  EXPECT_TRUE(platform.messages.empty()) << "nothing is lost before the first month";
  DealComputersHanami(1);
  const std::vector<std::string> hand = Hand(0);
  MenuPlay(game);
  ASSERT_EQ(platform.messages, std::vector<std::string>{"対戦中の勝負を終了して、新しい勝負を始めますか。\n"
                                                        "いまの対戦は中断として記録され、負けに数えられます。"});
  EXPECT_EQ(game.table.Phase, Phase::PlayerToPlay) << "No keeps the match";
  EXPECT_EQ(Hand(0), hand);
  platform.messageAnswers.push_back(MessageAnswer::Yes);
  MenuPlay(game);
  EXPECT_EQ(game.table.Phase, Phase::DealerDraw);
  EXPECT_FALSE(game.board.koikoi[1].visible);
}

// A click or Esc while a card flies lands it, and every card after it in the same turn, at once:
// the turn ends exactly as it would have at full speed, in fewer steps.
TEST_F(TableSignsTest, ACardAskedToLandEndsTheTurnAsAFullFlightWould) {
  game.options.Slider = 1;
  auto play = [this](int landAfter) {
    DealComputersHanami(9);
    platform.steps = 0;
    platform.landing = false;
    platform.onStep = [this, landAfter] { platform.landing = platform.steps >= landAfter; };
    Form_Click(game);
    for (int turn = 0; turn < 2 && game.table.Phase == Phase::PlayerToPlay; ++turn) {
      Card_Click(game, game.table.HandCard[0][0].pic);
    }
    platform.onStep = nullptr;
    return std::make_pair(platform.steps, game.board.Card);
  };
  const auto [fullSteps, fullBoard] = play(1 << 30);
  const auto [landedSteps, landedBoard] = play(5);
  // The payments of a 勝負 still count up step by step; no card flies after the fifth step.
  EXPECT_LT(landedSteps * 10, fullSteps) << landedSteps << " of " << fullSteps;
  for (int pic = 0; pic < kCardCount; ++pic) {
    EXPECT_EQ(landedBoard[pic].left, fullBoard[pic].left) << pic;
    EXPECT_EQ(landedBoard[pic].top, fullBoard[pic].top) << pic;
  }
}

}  // namespace
}  // namespace pg::test
