// Centred messages: the width is measured after the text and size are set.
#include "engine/messages.h"

#include "engine/game.h"

namespace pg {

void ShowCentredMessage(Game& game, int index, const std::string& text, int pointSize, int top) {
  Label& label = game.board.message[index];
  label.caption = text;
  label.fontSize = static_cast<std::int16_t>(pointSize);
  label.left = static_cast<std::int16_t>((kPlayWidth - game.platform.TextWidth(text, pointSize)) / 2);
  label.top = static_cast<std::int16_t>(top);
  label.enabled = label.visible = true;
}

int LargeMessageSize(const Game& game) { return game.SmallScreen() ? 21 : 24; }

}  // namespace pg
