// The mouse on the table, the stacking order a player sees, and the month a yaku ends on the
// player's turn.
#include "play/pointer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "play/agari.h"
#include "play/dealer_decision.h"
#include "play/setup.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

class PointerTest : public GameTest {
 protected:
  void Click(ControlId pressed, ControlId released) {
    PointerPressed(game, pressed);
    PointerReleased(game, released);
  }
  void Click(ControlId control) { Click(control, control); }

  // The player's last hand slot holds the sake cup, which takes its chaff; the stock's cherry
  // bright then takes its own and completes 花見で一杯 on the player's turn.
  void DealHanamiOnTheLastSlot() {
    DealArranged(0, {"11", "21", "33", "43", "53", "63", "73", "91"}, {"14", "24", "34", "44", "54", "64", "74", "C3"},
                 {"92", "32", "42", "52", "62", "72", "C1", "B2"}, {"31"});
  }
};

TEST_F(PointerTest, AClickReachesTheControlUnderThePointerOrFallsThroughWhenItIsDisabled) {
  StartGame(game);
  oya2(game, 3);
  ASSERT_EQ(game.table.Phase, Phase::DealerKnown) << "the dealer is known: a click on the table deals";
  const ControlId result{ControlKind::Message, 5};

  Click(kTable, result);
  Click(result, kTable);
  EXPECT_EQ(game.table.Phase, Phase::DealerKnown) << "a press and a release over different controls are no click";
  PointerReleased(game, kTable);
  EXPECT_EQ(game.table.Phase, Phase::DealerKnown) << "a release without its press is no click";

  ASSERT_FALSE(game.board.Card[3].enabled);
  Click(CardControl(3));
  EXPECT_NE(game.table.Phase, Phase::DealerKnown) << "a disabled card lets the click through to the table, which deals";
  EXPECT_EQ(game.table.GameNum, 1);
}

TEST_F(PointerTest, LabelsAndPicturesSwallowClicksThatWouldDealTheNextMonth) {
  GameSetUp(game);
  DealHanamiOnTheLastSlot();
  Click(CardControl(HandPicture("91")));
  ASSERT_EQ(game.table.Phase, Phase::MonthOver);
  const ControlId swallowing[] = {
      {ControlKind::YakuState, 2}, {ControlKind::YakuState, 11}, {ControlKind::Face, 1},  {ControlKind::ScorePlate, 0},
      {ControlKind::Score, 1},     {ControlKind::MonthPlate, 0}, {ControlKind::Month, 0}, {ControlKind::DealerMark, 0}};
  for (ControlId control : swallowing) {
    Click(control);
    EXPECT_EQ(game.table.GameNum, 1) << "kind " << static_cast<int>(control.kind) << " index " << control.index;
  }
  Click(ControlId{ControlKind::Hint, 0});
  EXPECT_EQ(game.table.GameNum, 2) << "a shape takes no input: the table deals";
}

TEST_F(PointerTest, AYakuOnThePlayersLastSlotClosesTheMonthAndTouchesNoOtherPicture) {
  DealHanamiOnTheLastSlot();
  std::array<CardPicture, kCardCount> before = game.board.Card;
  const int played = HandPicture("91");
  Click(CardControl(played));
  ASSERT_EQ(game.table.Phase, Phase::MonthOver) << "the player stopped on 花見で一杯";
  ASSERT_EQ(game.table.HandCard[0][7].pic, kNoPicture) << "the played slot was the last";
  for (int i = 0; i < kCardCount; ++i) {
    EXPECT_FALSE(game.board.Card[i].enabled) << "picture " << i;
    before[i].enabled = false;
  }
  const std::array<CardPicture, kCardCount>& after = game.board.Card;
  for (const Slot& slot : game.table.HandCard[1]) {
    EXPECT_EQ(after[slot.pic].cell, kBackCell) << "the computer's hand stays hidden";
    EXPECT_EQ(after[slot.pic].left, before[slot.pic].left);
  }
  for (int s = 0; s < game.table.FieldCount; ++s) {
    EXPECT_EQ(after[game.table.FieldCard[s].pic].cell, before[game.table.FieldCard[s].pic].cell) << "table card " << s;
  }
}

TEST_F(PointerTest, ACapturedCardFliesAboveTheLabelsAndPlates) {
  DealHanamiOnTheLastSlot();
  const int chaff = TablePicture("92");
  Click(CardControl(HandPicture("91")));
  const Board& board = game.board;
  const int card = board.StackPosition(CardControl(chaff));
  for (std::size_t z = 0; z < board.stack.size(); ++z) {
    if (board.stack[z].kind == ControlKind::Card) continue;
    EXPECT_LT(static_cast<int>(z), card) << "kind " << static_cast<int>(board.stack[z].kind) << " above the capture";
  }
}

TEST_F(PointerTest, ThePaymentRunsOneMonAStepAtAPaceTheEyeCanFollow) {
  DealHanamiOnTheLastSlot();
  Click(CardControl(HandPicture("91")));
  ASSERT_EQ(game.board.Score[1].caption, " 5");
  ASSERT_EQ(platform.pauses.size(), 5u) << "one paced step a 文";
  for (int ms : platform.pauses) EXPECT_EQ(ms, 120);

  platform.pauses.clear();
  game.agari.total = 60;
  game.agari.winner = 0;
  game.agari.timerEnabled = false;
  game.agari.check = pg::WinChoice::None;
  AgariCommandClick(game, 1);
  ASSERT_EQ(platform.pauses.size(), 60u);
  EXPECT_EQ(game.board.Score[1].caption, " 65");
  const int whole = std::accumulate(platform.pauses.begin(), platform.pauses.end(), 0);
  EXPECT_GE(whole, 1000) << "still followed by the eye";
  EXPECT_LE(whole, 1500) << "a long payment stays short";
}

}  // namespace
}  // namespace pg::test
