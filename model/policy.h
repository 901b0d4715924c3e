// The designed player of the game (普通) and a uniformly random one, as moves of the model.
#pragma once

#include "engine/random.h"
#include "model/state.h"

namespace pg::model {

// The hand card the designed player plays: the most valuable card it can capture with or take,
// else it throws away its least valuable card, with the game's ties and quirks of slot order.
int DesignedHandCard(const State& s);
// Of the two table cards of `card`'s month, the one listed first in the value order, else the lower slot.
int DesignedTake(const State& s, int card);
// The computer's odds of stopping: the fewer cards left in both hands, the likelier.
bool DesignedStops(const State& s, Random& random);
Move DesignedMove(const State& s, Random& random);
// Any legal move or decision, each as likely.
Move RandomMove(const State& s, Random& random);

struct DesignedPolicy {
  Move operator()(const State& s, Random& random) const { return DesignedMove(s, random); }
};

struct RandomPolicy {
  Move operator()(const State& s, Random& random) const { return RandomMove(s, random); }
};

}  // namespace pg::model
