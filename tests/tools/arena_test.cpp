// The arena: the same deals in both seats, the same figures however many jobs play them.
#include "tools/arena/arena.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/game.h"
#include "headless/scripted_platform.h"
#include "play/coded_match.h"
#include "play/turn_driver.h"

namespace pg::arena {
namespace {

TEST(Arena, PlaysTheSameMatchesWhateverTheJobsAndEndsWithOneJsonLine) {
  ArenaOptions options{"beginner", "normal", 12, 5, {}, 1, {}};
  const std::vector<MatchRecord> one = Play(options);
  options.jobs = 3;
  const std::vector<MatchRecord> three = Play(options);
  ASSERT_EQ(one.size(), three.size());
  for (std::size_t i = 0; i < one.size(); ++i) {
    EXPECT_EQ(one[i].aScore, three[i].aScore) << i;
    EXPECT_EQ(one[i].bScore, three[i].bScore) << i;
  }
  // A level against itself on the same deals, seats swapped, wins exactly half.
  const Summary mirror = Summarize(Play({"normal", "normal", 2, 9, {}, 1, {}}));
  EXPECT_EQ(mirror.aWinShare, 0.5);
  EXPECT_EQ(mirror.meanDiff, 0);

  const std::string report = Report(options, Summarize(one));
  const std::string last = report.substr(report.rfind('\n', report.size() - 2) + 1);
  for (const char* key : {"\"a_win_share\":", "\"a_win_low\":", "\"a_win_high\":", "\"mean_diff\":", "\"a_ms_median\":",
                          "\"a_ms_p99\":", "\"b_ms_median\":", "\"b_ms_p99\":", "\"matches\":12}"}) {
    EXPECT_NE(last.find(key), std::string::npos) << key;
  }
  EXPECT_EQ(last.front(), '{');
}

// A code deals the arena's matches as the game deals a match from it: the same first dealer and
// the same first deck, whatever the seed.
TEST(Arena, DealsACodedMatchAsTheGameDoes) {
  const DealCode code(123456789);
  headless::ScriptedPlatform platform;
  Game game(platform);
  StartCodedGame(game, code);
  const int dealer = game.table.Oya;
  Form_Click(game);
  Random deals(code.Seed());
  EXPECT_EQ(deals.Below(2), dealer);
  const model::Deck deck = GameShuffledDeck(deals);
  for (std::size_t i = 0; i < deck.size(); ++i) EXPECT_EQ(deck[i], CardIndex(game.table.Deck[i])) << i;

  const ArenaOptions coded{"normal", "beginner", 2, 1, {}, 1, code};
  EXPECT_NE(Report(coded, Summarize(Play(coded))).find("deal code " + code.Text()), std::string::npos);
}

}  // namespace
}  // namespace pg::arena
