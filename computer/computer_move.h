// The computer's turn: choose and play a hand card, then turn and play the stock card.
#pragma once

namespace pg {

struct Game;

void ComRootin1(Game& game);
// The hand slot the computer plays from, by the capture search and, failing that, the discard search.
int ChooseHandSlot(const Game& game);

}  // namespace pg
