// What the player chose for the eye: the month and kind on every face, and the table's size.
// SETTINGS.TXT keeps both.
#pragma once

namespace pg {

struct Game;

void SetCardMarks(Game& game, bool on);
// The table at `percent` of its size fits a screen with its window's frame. Where the platform
// knows no screen, every size fits.
bool TableSizeFits(const Game& game, int percent);
// A size of kTableSizes that fits the screen is shown at once and kept.
void SetTableSize(Game& game, int percent);
// At start-up, before the windows are placed: the kept size, or the largest below it that fits.
void ApplyTableSizeAtStart(Game& game);

}  // namespace pg
