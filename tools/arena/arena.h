// Matches between two levels of the computer on the model, the same deals played with the seats swapped.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/deal_code.h"
#include "engine/random.h"
#include "engine/rule_settings.h"
#include "model/month.h"

namespace pg::arena {

struct ArenaOptions {
  std::string a;
  std::string b;
  int matches = 0;
  std::uint64_t seed = 0;
  RuleControls rules;
  int jobs = 1;
  // Deals every match as the game deals a match from this code, first dealer and all; the seed
  // then drives the players only.
  std::optional<DealCode> dealCode;
};

// One match: the 文 each level finished with, and how long each took over its moves.
struct MatchRecord {
  int aScore = 0;
  int bScore = 0;
  std::vector<double> aMoveMs;
  std::vector<double> bMoveMs;
};

struct Summary {
  int matches = 0;
  // Ties count half a win.
  double aWinShare = 0;
  double aWinLow = 0;
  double aWinHigh = 0;
  int draws = 0;
  double meanDiff = 0;
  double aMsMedian = 0;
  double aMsP99 = 0;
  double bMsMedian = 0;
  double bMsP99 = 0;
};

// Plays match i with A in seat i % 2: each pair of matches has the same twelve decks and the same
// seat deals first, so each level is dealt the cards the other had. The result does not depend on
// the number of jobs. Throws on an unknown level or an illegal move.
std::vector<MatchRecord> Play(const ArenaOptions& options);
// A month's deck as the game shuffles it, from the cards in card order: a coded match gets the
// game's own decks.
model::Deck GameShuffledDeck(Random& random);
Summary Summarize(const std::vector<MatchRecord>& records);
// The human lines, then one line of JSON.
std::string Report(const ArenaOptions& options, const Summary& summary);

}  // namespace pg::arena
