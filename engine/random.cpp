// xoshiro256** seeded through splitmix64: fast, and its sequence is pinned by tests.
#include "engine/random.h"

namespace pg {

namespace {

std::uint64_t SplitMix(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

void Random::Seed(std::uint64_t seed) {
  for (auto& s : state_) s = SplitMix(seed);
}

bool Random::Restore(const RandomState& state) {
  if (state == RandomState{}) return false;
  for (std::size_t i = 0; i < state.size(); ++i) state_[i] = state[i];
  return true;
}

std::uint64_t Random::Next() {
  const std::uint64_t result = Rotl(state_[1] * 5, 7) * 9;
  const std::uint64_t t = state_[1] << 17;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = Rotl(state_[3], 45);
  return result;
}

double Random::Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

int Random::Below(int k) { return static_cast<int>(Uniform() * k); }

}  // namespace pg
