// Positions of a match the designed player plays from a seed: the searches are asked about them.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "engine/random.h"
#include "model/month.h"
#include "model/policy.h"

namespace pg::computer {

// The choices of more than one move met on the way, while `wanted` holds, up to `count` of them.
inline std::vector<model::State> Positions(const model::Rules& rules, std::uint64_t seed,
                                           const std::function<bool(const model::State&)>& wanted, int count) {
  std::vector<model::State> found;
  Random random(seed);
  model::State s = model::NewMatch(rules, 0);
  while (s.stage != model::Stage::MatchOver && static_cast<int>(found.size()) < count) {
    if (s.stage == model::Stage::Deal) {
      model::Deal(s, model::ShuffledDeck(random));
    } else if (s.stage == model::Stage::MonthOver) {
      model::NextMonth(s);
    } else {
      model::MoveList moves;
      model::LegalMoves(s, moves);
      if (moves.size > 1 && wanted(s)) found.push_back(s);
      model::Apply(s, model::DesignedMove(s, random));
    }
  }
  return found;
}

}  // namespace pg::computer
