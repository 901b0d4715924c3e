// The keyboard's frame over a card: which card it framed last, and where that card lay.
#pragma once

#include <cstdint>

namespace pg {

struct KeyCursor {
  // Shown from the first key until the mouse is pressed on the table.
  bool shown = false;
  std::int16_t pic = -1;
  // Where the framed card lay when the cursor last moved: once that card is played, the cursor
  // goes to the card nearest that place.
  std::int16_t left = 0;
  std::int16_t top = 0;
};

}  // namespace pg
