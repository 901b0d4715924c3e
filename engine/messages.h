// The six message labels of the main window.
#pragma once

#include <string>

namespace pg {

struct Game;

// Sets the text and size of message(index), centres it across the table at `top`, enables and shows it.
void ShowCentredMessage(Game& game, int index, const std::string& text, int pointSize, int top);
// The large message size of the current screen mode: 24 points, 21 in the 640 x 480 mode.
int LargeMessageSize(const Game& game);

}  // namespace pg
