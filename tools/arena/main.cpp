// petalgame32-arena: two levels of the computer play matches on the model, the same deals with the
// seats swapped; prints the win share of A, the mean difference and the time a move, then one JSON line.
#include <charconv>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>

#include "computer/level.h"
#include "engine/deal_code.h"
#include "tools/arena/arena.h"
#include "tools/selfplay/arguments.h"

namespace {

constexpr std::string_view kUsage =
    "usage: petalgame32-arena --a LEVEL --b LEVEL --matches N --seed S [--rules H,T,O,K,HP,TP] [--jobs J]\n"
    "       [--deal-code CODE]\n";

template <typename Number>
bool ParseNumber(std::string_view text, Number& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

std::string LevelList() {
  std::string list;
  for (pg::Level level : pg::kLevels) list += (list.empty() ? "" : ", ") + std::string(pg::StoredName(level));
  return list;
}

// An empty text when the arguments are good, else what is wrong with them.
std::string Parse(int argc, char** argv, pg::arena::ArenaOptions& o) {
  bool matches = false;
  bool seed = false;
  for (int i = 1; i < argc; i += 2) {
    const std::string_view name = argv[i];
    if (i + 1 == argc) return std::string(name) + " needs a value";
    const std::string_view value = argv[i + 1];
    if (name == "--a" || name == "--b") {
      if (!pg::LevelNamed(value)) return "unknown level '" + std::string(value) + "' (levels: " + LevelList() + ")";
      (name == "--a" ? o.a : o.b) = value;
    } else if (name == "--matches") {
      if (!ParseNumber(value, o.matches) || o.matches < 1) return "--matches wants a whole number from 1 up";
      matches = true;
    } else if (name == "--seed") {
      if (!ParseNumber(value, o.seed)) return "--seed wants a whole number from 0 up";
      seed = true;
    } else if (name == "--jobs") {
      if (!ParseNumber(value, o.jobs) || o.jobs < 1) return "--jobs wants a whole number from 1 up";
    } else if (name == "--rules") {
      const auto rules = pg::selfplay::ParseRules(value);
      if (!rules) return "--rules wants six numbers H,T,O,K,HP,TP (H, T, O, K 0 or 1; HP, TP 1 to 5)";
      o.rules = *rules;
    } else if (name == "--deal-code") {
      const pg::DealCodeRead read = pg::ReadDealCode(value);
      if (!read.code) return "--deal-code wants a deal code (8 characters, the last a check), not '" + std::string(value) + "'";
      o.dealCode = read.code;
    } else {
      return "unknown argument '" + std::string(name) + "'";
    }
  }
  if (o.a.empty() || o.b.empty() || !matches || !seed) return "--a, --b, --matches and --seed are required";
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  pg::arena::ArenaOptions options;
  if (const std::string error = Parse(argc, argv, options); !error.empty()) {
    std::cerr << "petalgame32-arena: " << error << '\n' << kUsage;
    return 2;
  }
  try {
    std::cout << pg::arena::Report(options, pg::arena::Summarize(pg::arena::Play(options)));
  } catch (const std::exception& e) {
    std::cerr << "petalgame32-arena: " << e.what() << '\n';
    return 1;
  }
  return std::cout ? 0 : 1;
}
