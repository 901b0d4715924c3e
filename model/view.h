// What one side can see of a match, and nothing more: the rest is a random guess from the unseen cards.
#pragma once

#include "engine/random.h"
#include "model/determinize.h"
#include "model/state.h"

namespace pg::model {

class View {
 public:
  // The cards `viewer` cannot see are dealt anew from `random` here, so whoever holds the view
  // cannot read them, and the view is the same however they really lie.
  View(const State& s, int viewer, Random& random) : viewer_(viewer), guess_(Determinize(s, viewer, random)) {}

  int Viewer() const { return viewer_; }
  // The match as the viewer might believe it: what it sees is exact, the rest one guess.
  const State& Guess() const { return guess_; }
  // Another guess, for a search that samples many.
  State Sample(Random& random) const { return Determinize(guess_, viewer_, random); }

 private:
  int viewer_;
  State guess_;
};

}  // namespace pg::model
