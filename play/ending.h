// The one way out of the game: the question, the status file's lock, the save, the end.
#pragma once

namespace pg {

struct Game;

// Asks, then saves under the lock and ends, or waits for the lock.
void Ending(Game& game);
// The menu's end button.
void MenuEnd(Game& game);
// The close box of the main window: the request itself is always refused and Ending decides.
void Form_QueryUnload(Game& game);
// The wait window's one-second retry while another copy holds the lock.
void EndingTimer_Timer(Game& game);
// With the lock held: saves the window places, options and rules, gives the lock back, ends.
void EndingSub(Game& game);
// The wait window's way back: the game goes on, and the lock is left to the other copy.
void WaitWayBack(const Game& game);

}  // namespace pg
