// Where each timer's tick goes.
#pragma once

#include "engine/platform.h"

namespace pg {

struct Game;

void TimerTick(Game& game, Timer timer);

}  // namespace pg
