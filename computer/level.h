// The computer's levels of play: each decides hand play, table choice and こいこい from one side's view.
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "engine/random.h"
#include "model/state.h"
#include "model/view.h"

namespace pg {

class Level {
 public:
  virtual ~Level() = default;
  // A legal move for the side to move, which is view.Viewer(), drawing only from `random`.
  virtual model::Move Choose(const model::View& view, Random& random) = 0;
};

// The names the tools know the levels by, weakest first.
std::span<const std::string_view> LevelNames();
// The name the player knows a level by (入門, 普通, 強い, 最強); the tool's name for one it does not know.
std::string_view LevelLabel(std::string_view name);
// The level of that name, or none.
std::unique_ptr<Level> MakeLevel(std::string_view name);

}  // namespace pg
