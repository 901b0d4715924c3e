// The player's clicks as the match keeps them: each one is noted, then played by the turn driver.
#pragma once

namespace pg {

struct Game;

// A new match is cleared for its start: the log begins again from the sources as they are now.
void NoteMatchStart(Game& game);
// A click of the player's on Card(index), or on the table: noted, then played.
void PlayerClicksCard(Game& game, int index);
void PlayerClicksTable(Game& game);
// A button of the win dialog taken as the player's answer, noted with the click that opened it.
void NoteWinButton(Game& game, int index);

}  // namespace pg
