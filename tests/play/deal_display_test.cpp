// What the deal shows besides the cards: how fast they fly, and which progress labels appear.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "play/deal.h"
#include "play/turn_driver.h"
#include "tests/arranged_deal.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

class DealDisplayTest : public GameTest {
 protected:
  // Records every step of every card; the flying card is the one on top.
  void WatchSteps() {
    steps.assign(kCardCount, {});
    platform.onStep = [this] {
      const int card = game.board.stack.back().index;
      steps[card].push_back({game.board.Card[card].left, game.board.Card[card].top});
    };
  }
  // The distances between consecutive steps of a card that flew once.
  std::vector<double> Gaps(int card) const {
    std::vector<double> gaps;
    const auto& at = steps[card];
    for (std::size_t k = 1; k < at.size(); ++k) {
      gaps.push_back(std::hypot(at[k].first - at[k - 1].first, at[k].second - at[k - 1].second));
    }
    return gaps;
  }
  std::vector<std::vector<std::pair<int, int>>> steps;
};

// Dealt cards fly in steps of twice the card speed, a captured card in steps of it.
TEST_F(DealDisplayTest, DealtCardsFlyAtTwiceTheCardSpeed) {
  for (const int speed : {3, 10}) {
    SCOPED_TRACE("speed " + std::to_string(speed));
    game.options.Slider = static_cast<std::int16_t>(speed);
    WatchSteps();
    DealTakingTurn(game, {0, "11", {"13"}, "", {}});
    for (int card = 0; card < 24; ++card) {
      ASSERT_GE(steps[card].size(), 2u) << "card " << card;
      for (double gap : Gaps(card)) EXPECT_NEAR(gap, 2 * speed, 1.5) << "card " << card;
    }
    const int taken = PictureOf(game, "13");
    WatchSteps();
    Card_Click(game, HandPicture("11"));
    ASSERT_GE(steps[taken].size(), 2u);
    for (double gap : Gaps(taken)) EXPECT_NEAR(gap, speed, 1.5);
  }
  platform.onStep = nullptr;
}

TEST_F(DealDisplayTest, TheDealShowsTheLabelsTheRulesAndTheDisplayModeAllow) {
  const struct {
    bool hanami, tsukimi;
    YakuDisplay mode;
    std::vector<int> hidden;
  } rows[] = {
      {true, true, YakuDisplay::Always, {}},
      {false, true, YakuDisplay::Always, {2, 11}},
      {true, false, YakuDisplay::Always, {3, 12}},
      {false, false, YakuDisplay::Always, {2, 3, 11, 12}},
      {true, true, YakuDisplay::NearCompletion, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
      {true, true, YakuDisplay::Never, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.hanami ? "花見 on" : "花見 off") + (row.tsukimi ? ", 月見 on" : ", 月見 off") +
                 ", display mode " + std::to_string(static_cast<int>(row.mode)));
    game.rules.option[0] = row.hanami ? 0 : 1;
    game.rules.option[1] = row.tsukimi ? 0 : 1;
    game.options.DekiYaku = row.mode;
    for (Label& label : game.board.YakuState) label.visible = !label.visible;
    DealTakingTurn(game, {0, "11", {"13"}, "", {}});
    for (int i = 0; i < 18; ++i) {
      const bool hidden = std::find(row.hidden.begin(), row.hidden.end(), i) != row.hidden.end();
      EXPECT_EQ(game.board.YakuState[i].visible, !hidden) << "label " << i;
    }
  }
}

}  // namespace
}  // namespace pg::test
