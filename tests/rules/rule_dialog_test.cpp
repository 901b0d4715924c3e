// The rule dialog: what counts as a change, what a change restarts, and the 花見 and 月見 labels.
#include "rules/rule_dialog.h"

#include <gtest/gtest.h>

#include "play/menu.h"
#include "play/setup.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

class RuleDialogTest : public GameTest {
 protected:
  // Opens the rule dialog from the menu and lets `touch` use it.
  void UseRuleDialog(std::function<void()> touch) {
    platform.onModal = [this, touch](Dialog dialog) {
      ASSERT_EQ(dialog, Dialog::Rule);
      touch();
      FormRuleOk(game);
    };
    MenuRule(game);
  }
  void DealAMonth() {
    DealArranged(0, {"11", "21", "33", "43", "53", "63", "73", "91"}, {"14", "24", "34", "44", "54", "64", "74", "C3"},
                 {"92", "32", "42", "52", "62", "72", "C1", "B2"});
  }
};

TEST_F(RuleDialogTest, OnlyATouchedDialogRestartsAndOnlyAStartedMatch) {
  const struct {
    const char* name;
    Phase phase;
    bool touch;
    bool restarts;
  } rows[] = {
      {"untouched during a month", Phase::PlayerToPlay, false, false},
      {"the selected button clicked again during a month", Phase::PlayerToPlay, true, true},
      {"touched at the month's end", Phase::MonthOver, true, true},
      {"touched after the match", Phase::MatchOver, true, true},
      {"touched while the dealer is drawn", Phase::DealerDraw, true, false},
      {"touched once the dealer is known", Phase::DealerKnown, true, false},
  };
  for (const auto& row : rows) {
    game.SetPhase(row.phase);
    UseRuleDialog([&] {
      if (row.touch) RuleOptionFocus(game, RuleRow::OyaRight, game.rules.option[2]);
    });
    EXPECT_EQ(game.table.Phase, row.restarts ? Phase::DealerDraw : row.phase) << row.name;
    EXPECT_FALSE(game.rules.ChangeCheck) << row.name;
  }
}

TEST_F(RuleDialogTest, ThePointControlsMoveTheYakuValueAndCountAsAChange) {
  UseRuleDialog([&] {
    RuleScrollChange(game, 1, 2);
    EXPECT_TRUE(game.rules.ChangeCheck);
  });
  EXPECT_EQ(game.rules.rten[1], "2");
  EXPECT_EQ(game.rules.TsukimiPoints(), 2);
  EXPECT_EQ(game.rules.HanamiPoints(), 5);
}

TEST_F(RuleDialogTest, HanamiOffHidesItsLabelsAndOnShowsThemAsTheDisplayModeDoes) {
  DealAMonth();
  Label& player = game.board.YakuState[2];
  Label& computer = game.board.YakuState[11];
  ASSERT_TRUE(player.visible && computer.visible);

  RuleOptionFocus(game, RuleRow::Hanami, 1);
  EXPECT_FALSE(game.rules.HanamiOn());
  EXPECT_FALSE(player.visible || computer.visible);
  EXPECT_FALSE(game.rules.PointsEnabled(0));
  EXPECT_TRUE(game.board.YakuState[3].visible) << "月見 stays";

  RuleOptionFocus(game, RuleRow::Hanami, 0);
  EXPECT_TRUE(player.visible && computer.visible);
  EXPECT_TRUE(game.rules.PointsEnabled(0));

  game.options.DekiYaku = YakuDisplay::NearCompletion;
  player.caption = "花見　残1";
  computer.caption = "花見　残2";
  RuleOptionFocus(game, RuleRow::Hanami, 1);
  RuleOptionFocus(game, RuleRow::Hanami, 0);
  EXPECT_TRUE(player.visible && player.opaque);
  EXPECT_EQ(player.back, (Rgb{255, 255, 128}));
  EXPECT_FALSE(computer.visible) << "two cards short is not shown in this mode";

  game.options.DekiYaku = YakuDisplay::Never;
  RuleOptionFocus(game, RuleRow::Tsukimi, 1);
  RuleOptionFocus(game, RuleRow::Tsukimi, 0);
  EXPECT_FALSE(game.board.YakuState[3].visible || game.board.YakuState[12].visible);
}

TEST_F(RuleDialogTest, BetweenMonthsTurningAYakuBackOnShowsNothing) {
  game.SetPhase(Phase::DealerKnown);
  RuleOptionFocus(game, RuleRow::Tsukimi, 1);
  RuleOptionFocus(game, RuleRow::Tsukimi, 0);
  EXPECT_FALSE(game.board.YakuState[3].visible || game.board.YakuState[12].visible);
  EXPECT_TRUE(game.rules.TsukimiOn());
}

}  // namespace
}  // namespace pg::test
