// Playing the arena's matches on the model and summing them up.
#include "tools/arena/arena.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <thread>

#include "computer/level.h"
#include "engine/card.h"
#include "model/month.h"
#include "model/view.h"

namespace pg::arena {

namespace {

// Streams of one match, apart so that a level's draws never change the deals.
constexpr std::uint64_t kDealStream = 0x6465616C73ull;
constexpr std::uint64_t kViewStream = 0x76696577ull;
constexpr std::uint64_t kLevelStream = 0x6C6576656Cull;

std::uint64_t Mix(std::uint64_t seed, std::uint64_t a, std::uint64_t b) {
  return seed * 0x9E3779B97F4A7C15ull ^ (a + 1) * 0xBF58476D1CE4E5B9ull ^ (b + 1) * 0x94D049BB133111EBull;
}

MatchRecord PlayMatch(const ArenaOptions& options, int index, ComputerPlayer& a, ComputerPlayer& b) {
  // Both matches of a pair draw alike seat by seat; only the levels change seats. A level against
  // itself so plays each pair twice over, and comes out exactly even.
  const auto pair = static_cast<std::uint64_t>(index / 2);
  const int aSeat = index % 2;
  Random deals = options.dealCode ? Random(options.dealCode->Seed()) : Random(Mix(options.seed, kDealStream, pair));
  Random views(Mix(options.seed, kViewStream, pair));
  std::array<Random, 2> draws{Random(Mix(options.seed, kLevelStream, 2 * pair)),
                              Random(Mix(options.seed, kLevelStream, 2 * pair + 1))};
  model::State s = model::NewMatch(model::RulesOf(options.rules), deals.Below(2));
  MatchRecord record;
  while (s.stage != model::Stage::MatchOver) {
    if (s.stage == model::Stage::Deal) {
      model::Deal(s, options.dealCode ? GameShuffledDeck(deals) : model::ShuffledDeck(deals));
    } else if (s.stage == model::Stage::MonthOver) {
      model::NextMonth(s);
    } else {
      const bool aMoves = s.mover == aSeat;
      const model::View view(s, s.mover, views);
      const auto start = std::chrono::steady_clock::now();
      const model::Move move = (aMoves ? a : b).Choose(view, draws[static_cast<std::size_t>(s.mover)]);
      const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
      (aMoves ? record.aMoveMs : record.bMoveMs).push_back(took.count());
      if (!model::IsLegal(s, move)) throw std::runtime_error("an illegal move by " + (aMoves ? options.a : options.b));
      model::Apply(s, move);
    }
  }
  record.aScore = s.score[static_cast<std::size_t>(aSeat)];
  record.bScore = s.score[static_cast<std::size_t>(1 - aSeat)];
  return record;
}

std::unique_ptr<ComputerPlayer> Named(const std::string& name) {
  const std::optional<Level> level = LevelNamed(name);
  if (!level) throw std::runtime_error("no level named '" + name + "'");
  return MakePlayer(*level);
}

double Percentile(std::vector<double>& values, double p) {
  if (values.empty()) return 0;
  const auto k = static_cast<std::size_t>(std::ceil(p * static_cast<double>(values.size()))) - 1;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(k), values.end());
  return values[k];
}

std::string Format(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

model::Deck GameShuffledDeck(Random& random) {
  std::array<CardCode, kCardCount> codes;
  for (int i = 0; i < kCardCount; ++i) codes[static_cast<std::size_t>(i)] = CodeOf(i);
  for (int n = 0; n < 96; ++n) {
    const auto a = static_cast<std::size_t>(random.Below(kCardCount));
    const auto b = static_cast<std::size_t>(random.Below(kCardCount));
    std::swap(codes[a], codes[b]);
  }
  model::Deck deck;
  for (std::size_t i = 0; i < deck.size(); ++i) deck[i] = static_cast<std::uint8_t>(CardIndex(codes[i]));
  return deck;
}

std::vector<MatchRecord> Play(const ArenaOptions& options) {
  std::vector<MatchRecord> records(static_cast<std::size_t>(options.matches));
  Named(options.a);
  Named(options.b);
  const int jobs = std::max(1, std::min(options.jobs, options.matches));
  std::vector<std::thread> workers;
  std::vector<std::exception_ptr> failures(static_cast<std::size_t>(jobs));
  for (int job = 0; job < jobs; ++job) {
    workers.emplace_back([&, job] {
      try {
        const auto a = Named(options.a);
        const auto b = Named(options.b);
        for (int i = job; i < options.matches; i += jobs)
          records[static_cast<std::size_t>(i)] = PlayMatch(options, i, *a, *b);
      } catch (...) {
        failures[static_cast<std::size_t>(job)] = std::current_exception();
      }
    });
  }
  for (std::thread& worker : workers) worker.join();
  for (const std::exception_ptr& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }
  return records;
}

Summary Summarize(const std::vector<MatchRecord>& records) {
  Summary s;
  s.matches = static_cast<int>(records.size());
  if (records.empty()) return s;
  double wins = 0;
  double diff = 0;
  std::vector<double> aMs;
  std::vector<double> bMs;
  for (const MatchRecord& r : records) {
    if (r.aScore > r.bScore) wins += 1;
    if (r.aScore == r.bScore) {
      wins += 0.5;
      ++s.draws;
    }
    diff += r.aScore - r.bScore;
    aMs.insert(aMs.end(), r.aMoveMs.begin(), r.aMoveMs.end());
    bMs.insert(bMs.end(), r.bMoveMs.begin(), r.bMoveMs.end());
  }
  const double n = s.matches;
  s.aWinShare = wins / n;
  // The Wilson score interval at 95 %: it stays inside 0..1 and holds up near the ends.
  constexpr double z = 1.959964;
  const double centre = (s.aWinShare + z * z / (2 * n)) / (1 + z * z / n);
  const double half = z * std::sqrt(s.aWinShare * (1 - s.aWinShare) / n + z * z / (4 * n * n)) / (1 + z * z / n);
  s.aWinLow = centre - half;
  s.aWinHigh = centre + half;
  s.meanDiff = diff / n;
  s.aMsMedian = Percentile(aMs, 0.5);
  s.aMsP99 = Percentile(aMs, 0.99);
  s.bMsMedian = Percentile(bMs, 0.5);
  s.bMsP99 = Percentile(bMs, 0.99);
  return s;
}

std::string Report(const ArenaOptions& o, const Summary& s) {
  std::string text;
  text += "A " + o.a + " against B " + o.b + ": " + std::to_string(s.matches) +
          " matches, the same deals with the seats swapped, seed " + std::to_string(o.seed) +
          (o.dealCode ? ", deal code " + o.dealCode->Text() : std::string()) + "\n";
  text += "A wins " + Format("%.1f", 100 * s.aWinShare) + " % (95 % interval " + Format("%.1f", 100 * s.aWinLow) +
          " to " + Format("%.1f", 100 * s.aWinHigh) + " %), " + std::to_string(s.draws) + " drawn, counted half\n";
  text += "mean difference A - B: " + Format("%+.2f", s.meanDiff) + " 文 a match\n";
  text += "ms a move: A median " + Format("%.4f", s.aMsMedian) + ", 99th percentile " + Format("%.4f", s.aMsP99) +
          "; B median " + Format("%.4f", s.bMsMedian) + ", 99th percentile " + Format("%.4f", s.bMsP99) + "\n";
  text += "{\"a_win_share\":" + Format("%.4f", s.aWinShare) + ",\"a_win_low\":" + Format("%.4f", s.aWinLow) +
          ",\"a_win_high\":" + Format("%.4f", s.aWinHigh) + ",\"mean_diff\":" + Format("%.3f", s.meanDiff) +
          ",\"a_ms_median\":" + Format("%.6f", s.aMsMedian) + ",\"a_ms_p99\":" + Format("%.6f", s.aMsP99) +
          ",\"b_ms_median\":" + Format("%.6f", s.bMsMedian) + ",\"b_ms_p99\":" + Format("%.6f", s.bMsP99) +
          ",\"matches\":" + std::to_string(s.matches) + "}\n";
  return text;
}

}  // namespace pg::arena
