// The win dialog's sequence: filled by the rules, decided by the computer when it won, shown,
// answered and paid.
#pragma once

namespace pg {

struct Game;

// Fills and shows the dialog for the pending WinCode and returns once it is hidden; WinCode is
// None afterwards.
void Agari(Game& game);
// A button of the dialog was clicked: こいこい, or 勝負/ＯＫ with the total paid 文 by 文.
void AgariCommandClick(Game& game, int index);
// The dialog's 700 ms timer: it closes the dialog after a button press.
void AgariTimerTick(Game& game);

}  // namespace pg
