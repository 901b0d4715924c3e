// The win dialog 「出来役」: lists the yaku, totals them, and pays the winner.
#pragma once

namespace pg {

struct Game;

// Fills and shows the dialog for the pending WinCode (5 yaku, 6 dealer's right, 1..4 dealt-hand
// yaku) and returns once it is hidden; WinCode is 0 afterwards.
void Agari(Game& game);
void EraseFormAgari(Game& game);
// A button of the dialog was clicked: こいこい, or 勝負/ＯＫ with the total paid 文 by 文.
void AgariCommandClick(Game& game, int index);
// The dialog's 700 ms timer: it closes the dialog after a button press.
void AgariTimerTick(Game& game);

}  // namespace pg
