// Keyboard play on the main window: a cursor over the cards a click could play, and Enter or
// Space for a click on it, or on the table when no card waits.
#pragma once

#include <optional>
#include <vector>

namespace pg {

struct Game;

enum class Key { Left, Right, Up, Down, Enter };

// The cards a click could play now, in reading order: the dealer-draw candidates, the player's
// hand on its turn, or the two framed table cards of a choice.
std::vector<int> KeyTargets(const Game& game);
// The card the keyboard cursor frames, if it is shown and a card waits.
std::optional<int> KeyCursorCard(const Game& game);
void KeyPressed(Game& game, Key key);

}  // namespace pg
