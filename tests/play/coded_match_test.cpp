// A match from a deal code: the same dealer and the same decks whatever the game's seed, pinned so
// that a change to the shuffle fails here.
#include "play/coded_match.h"

#include <gtest/gtest.h>

#include "engine/game.h"
#include "play/deal.h"
#include "play/setup.h"
#include "play/turn_driver.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

class CodedMatchTest : public GameTest {
 protected:
  std::string Deck() const {
    std::string deck;
    for (CardCode code : game.table.Deck) deck += (deck.empty() ? "" : " ") + code.Text();
    return deck;
  }
};

TEST_F(CodedMatchTest, ACodeDealsThePinnedCardsWhateverTheGamesSeed) {
  const DealCode code = *ReadDealCode("HANAF32D").code;
  for (std::uint64_t seed : {1u, 2026u}) {
    SCOPED_TRACE(seed);
    game.SeedRandoms(seed);
    // Between matches, so nothing is given up.
    game.SetPhase(Phase::Idle);
    ASSERT_TRUE(StartCodedGame(game, code));
    EXPECT_EQ(game.table.Phase, Phase::DealerKnown);
    EXPECT_EQ(game.table.Oya, 0);
    Form_Click(game);
    EXPECT_EQ(Deck(), 
              "52 61 51 22 94 31 A3 12 42 73 13 63 14 C2 81 B4 A4 74 C3 72 54 64 41 34 "
              "23 93 82 B1 B3 C4 62 53 B2 33 A2 21 92 91 A1 24 84 32 C1 71 44 43 11 83");
    // The next month's shuffle draws on from the code's source; nothing else draws from it.
    game.table.GameNum = 2;
    GameStart(game);
    EXPECT_EQ(Deck(), 
              "A2 74 51 31 C4 61 41 81 92 54 34 C1 13 C3 43 23 B4 32 B2 71 91 A3 64 44 "
              "11 14 84 22 94 12 21 72 63 C2 A1 42 93 53 62 73 83 A4 52 33 B1 B3 24 82");
  }
}

TEST_F(CodedMatchTest, TheDailyDealIsPlayedAtTheStrongestLevelWithoutHints) {
  game.hints = true;
  ASSERT_TRUE(StartDailyGame(game, {2026, 12, 10}));
  EXPECT_EQ(game.level, Level::Expert);
  EXPECT_EQ(game.dailyDate, "2026-12-10");
  EXPECT_EQ(game.dealCode, DailyDealCode({2026, 12, 10}));
  EXPECT_FALSE(game.HintsOn());
  // プレイ afterwards deals from the game's own source again.
  StartGame(game);
  EXPECT_FALSE(game.dealCode);
  EXPECT_TRUE(game.HintsOn());
}

}  // namespace
}  // namespace pg::test
