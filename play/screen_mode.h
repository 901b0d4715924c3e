// The two screen modes: the design layout for 800x600 screens and the reduced one for 640x480.
#pragma once

namespace pg {

struct Game;

// Switches the main window to the mode the options dialog has selected; the window is in the other.
void ChangeScreen(Game& game);
// Start-up: a 640-pixel-wide screen, or the stored choice, puts the window in the 640x480 mode, and
// such a screen cannot choose the larger one. True when the switch already painted the wallpaper.
bool ChooseScreenModeAtStart(Game& game);

}  // namespace pg
