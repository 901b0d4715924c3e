// The computer's turn: each decision is asked of the computer player, then played and shown.
#pragma once

namespace pg {

struct Game;

// Plays the computer's hand card and then its stock card.
void ComRootin1(Game& game);

}  // namespace pg
