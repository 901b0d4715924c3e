// Shows what the rules recorded of a card put into play: flights, placings and the watchers' notices.
#pragma once

#include "rules/play_steps.h"

namespace pg {

struct Game;

void ShowPlay(Game& game, const PlaySteps& steps);

}  // namespace pg
