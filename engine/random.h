// The game's one random source: a small seeded generator, so every game can be replayed.
#pragma once

#include <array>
#include <cstdint>

namespace pg {

// The whole state of a source, as a kept match stores it.
using RandomState = std::array<std::uint64_t, 4>;

class Random {
 public:
  explicit Random(std::uint64_t seed = 0) { Seed(seed); }
  void Seed(std::uint64_t seed);
  // Uniform in [0, 1), like the draws the rules are written against.
  double Uniform();
  // Int(Uniform() * k): a whole number 0 .. k - 1.
  int Below(int k);
  RandomState State() const { return {state_[0], state_[1], state_[2], state_[3]}; }
  // False, and the source left as it was, for the all-zero state, from which the generator never
  // leaves: no seed gives it, so it can only come from a damaged record.
  bool Restore(const RandomState& state);

 private:
  std::uint64_t Next();
  std::uint64_t state_[4] = {};
};

}  // namespace pg
