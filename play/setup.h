// Start of the program, of a match, and of a match's first month.
#pragma once

namespace pg {

struct Game;

// Once, when the program opens: seeds the random sources, reads STATUS.DAT, places the windows.
void setup(Game& game);
// A new match: clears the table and lays out the twelve cards the dealer is drawn from.
void StartGame(Game& game);
// What every new match begins with before its dealer is known: the table cleared, the level of the
// next match taken, no deal code.
void ClearForMatch(Game& game);
// The first month's click, before its deal: rules the capture areas, shows faces and totals at 0.
void GameSetUp(Game& game);

}  // namespace pg
