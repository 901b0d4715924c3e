// The self-play tool's command line: seed, number of matches, the six rule settings and the level.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "engine/deal_code.h"
#include "engine/level.h"
#include "engine/rule_settings.h"

namespace pg::selfplay {

inline constexpr std::string_view kUsage =
    "usage: petalgame32-selfplay --seed N [--matches N] [--rules H,T,O,K,HP,TP] [--level LEVEL]"
    " [--deal-code CODE]\n";

struct SelfPlayOptions {
  std::uint64_t seed = 0;
  int matches = 1;
  // The defaults are the rule dialog's own: 0,0,1,0,5,5.
  RuleControls rules;
  Level level = Level::Normal;
  // Every match is dealt from this code, whatever the seed; the seed then drives only the players.
  std::optional<DealCode> dealCode;
};

// "H,T,O,K,HP,TP" as the rule dialog's six settings, or none when any is out of range.
std::optional<RuleControls> ParseRules(std::string_view text);

// The options, or a message saying what is wrong with the arguments.
std::variant<SelfPlayOptions, std::string> ParseArguments(std::span<const std::string_view> args);

}  // namespace pg::selfplay
