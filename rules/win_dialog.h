// The win dialog 「出来役」: lists the yaku, totals them, and pays the winner.
#pragma once

namespace pg {

struct Game;
struct TableState;

// Fills and shows the dialog for the pending WinCode and returns once it is hidden; WinCode is
// None afterwards.
void Agari(Game& game);
// The side the pending WinCode pays: the mover for a yaku, the dealer for the dealer's right and
// a yaku of its own dealt hand, the other side for a yaku of the other hand.
int WinnerOf(const TableState& table);
void EraseFormAgari(Game& game);
// A button of the dialog was clicked: こいこい, or 勝負/ＯＫ with the total paid 文 by 文.
void AgariCommandClick(Game& game, int index);
// The dialog's 700 ms timer: it closes the dialog after a button press.
void AgariTimerTick(Game& game);

}  // namespace pg
