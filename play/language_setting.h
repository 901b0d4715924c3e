// The language the window speaks: the desktop's, or one the player chose in the options.
#pragma once

#include <string_view>

namespace pg {

struct Game;

// One of SETTINGS.TXT's language values, kept there; the window speaks it from the next start.
void SetLanguage(Game& game, std::string_view language);

}  // namespace pg
