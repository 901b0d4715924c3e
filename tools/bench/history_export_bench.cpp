// Writing out a history of 65,536 matches, in matches a second and the peak memory of the process
// that writes it, what the thorough first look (PRAGMA quick_check) adds to opening history.db, how
// long that first open holds the game's thread, and how long it takes to bring forward a history
// whose moves were kept a row each.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <map>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

#include "records/history_database.h"
#include "records/history_export.h"
#include "records/sqlite_statement.h"
#include "tools/bench/large_history.h"

namespace {

namespace fs = std::filesystem;

constexpr int kLargest = 65536;

// Each size of history is built once a run, and removed when the run ends.
class Histories {
 public:
  ~Histories() {
    for (const auto& [size, path] : made_) fs::remove_all(path.parent_path());
  }
  const fs::path& Of(int matches) {
    auto found = made_.find(matches);
    if (found == made_.end()) {
      const std::string name = "history" + std::to_string(matches);
      found = made_.emplace(matches, pg::bench::LargeHistory(pg::bench::BenchFolder(name.c_str()), matches)).first;
    }
    return found->second;
  }

 private:
  std::map<int, fs::path> made_;
};

Histories histories;

// Every match written out, CSV (0) or JSON Lines (1), in a child process of its own so that its
// peak resident memory is the export's.
void ExportHistory(benchmark::State& state) {
  const fs::path& path = histories.Of(kLargest);
  // The game has looked the file over when it started; an export opens it as a later open of the run.
  pg::HistoryDatabase::Open(path);
  const bool jsonLines = state.range(0) == 1;
  const fs::path target = path.parent_path() / (jsonLines ? "out.jsonl" : "out.csv");
  std::vector<std::int64_t> ids(kLargest);
  std::iota(ids.begin(), ids.end(), 1);
  long peakKb = 0;
  double cpuSeconds = 0;
  for (auto _ : state) {
    const pid_t child = fork();
    if (child == 0) {
      const pg::ExportResult result =
          pg::ExportHistory(path, ids, jsonLines ? pg::ExportFormat::JsonLines : pg::ExportFormat::Csv, target,
                            [](std::size_t) { return true; });
      _exit(result.written == kLargest ? 0 : 1);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the export was not whole");
    peakKb = std::max(peakKb, usage.ru_maxrss);
    cpuSeconds += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                  static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  }
  rusage self{};
  getrusage(RUSAGE_SELF, &self);
  state.counters["matches/s"] =
      benchmark::Counter(static_cast<double>(kLargest), benchmark::Counter::kIsIterationInvariantRate);
  // The machine may be shared: the rate on the export's own processor time is shown beside it.
  state.counters["matches/cpu_s"] =
      static_cast<double>(kLargest) * static_cast<double>(state.iterations()) / cpuSeconds;
  state.counters["peak_RSS_MB"] = static_cast<double>(peakKb) / 1024;
  state.counters["bench_RSS_MB"] = static_cast<double>(self.ru_maxrss) / 1024;
  state.counters["out_MB"] = static_cast<double>(fs::file_size(target)) / 1e6;
}

// The check the first open of a run makes, on a connection that cannot write.
void QuickCheck(benchmark::State& state) {
  const fs::path& path = histories.Of(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    pg::SqliteConnection connection;
    connection.Open(path.string(), SQLITE_OPEN_READONLY);
    pg::SqliteStatement check(connection, "PRAGMA quick_check(1)");
    if (!check.Step() || check.Text(0) != "ok") state.SkipWithError("the history is damaged");
  }
  state.counters["MB"] = static_cast<double>(fs::file_size(path)) / 1e6;
}

// How long the first open of a run holds the thread that asks for it, at 65,536 matches: opened
// there (0), or opened ahead as the game starts (1), the first deal coming once the look is over.
// Each open is made in a child process of its own, on a copy no process of this run has looked at.
void FirstOpenHolds(benchmark::State& state) {
  const fs::path& path = histories.Of(kLargest);
  const fs::path copy = path.parent_path() / "unseen" / "history.db";
  if (!fs::exists(copy)) {
    fs::create_directories(copy.parent_path());
    fs::copy_file(path, copy);
  }
  const bool ahead = state.range(0) == 1;
  double heldSeconds = 0;
  for (auto _ : state) {
    int pipe[2];
    if (::pipe(pipe) != 0) state.SkipWithError("no pipe");
    const pid_t child = fork();
    if (child == 0) {
      using Clock = std::chrono::steady_clock;
      Clock::duration held{};
      bool opened = false;
      if (ahead) {
        auto start = Clock::now();
        pg::HistoryOpenedAhead opening(copy);
        held += Clock::now() - start;
        while (pg::HistoryOpenedAhead::StillOpening(copy)) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        start = Clock::now();
        opened = pg::HistoryDatabase::Open(copy).database != nullptr;
        held += Clock::now() - start;
      } else {
        const auto start = Clock::now();
        opened = pg::HistoryDatabase::Open(copy).database != nullptr;
        held = Clock::now() - start;
      }
      const double seconds = std::chrono::duration<double>(held).count();
      const bool told = write(pipe[1], &seconds, sizeof seconds) == sizeof seconds;
      _exit(opened && told ? 0 : 1);
    }
    close(pipe[1]);
    double seconds = 0;
    if (read(pipe[0], &seconds, sizeof seconds) != sizeof seconds) state.SkipWithError("the child told nothing");
    close(pipe[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("the history did not open");
    heldSeconds += seconds;
  }
  state.counters["held_ms"] = heldSeconds * 1000 / static_cast<double>(state.iterations());
}

// The first open of a 65,536-match history laid out a row a move, as version 4 kept it: judged,
// quick_check included, and its moves packed. Each time on a fresh copy of the older file.
void BringForward(benchmark::State& state) {
  const fs::path folder = pg::bench::BenchFolder("rows");
  const fs::path older = pg::bench::LargeHistory(folder, kLargest, true);
  const fs::path path = folder / "copy" / "history.db";
  double afterBytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(path.parent_path());
    fs::create_directories(path.parent_path());
    fs::copy_file(older, path);
    state.ResumeTiming();
    auto opened = pg::HistoryDatabase::Open(path);
    if (!opened.database || !opened.notice.empty()) state.SkipWithError("the history was not brought forward");
    opened.database.reset();
    afterBytes = static_cast<double>(fs::file_size(path));
  }
  state.counters["before_MB"] = static_cast<double>(fs::file_size(older)) / 1e6;
  state.counters["after_MB"] = afterBytes / 1e6;
  fs::remove_all(folder);
}

}  // namespace

BENCHMARK(BringForward)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(FirstOpenHolds)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();
BENCHMARK(ExportHistory)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();
BENCHMARK(QuickCheck)->Arg(10000)->Arg(kLargest)->Unit(benchmark::kMillisecond);
