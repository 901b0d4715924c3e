// petalgame32-agreement: self-played matches of the game across the 64 swept rule sets, each
// followed through the model; prints the number of matches where the two disagree.
#include <charconv>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>

#include "model/rule_set.h"
#include "tools/agreement/agreement.h"

namespace {

constexpr std::string_view kUsage = "usage: petalgame32-agreement [--matches N] [--seed N]\n";

bool ParseNumber(std::string_view text, std::uint64_t& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t matches = 10000;
  std::uint64_t seed = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    std::uint64_t* target = arg == "--matches" ? &matches : arg == "--seed" ? &seed : nullptr;
    if (target == nullptr || i + 1 == argc || !ParseNumber(argv[++i], *target) || matches == 0) {
      std::cerr << "petalgame32-agreement: bad arguments\n" << kUsage;
      return 2;
    }
  }
  pg::agreement::Report total;
  const auto sets = static_cast<std::uint64_t>(pg::model::kSweptRuleSets);
  for (std::uint64_t set = 0; set < sets; ++set) {
    // The matches spread as evenly as they go; each rule set plays from a seed of its own.
    const std::uint64_t count = matches / sets + (set < matches % sets ? 1 : 0);
    if (count == 0) continue;
    const pg::RuleControls rules = pg::model::ControlsOf(pg::model::SweptRules(static_cast<int>(set)));
    total += pg::agreement::Compare(seed + set, static_cast<int>(count), rules);
  }
  for (const std::string& fault : total.faults) std::cout << fault << '\n';
  std::cout << "matches " << total.matches << ", months " << total.months << ", plays " << total.plays
            << ", win dialogs " << total.dialogs << " across " << sets << " rule sets\n";
  std::cout << "disagreements " << total.disagreements << '\n';
  return total.disagreements == 0 ? 0 : 1;
}
