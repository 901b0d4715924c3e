// A game on the fake platform, set up as at start-up, with helpers to arrange and play months.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "engine/game.h"
#include "engine/geometry.h"
#include "headless/scripted_platform.h"

namespace pg {

// Failures name a board position as (x, y).
inline void PrintTo(const Point& point, std::ostream* out) { *out << "(" << point.x << ", " << point.y << ")"; }

}  // namespace pg

namespace pg::test {

class GameTest : public ::testing::Test {
 protected:
  GameTest();

  // Deals a month to the cards given, as the deal would have dealt a deck holding them; the stock
  // starts with `stock` and goes on with the unused cards in card order.
  void DealArranged(int oya, std::initializer_list<const char*> playerHand,
                    std::initializer_list<const char*> computerHand, std::initializer_list<const char*> table,
                    std::initializer_list<const char*> stock = {});
  // Codes of table slots 0 .. FieldCount - 1.
  std::vector<std::string> Table() const;
  std::vector<std::string> Hand(int side) const;
  // The picture index of a card of the player's hand, or of a table card.
  int HandPicture(const char* code) const;
  int TablePicture(const char* code) const;
  // Where Card(pic) lies on the board.
  Point PlaceOf(int pic) const;
  // All 48 cards are somewhere: in a hand, on the table, in the stock or in a capture pile.
  void ExpectCardsAccountedFor() const;

  headless::ScriptedPlatform platform;
  Game game{platform};
  // The player's answer when a yaku is made: 0 こいこい, 1 勝負.
  int playerDecision = 1;
};

}  // namespace pg::test
