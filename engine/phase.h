// The phases of a match, which decide what a click on a card picture or on the table does.
#pragma once

#include <cstdint>

namespace pg {

// The numbers are the game's own: the dialogs have always known the phase by them.
enum class Phase : std::int16_t {
  Idle = 0,          // no match yet
  DealerDraw = 1,    // the twelve face-down cards wait for the player's pick
  DealerKnown = 2,   // a click on the table deals the first month
  PlayerToPlay = 3,  // the player may play a hand card
  HandChoice = 4,    // the hand card just played matches two table cards: the player picks one
  StockChoice = 5,   // the same for the turned stock card
  MonthOver = 6,     // a click on the table deals the next month or ends the match
  MatchOver = 7,     // the result is shown; a click on the table starts a new match
};

}  // namespace pg
