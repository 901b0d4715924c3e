// The win dialog 「出来役」: lists the yaku, totals them, and pays the winner.
#pragma once

#include <string>
#include <string_view>

namespace pg {

struct Game;
struct TableState;
struct WinDialogState;

// Fills the dialog for the pending WinCode: the rows, the total, the winner and the player's
// buttons. A yaku of the computer still waits for its decision.
void FillAgari(Game& game);
bool ComputerDecides(const TableState& table);
// Shows the computer's decision on its one button, and says it in words.
void SetComputerDecision(WinDialogState& dialog, bool stops);
// The advisor's counsel, on a row of its own above the player's buttons.
void SetCounsel(WinDialogState& dialog, const std::string& text);
// After the dialog is hidden: 勝負 and ＯＫ end the month and give the deal to the winner.
// WinCode is None afterwards; true when the winner plays on (こいこい).
bool CloseAgari(Game& game);
// The side the pending WinCode pays: the mover for a yaku, the dealer for the dealer's right and
// a yaku of its own dealt hand, the other side for a yaku of the other hand.
int WinnerOf(const TableState& table);
void EraseFormAgari(Game& game);
// Whether button `index` of the dialog plays on (こいこい) rather than taking the total.
bool PlaysOn(const WinDialogState& dialog, int index);
// Pays the `paid`-th 文 of the total to the winner: its score and the dialog's remainder.
void PayOne(Game& game, int paid);
// A row's yaku name and a points text (「 5文」) in the player's words: the dialog keeps them in
// Japanese, as STATUS.DAT stores the best months.
std::string ShownYakuName(const std::string& name);
std::string ShownPoints(std::string_view text);

}  // namespace pg
