// The ruled brackets and captions of the capture areas, drawn over the wallpaper.
#pragma once

namespace pg {

struct Game;

void DrawLine(Game& game);

}  // namespace pg
