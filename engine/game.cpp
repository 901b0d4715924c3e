// The phase and its mirror.
#include "engine/game.h"

#include "engine/text.h"

namespace pg {

void Game::SetPhase(std::int16_t phase) {
  table.Phase = phase;
  options.JudgeMode = Digits(phase);
}

}  // namespace pg
