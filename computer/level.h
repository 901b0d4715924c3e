// The computer's levels of play: each decides hand play, table choice and こいこい from one side's view.
#pragma once

#include <memory>

#include "engine/level.h"
#include "engine/random.h"
#include "model/state.h"
#include "model/view.h"

namespace pg {

class ComputerPlayer {
 public:
  virtual ~ComputerPlayer() = default;
  // A legal move for the side to move, which is view.Viewer(), drawing only from `random`.
  virtual model::Move Choose(const model::View& view, Random& random) = 0;
};

std::unique_ptr<ComputerPlayer> MakePlayer(Level level);

}  // namespace pg
