// Whole self-played matches per second, from the dealer draw to the result, log lines included.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <ostream>

#include "tools/selfplay/self_play.h"

namespace {

// Each match a fresh game and seed, so the figure is an average over many different deals.
void SelfPlayedMatch(benchmark::State& state) {
  std::ostream discard(nullptr);
  std::uint64_t seed = 0;
  for (auto _ : state) {
    pg::selfplay::SelfPlayOptions options;
    options.seed = seed++;
    pg::selfplay::SelfPlay play(options, discard);
    play.Run();
    benchmark::DoNotOptimize(play.State().board.Score);
  }
  state.counters["matches"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(SelfPlayedMatch)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
