// The computer's level in the real game: the table it is shown, the turns it plays through the same
// sequencing as the designed player, its seed, and the high scores a practice match stays out of.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "computer/level.h"
#include "computer/table_view.h"
#include "engine/game_observer.h"
#include "model/cards.h"
#include "play/computer_turn.h"
#include "tests/game_fixture.h"
#include "tools/selfplay/self_play.h"

namespace pg {
namespace {

model::CardSet Cards(std::initializer_list<const char*> codes) {
  model::CardSet set = 0;
  for (const char* code : codes) set |= model::Bit(CardIndex(CardCode::FromText(code)));
  return set;
}

class LevelInGameTest : public test::GameTest {};

TEST_F(LevelInGameTest, TheComputerIsShownItsTableAndPlaysTheLevelsCard) {
  const auto player = {"12", "13", "22", "23", "32", "42", "94", "A3"};
  const auto computer = {"A1", "52", "53", "62", "63", "72", "73", "82"};
  const auto table = {"A2", "91", "B1", "B2", "C1", "C2", "83", "84"};
  DealArranged(1, player, computer, table, {"11", "21"});

  const model::State s = ComputerState(game.table, game.rules, model::Stage::Play, 0);
  EXPECT_EQ(s.hand[1], Cards(computer));
  EXPECT_EQ(s.handOrder[1][0], CardIndex(CardCode::FromText("A1"))) << "the hand in slot order";
  EXPECT_EQ(s.hand[0], Cards(player));
  EXPECT_EQ(s.table, Cards(table));
  EXPECT_EQ(s.stockLeft, model::kStockCards);
  EXPECT_EQ(s.stock[0], CardIndex(CardCode::FromText("11")));
  EXPECT_EQ(s.captured[0] | s.captured[1], 0u);
  EXPECT_EQ(s.mover, 1);
  EXPECT_EQ(s.dealer, 1);

  game.level = Level::Beginner;
  game.searchRandom.Seed(5);
  ComRootin1(game);
  EXPECT_GE(platform.thoughts, 1) << "the level was asked";
  EXPECT_EQ(Hand(1).size(), 7u);
  ExpectCardsAccountedFor();
  const model::CardSet taken = game.table.Taken[1];
  EXPECT_EQ(taken & ~(Cards(computer) | Cards(table) | Cards({"11"})), 0u)
      << "only its own card, the table's and the stock's";
}

// Fails the test on a こいこい the gentle teacher must never call.
class NoKoiKoiByTheComputer : public GameObserver {
 public:
  explicit NoKoiKoiByTheComputer(const selfplay::SelfPlay& play) : play_(play) {}
  void MonthEnded() override { EXPECT_FALSE(play_.State().table.KoiKoi[1]); }
  void AgariClosed(WinCode, int) override { EXPECT_FALSE(play_.State().table.KoiKoi[1]); }

 private:
  const selfplay::SelfPlay& play_;
};

selfplay::SelfPlayOptions AtLevel(Level level, std::uint64_t seed, int matches = 2) {
  selfplay::SelfPlayOptions options;
  options.seed = seed;
  options.matches = matches;
  options.level = level;
  return options;
}

TEST(LevelSelfPlay, BeginnerPlaysWholeMatchesThroughTheGameAndNeverCallsKoiKoi) {
  for (std::uint64_t seed : {1u, 2u, 3u}) {
    std::ostringstream log;
    selfplay::SelfPlay play(AtLevel(Level::Beginner, seed), log);
    NoKoiKoiByTheComputer watcher(play);
    play.Watch(watcher);
    play.Run();
    EXPECT_GT(play.Thoughts(), 2 * 12) << "at least a decision a month, seed " << seed;
  }
  std::ostringstream log;
  selfplay::SelfPlay normal(AtLevel(Level::Normal, 1), log);
  normal.Run();
  EXPECT_EQ(normal.Thoughts(), 0) << "普通 keeps the designed procedures";
}

TEST(LevelSelfPlay, TheSameSeedReplaysTheSameMatchesAtALevel) {
  const auto log = [](Level level, std::uint64_t seed) {
    std::ostringstream out;
    selfplay::SelfPlay play(AtLevel(level, seed, 1), out);
    play.Run();
    return out.str();
  };
  for (Level level : kLevels) {
    if (level == Level::Normal) continue;
    const std::string once = log(level, 7);
    EXPECT_EQ(once, log(level, 7)) << StoredName(level);
    EXPECT_NE(once, log(Level::Normal, 7)) << StoredName(level) << ": the level, not the designed player, chose";
  }
}

}  // namespace
}  // namespace pg
