// The win dialog's sequence: filled by the rules, decided by the computer when it won, shown,
// answered and paid.
#pragma once

#include <optional>

namespace pg {

struct Game;

// Fills and shows the dialog for the pending WinCode and returns once it is hidden; WinCode is
// None afterwards. A replay gives the computer's decision as it was stored instead of asking it.
void Agari(Game& game, std::optional<bool> computerStops = std::nullopt);
// A button of the dialog was clicked: こいこい, or 勝負/ＯＫ with the total paid 文 by 文.
void AgariCommandClick(Game& game, int index);
// The dialog's 700 ms timer: it closes the dialog after a button press.
void AgariTimerTick(Game& game);

}  // namespace pg
