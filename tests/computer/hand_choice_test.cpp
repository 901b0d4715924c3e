// Which hand card the computer plays from a dealt month: the card that leaves its hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "computer/computer_move.h"
#include "play/computer_turn.h"
#include "tests/arranged_deal.h"
#include "tests/game_fixture.h"

namespace pg::test {
namespace {

class HandChoiceTest : public GameTest {};

TEST_F(HandChoiceTest, TheComputerPlaysTheCardItsValueOrderPicks) {
  const struct {
    const char* name;
    Cards computer, table, player;
    const char* stock;
    const char* played;
  } rows[] = {
      {"of two chaff-on-chaff captures past slot 0, the first",
       {"52", "33", "C4", "13", "42", "72", "B3", "92"},
       {"34", "14", "63", "64", "83", "84", "A3", "A4"},
       {"11", "21", "22", "41", "51", "61", "71", "81"},
       "B1",
       "33"},
      {"chaff that takes the deer before a ribbon that takes chaff",
       {"52", "A3", "C4", "13", "42", "72", "B3", "92"},
       {"54", "A1", "63", "64", "83", "84", "33", "34"},
       {"11", "21", "22", "41", "51", "61", "71", "81"},
       "B1",
       "A3"},
      {"nothing to take: the last chaff card",
       {"C4", "52", "43", "B3", "93", "72", "42", "62"},
       {"11", "12", "21", "22", "31", "32", "81", "A1"},
       {"13", "14", "23", "24", "33", "34", "83", "A2"},
       "B1",
       "93"},
      {"nothing to take and no chaff: the least valuable card",
       {"21", "72", "41", "82", "B2", "61", "92", "52"},
       {"11", "13", "31", "33", "A1", "A3", "C1", "C3"},
       {"12", "14", "32", "34", "A2", "C2", "22", "24"},
       "23",
       "72"},
      {"a card taking from the last table slot",
       {"C4", "43", "93", "53", "63", "73", "B4", "A1"},
       {"11", "12", "21", "22", "31", "32", "81", "A3"},
       {"13", "14", "23", "24", "33", "83", "C1", "B1"},
       "92",
       "A1"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    DealCards(game, 1, row.player, row.computer, row.table, {row.stock});
    ASSERT_EQ(game.table.WinCode, WinCode::None);
    ComRootin1(game);
    const std::vector<std::string> hand = Hand(1);
    EXPECT_EQ(hand.size(), 7u);
    EXPECT_EQ(std::find(hand.begin(), hand.end(), row.played), hand.end()) << row.played << " is still held";
    ExpectCardsAccountedFor();
  }
}

}  // namespace
}  // namespace pg::test
