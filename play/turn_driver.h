// The two clicks that drive a match: on a card picture, and on the table.
#pragma once

namespace pg {

struct Game;

void Card_Click(Game& game, int index);
void Form_Click(Game& game);

}  // namespace pg
