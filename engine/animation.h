// Card flights and the stacking order of the card pictures.
#pragma once

namespace pg {

struct Game;

// Brings Card(pic) in front of every control, slides it in steps of `speed` pixels and sets it
// exactly on the target; at once when the player asks it to land.
void MoveCard(Game& game, int pic, int fromX, int fromY, int toX, int toY, int speed);
// Card(0) uppermost, Card(47) lowest, every other control above the cards.
void CZOrder(Game& game);

}  // namespace pg
