// The advisor's badges: while hints are on, each card the player may choose shows the chance of
// winning the match if it is chosen, worked out off the screen's thread.
#pragma once

namespace pg {

struct Game;

// The player chose, or the choice went: the badges go, and a search still running is dropped.
void DropHints(Game& game);
// Starts the badges for the choice the player now has, if hints are on and it has one.
void RefreshHints(Game& game);
// The options' switch: on shows the badges of the choice under way, off takes them away.
void SetHints(Game& game, bool on);

}  // namespace pg
