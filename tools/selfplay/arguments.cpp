// Reading the self-play tool's arguments strictly: a typo must not quietly play other rules.
#include "tools/selfplay/arguments.h"

#include <charconv>
#include <optional>
#include <vector>

#include "engine/level.h"

namespace pg::selfplay {

namespace {

template <typename Number>
std::optional<Number> WholeNumber(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

// H, T, O and K pick one of two buttons; the two yaku values run from 1 to 5 文.
std::optional<RuleControls> ParseRules(std::string_view text) {
  std::vector<int> values;
  while (true) {
    const std::size_t comma = text.find(',');
    const auto value = WholeNumber<int>(text.substr(0, comma));
    if (!value) return std::nullopt;
    values.push_back(*value);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  if (values.size() != 6) return std::nullopt;
  RuleControls rules;
  for (std::size_t i = 0; i < 4; ++i) {
    if (values[i] != 0 && values[i] != 1) return std::nullopt;
    rules.option[i] = static_cast<std::int16_t>(values[i]);
  }
  for (std::size_t i = 0; i < 2; ++i) {
    const int points = values[4 + i];
    if (points < 1 || points > 5) return std::nullopt;
    rules.SetPoints(static_cast<int>(i), static_cast<std::int16_t>(points));
  }
  return rules;
}

std::variant<SelfPlayOptions, std::string> ParseArguments(std::span<const std::string_view> args) {
  SelfPlayOptions options;
  bool seeded = false;
  for (std::size_t i = 0; i < args.size(); i += 2) {
    const std::string_view name = args[i];
    if (name != "--seed" && name != "--matches" && name != "--rules" && name != "--level" && name != "--deal-code") {
      return "unknown argument '" + std::string(name) + "'";
    }
    if (i + 1 == args.size()) return std::string(name) + " needs a value";
    const std::string_view value = args[i + 1];
    if (name == "--seed") {
      const auto seed = WholeNumber<std::uint64_t>(value);
      if (!seed) return "--seed wants a whole number from 0 up, not '" + std::string(value) + "'";
      options.seed = *seed;
      seeded = true;
    } else if (name == "--matches") {
      const auto matches = WholeNumber<int>(value);
      if (!matches || *matches < 0) return "--matches wants a whole number from 0 up, not '" + std::string(value) + "'";
      options.matches = *matches;
    } else if (name == "--deal-code") {
      const DealCodeRead read = ReadDealCode(value);
      if (!read.code) return "--deal-code wants a deal code (8 characters, the last a check), not '" + std::string(value) + "'";
      options.dealCode = read.code;
    } else if (name == "--level") {
      const std::optional<Level> level = LevelNamed(value);
      if (!level) return "--level wants the name of a level, not '" + std::string(value) + "'";
      options.level = *level;
    } else {
      const auto rules = ParseRules(value);
      if (!rules) {
        return "--rules wants six numbers H,T,O,K,HP,TP (H, T, O, K 0 or 1; HP, TP 1 to 5), not '" +
               std::string(value) + "'";
      }
      options.rules = *rules;
    }
  }
  if (!seeded) return "--seed is required";
  return options;
}

}  // namespace pg::selfplay
