// What the player has done in the match on the table since it started: with the random sources as
// they were at its start, the match can be played again to the same moment.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "engine/random.h"

namespace pg {

// The game's, the search's and the advisor's sources, in that order.
using RandomStates = std::array<RandomState, 3>;
inline constexpr std::size_t kGameSource = 0;
inline constexpr std::size_t kSearchSource = 1;
inline constexpr std::size_t kAdvisorSource = 2;

inline constexpr int kTableClick = -1;

struct MatchInput {
  // A click on Card(card), or on the table (kTableClick).
  int card = kTableClick;
  // The win dialog's buttons pressed while the click ran, in order.
  std::vector<int> winButtons;
  // The sources as the click began, kept only where something drew from them between clicks
  // (the dealer draw, hints switched on, the lesson played meanwhile).
  std::optional<RandomStates> sources;
};

struct MatchLog {
  // The sources as the match was cleared for its start, before its dealer draw.
  RandomStates start{};
  std::vector<MatchInput> inputs;
  // The sources as the last click ended, or as the match started.
  RandomStates afterLast{};
  // False while the last click runs, and for good once the game was told to end meanwhile: such a
  // click is played again from its start.
  bool lastSettled = true;
  // A match dealt again from a stored deck cannot be started over from its sources.
  bool fromSources = true;
  // The advisor's source as the hints for the table as it is drew their search's seed, if they did,
  // and as the last click began. A match taken up draws its hints from there again, so the
  // advisor goes on as if the game had never ended.
  std::optional<RandomState> hintsDrewFrom;
  std::optional<RandomState> hintsDrewFromAsLastBegan;
};

}  // namespace pg
