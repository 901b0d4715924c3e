// The advisor at the player's side: the 最強 search run from the player's seat, read for the chance
// of winning the match that each choice gives, so the player can weigh them as the search does.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "computer/search_budget.h"
#include "model/state.h"

namespace pg::computer {

// Several times what 最強 spends on a move, so that cards a point apart are told apart; a hand's
// badges still come in 19 ms (median) and 44 ms (99th percentile) on one core of a slow, busy
// machine, well inside the 300 ms a player waits for them.
inline constexpr int kAdvisorIterations = 20000;

// A card the mover may choose, the chance of winning the match it gives, and whether it is the
// search's choice.
struct CardChance {
  std::uint8_t card = model::kNoCard;
  double chance = 0;
  bool best = false;
};

// Each hand card the mover may play (Stage::Play), or each table card it may take for its stock
// card (Stage::StockChoice). With `playedCard`, at Stage::Play: the table cards it may take with
// that hand card. The search sees only what the mover sees.
std::vector<CardChance> CardChances(const model::State& s, std::uint64_t seed, const SearchBudget& budget,
                                    std::optional<std::uint8_t> playedCard = std::nullopt);

// The two choices after a yaku (Stage::Decision): the chance of winning if the month is taken now,
// and the search's value of playing on. None where playing on is not allowed.
struct Counsel {
  double stop = 0;
  double koikoi = 0;
};
std::optional<Counsel> KoiKoiCounsel(const model::State& s, std::uint64_t seed, const SearchBudget& budget);

// The chance as the player reads it: whole per cent.
int Percent(double chance);

}  // namespace pg::computer
