// The high scores: offered a finished match under the status file's lock, and shown from the menu.
#pragma once

namespace pg {

struct Game;

// The click that ends a match's result: takes the lock and updates the tables, or waits for the
// lock behind the wait window.
void StartHiScoreUpdate(Game& game);
// With the lock held: merges the match, asks for the name, saves, gives the lock back, shows the tables.
void HiScoreSub(Game& game);
// The wait window's one-second retry.
void HiScoreTimer_Timer(Game& game);
// The menu command: the tables as the file holds them, read without the lock.
void MenuHiScore(Game& game);
// The name dialog's "OK": refused while the name is empty.
void InputNameOk(const Game& game);
// FormScore's "OK" and close box.
void FormScoreOk(const Game& game);

}  // namespace pg
