// Storing a whole self-played match in history.db, as the game does when a match ends.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <ostream>

#include "play/match_recorder.h"
#include "tools/selfplay/self_play.h"

namespace {

namespace fs = std::filesystem;

fs::path BenchFolder(const char* name) {
  const fs::path folder = fs::temp_directory_path() / ("pg_bench_" + std::to_string(getpid()) + "_" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

// A real match, deals and moves and all, as the recorder followed it.
pg::HistoryMatch PlayedMatch(const fs::path& folder) {
  std::ostream discard(nullptr);
  pg::selfplay::SelfPlayOptions options;
  options.seed = 3;
  pg::selfplay::SelfPlay play(options, discard);
  pg::MatchRecorder recorder(play.State(), folder / "played.db");
  play.Watch(recorder);
  play.Run();
  auto opened = pg::HistoryDatabase::Open(folder / "played.db");
  return opened.database->Load(true).at(0);
}

// One transaction with every month, move, yaku and call, synced to disk before it returns.
void StoreMatch(benchmark::State& state) {
  const fs::path folder = BenchFolder("store");
  const pg::HistoryMatch played = PlayedMatch(folder);
  auto opened = pg::HistoryDatabase::Open(folder / "history.db");
  for (auto _ : state) {
    pg::HistoryMatch match = played;
    if (opened.database->Store(match)) state.SkipWithError("the match could not be stored");
  }
  std::size_t moves = 0;
  for (const auto& month : played.months) moves += month.moves.size();
  state.counters["moves"] = static_cast<double>(moves);
  fs::remove_all(folder);
}

}  // namespace

BENCHMARK(StoreMatch)->Unit(benchmark::kMillisecond);
