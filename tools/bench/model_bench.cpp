// The model's speed: random playouts of a dealt month, and whole matches of the designed player.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "model/month.h"
#include "model/playout.h"
#include "model/policy.h"

namespace {

using namespace pg::model;

// Months dealt under every swept rule set, so the figure averages over deals and rules.
std::array<State, kSweptRuleSets> DealtMonths() {
  std::array<State, kSweptRuleSets> months;
  pg::Random random(1);
  for (int set = 0; set < kSweptRuleSets; ++set) {
    State s = NewMatch(SweptRules(set), set % 2);
    // A dealt-hand yaku ends the month at once; deal again until one is to be played.
    do {
      s.stage = Stage::Deal;
      Deal(s, ShuffledDeck(random));
    } while (s.stage != Stage::Play);
    months[static_cast<std::size_t>(set)] = s;
  }
  return months;
}

// From a dealt month to its end, every move and decision uniformly random among the legal ones.
void RandomMonthPlayout(benchmark::State& state) {
  const auto months = DealtMonths();
  pg::Random random(2);
  std::size_t k = 0;
  for (auto _ : state) {
    State s = months[k++ % months.size()];
    PlayOutMonth(s, RandomPolicy{}, RandomPolicy{}, random);
    benchmark::DoNotOptimize(s.score);
  }
  state.counters["playouts"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Twelve months dealt and played by the designed player on both sides, as 普通 against 普通.
void DesignedMatch(benchmark::State& state) {
  std::array<Rules, kSweptRuleSets> rules;
  for (int set = 0; set < kSweptRuleSets; ++set) rules[static_cast<std::size_t>(set)] = SweptRules(set);
  pg::Random random(3);
  std::size_t k = 0;
  for (auto _ : state) {
    State s = NewMatch(rules[k % rules.size()], static_cast<int>(k % 2));
    ++k;
    PlayOutMatch(s, DesignedPolicy{}, DesignedPolicy{}, random);
    benchmark::DoNotOptimize(s.score);
  }
  state.counters["matches"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(RandomMonthPlayout)->Unit(benchmark::kMicrosecond);
BENCHMARK(DesignedMatch)->Unit(benchmark::kMicrosecond);
