// Playing a month or a match to its end with one policy a side; nothing is allocated on the way.
#pragma once

#include "engine/random.h"
#include "model/month.h"
#include "model/state.h"

namespace pg::model {

inline bool InMonth(const State& s) {
  return s.stage == Stage::Play || s.stage == Stage::StockChoice || s.stage == Stage::Decision;
}

// A policy is called as policy(state, random) and returns a legal move for state.mover.
template <typename Policy0, typename Policy1>
void PlayOutMonth(State& s, const Policy0& side0, const Policy1& side1, Random& random) {
  while (InMonth(s)) Apply(s, s.mover == 0 ? side0(s, random) : side1(s, random));
}

// Plays on from anywhere in a match to its end, dealing each month from `random`.
template <typename Policy0, typename Policy1>
void PlayOutMatch(State& s, const Policy0& side0, const Policy1& side1, Random& random) {
  while (s.stage != Stage::MatchOver) {
    if (s.stage == Stage::Deal) {
      Deal(s, ShuffledDeck(random));
    } else if (s.stage == Stage::MonthOver) {
      NextMonth(s);
    } else {
      PlayOutMonth(s, side0, side1, random);
    }
  }
}

}  // namespace pg::model
