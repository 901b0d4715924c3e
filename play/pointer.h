// The mouse on the main window: a click is a press and a release over the same control.
#pragma once

#include "engine/board.h"

namespace pg {

struct Game;

// `under` is the uppermost control under the pointer, or the table when there is none.
void PointerPressed(Game& game, ControlId under);
void PointerReleased(Game& game, ControlId under);

}  // namespace pg
