// The two clicks that drive a match: on a card picture, and on the table.
#pragma once

namespace pg {

struct Game;

void Card_Click(Game& game, int index);
void Form_Click(Game& game);
// A month won by a dialog's 勝負 or ＯＫ is over: only the player's wins enter the best months,
// in any month of the match, and the player's hand goes dead.
void CloseWonMonth(Game& game);

}  // namespace pg
