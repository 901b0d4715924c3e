// Matches started from a deal code, typed or the day's: the code names the deals and the first
// dealer, so there is no dealer draw.
#pragma once

#include "engine/deal_code.h"

namespace pg {

struct Game;

// A new match dealt from `code`, once the player agrees to give up a match under way; false when
// the player kept it. The level and the hints are the player's own.
bool StartCodedGame(Game& game, DealCode code);
// Today's deal against 最強, with hints off for the match.
bool StartDailyGame(Game& game, const LocalDate& today);
// The local date now.
LocalDate Today();

}  // namespace pg
