// The phase and its mirror.
#include "engine/game.h"

namespace pg {

void Game::SetPhase(Phase phase) {
  table.Phase = phase;
  options.JudgeMode = phase;
}

}  // namespace pg
