// Keyboard play: the cursor's targets and moves, and whole matches played from the keys alone.
#include "play/keyboard.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/geometry.h"
#include "play/menu.h"
#include "play/pointer.h"
#include "play/setup.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

class KeyboardTest : public GameTest {
 protected:
  void Press(std::initializer_list<Key> keys) {
    for (Key key : keys) KeyPressed(game, key);
  }
  int Framed() const { return KeyCursorCard(game).value_or(kNoPicture); }
};

TEST_F(KeyboardTest, TheFirstKeyOnlyShowsTheCursorSoNoCardIsPlayedUnseen) {
  game.random.Seed(3);
  StartGame(game);
  EXPECT_FALSE(KeyCursorCard(game));
  Press({Key::Enter});
  EXPECT_EQ(game.table.Phase, Phase::DealerDraw);
  EXPECT_EQ(Framed(), 0) << "the upper left candidate";
  Press({Key::Right});
  EXPECT_EQ(Framed(), 1);
  Press({Key::Down});
  EXPECT_EQ(Framed(), 7) << "the candidate below";
  Press({Key::Down});
  EXPECT_EQ(Framed(), 7) << "no row lies lower";
  Press({Key::Up, Key::Left, Key::Left});
  EXPECT_EQ(Framed(), 11) << "left of the first wraps round to the last";
  Press({Key::Enter});
  EXPECT_EQ(game.table.Phase, Phase::DealerKnown);
  EXPECT_EQ(game.board.Card[11].cell, MonthOf(game.table.FieldCard[11].code) - 1) << "the framed card was drawn";
  EXPECT_FALSE(KeyCursorCard(game)) << "nothing to frame until the deal";

  Press({Key::Enter});
  EXPECT_EQ(game.table.Phase, Phase::PlayerToPlay) << "Enter on the table deals";
  EXPECT_EQ(game.table.GameNum, 1);
}

TEST_F(KeyboardTest, OnTheHandTheCursorMovesAlongThePlayableCardsAndFollowsAPlayedOne) {
  DealArranged(0, {"11", "21", "33", "43", "53", "63", "73", "83"}, {"14", "24", "34", "44", "54", "64", "74", "C3"},
               {"B1", "22", "92", "A2", "A4", "62", "72", "C1"}, {"B4"});
  Press({Key::Right});
  EXPECT_EQ(Framed(), HandPicture("11"));
  Press({Key::Left});
  EXPECT_EQ(Framed(), HandPicture("83"));
  Press({Key::Up});
  EXPECT_EQ(Framed(), HandPicture("83")) << "the hand is one row";
  Press({Key::Left, Key::Left, Key::Left, Key::Left});
  ASSERT_EQ(Framed(), HandPicture("43"));
  const Point slot = PlaceOf(HandPicture("43"));
  Press({Key::Enter});
  EXPECT_EQ(Hand(0), (std::vector<std::string>{"11", "21", "33", "53", "63", "73", "83"}));
  EXPECT_EQ(PlaceOf(Framed()), slot) << "the card that closed up into the played slot";
  const int closedUp = Framed();
  Press({Key::Right, Key::Right, Key::Right, Key::Right, Key::Right, Key::Right, Key::Right});
  EXPECT_EQ(Framed(), closedUp) << "round the seven cards left, each once";

  PointerPressed(game, kTable);
  EXPECT_FALSE(KeyCursorCard(game)) << "the mouse puts the cursor away";
  PointerReleased(game, kTable);
  EXPECT_EQ(Hand(0).size(), 7u) << "and a table click plays nothing";
}

TEST_F(KeyboardTest, AChoiceFramesOnlyTheTwoCardsOfTheMonth) {
  DealArranged(0, {"11", "21", "33", "43", "53", "63", "73", "83"}, {"14", "24", "34", "44", "54", "64", "74", "C3"},
               {"12", "22", "32", "13", "52", "62", "72", "C1"}, {"B4"});
  Press({Key::Right, Key::Enter});
  ASSERT_EQ(game.table.Phase, Phase::HandChoice);
  EXPECT_EQ(KeyTargets(game), (std::vector<int>{TablePicture("12"), TablePicture("13")}));
  EXPECT_EQ(Framed(), TablePicture("13")) << "the framed card nearest the played one";
  Press({Key::Up});
  EXPECT_EQ(Framed(), TablePicture("12"));
  Press({Key::Right});
  EXPECT_EQ(Framed(), TablePicture("13"));
  Press({Key::Enter});
  EXPECT_EQ(game.table.Phase, Phase::PlayerToPlay);
  EXPECT_EQ(game.table.YakuCount[0][YakuGroup::Kasu], 1) << "the chaff 13 taken, not the ribbon 12";
}

// Every card of the match is played with Enter on the framed card, every table click is Enter,
// and the menu command of F2 starts it; the win dialog answers as its focused button would.
TEST_F(KeyboardTest, WholeMatchesArePlayedFromTheKeysAlone) {
  for (std::uint64_t seed : {1u, 2u, 3u}) {
    game.random.Seed(seed);
    StartGame(game);
    int presses = 0;
    int playedHandCards = 0;
    int lastMonth = 0;
    while (game.table.Phase != Phase::MatchOver && presses < 2000) {
      const bool onHand = game.table.Phase == Phase::PlayerToPlay && KeyCursorCard(game);
      const int handBefore = game.table.HandLeft;
      Press({presses % 3 == 0 ? Key::Right : Key::Enter});
      if (onHand && game.table.HandLeft < handBefore) ++playedHandCards;
      lastMonth = std::max<int>(lastMonth, game.table.GameNum);
      ++presses;
    }
    ASSERT_EQ(game.table.Phase, Phase::MatchOver) << "seed " << seed;
    EXPECT_EQ(lastMonth, 12);
    EXPECT_GT(playedHandCards, 12) << "cards were played from the hand by Enter";
    ExpectCardsAccountedFor();
    Press({Key::Enter});
    EXPECT_EQ(game.table.Phase, Phase::DealerDraw) << "Enter on the result starts the next match";
  }
}

}  // namespace
}  // namespace pg::test
