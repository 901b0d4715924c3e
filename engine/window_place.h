// Where a window opens from its stored place: always on a screen, whole where it fits.
#pragma once

#include <vector>

#include "engine/platform.h"

namespace pg {

struct Game;

// The stored place (the client area's top left corner) moved so that the window's frame lies on the
// available area of the screen the window overlaps most, or of the primary screen when it overlaps
// none. A window that fits is shown whole; one that does not keeps its title bar and top left
// corner on the screen. A window already in place, or one with
// no screen to go by, keeps its stored twips exactly.
WindowOrigin PlaceOnScreen(WindowOrigin stored, const WindowFrame& frame, const std::vector<ScreenArea>& screens);

// Every window the platform shows goes to its stored place, brought onto a screen.
void PlaceStoredWindows(const Game& game);

}  // namespace pg
