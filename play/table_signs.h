// What the table says of the game besides its cards: the prompt to click on, and the sides that
// have called こいこい.
#pragma once

namespace pg {

struct Game;

// Shows 「クリックで次へ」 while a click on the table goes on (the dealer known, a month over), and
// takes the こいこい marks away once no month is being played. Placed for the current screen mode.
void ShowTableSigns(Game& game);
// The side (0 the player, 1 the computer) played on after a yaku: its mark stays until the month ends.
void MarkKoiKoi(Game& game, int side);

}  // namespace pg
