// The game's one random source: a small seeded generator, so every game can be replayed.
#pragma once

#include <cstdint>

namespace pg {

class Random {
 public:
  explicit Random(std::uint64_t seed = 0) { Seed(seed); }
  void Seed(std::uint64_t seed);
  // Uniform in [0, 1), like the draws the rules are written against.
  double Uniform();
  // Int(Uniform() * k): a whole number 0 .. k - 1.
  int Below(int k);

 private:
  std::uint64_t Next();
  std::uint64_t state_[4] = {};
};

}  // namespace pg
