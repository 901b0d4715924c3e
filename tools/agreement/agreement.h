// Self-played matches of the game followed play by play through the model of the game.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/rule_settings.h"

namespace pg::agreement {

struct Report {
  int matches = 0;
  // Matches in which the model and the game parted at least once.
  int disagreements = 0;
  // What was compared: hand and stock cards, win dialogs, months.
  long plays = 0;
  long dialogs = 0;
  long months = 0;
  // The first place each disagreeing match parted, as far as kept.
  std::vector<std::string> faults;

  Report& operator+=(const Report& other);
};

// Plays `matches` matches of the game from `seed` under `rules` and replays each through the model:
// the player's choices and every 勝負/こいこい are the game's, the computer's card and table choices
// are the model's designed player's own and must be the game's.
Report Compare(std::uint64_t seed, int matches, const RuleControls& rules);

}  // namespace pg::agreement
