// The computer's turn: each decision is asked of the computer player, then played and shown.
#pragma once

namespace pg {

struct Game;

// Plays the computer's hand card and then its stock card.
void ComRootin1(Game& game);
// After a yaku of its own, whether the computer stops the month (勝負) rather than play on.
bool ComputerStopsAtLevel(Game& game);

}  // namespace pg
