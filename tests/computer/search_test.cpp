// The searching levels: they read only what their side has seen, they repeat themselves from the same
// seed, and the chance of winning they steer by behaves as a match does.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "computer/flat_monte_carlo.h"
#include "computer/ismcts.h"
#include "computer/win_chance.h"
#include "model/month.h"
#include "model/policy.h"
#include "tests/computer/chosen_positions.h"

namespace pg::computer {
namespace {

using Search = std::function<model::Move(const model::State&, std::uint64_t)>;

const std::pair<const char*, Search> kSearches[] = {
    {"強い", [](const model::State& s, std::uint64_t seed) { return FlatMonteCarloMove(s, seed, {300}); }},
    {"最強", [](const model::State& s, std::uint64_t seed) { return IsmctsMove(s, seed, {300}); }},
};

// The opponent's hand (its slot order too) and the stock dealt anew among themselves.
model::State Permuted(model::State s, std::uint64_t seed) {
  const auto opponent = static_cast<std::size_t>(1 - s.mover);
  const int held = model::HandSize(s, 1 - s.mover);
  const int drawn = model::kStockCards - s.stockLeft;
  std::vector<std::uint8_t> hidden(s.handOrder[opponent].begin(), s.handOrder[opponent].begin() + held);
  hidden.insert(hidden.end(), s.stock.begin() + drawn, s.stock.end());
  Random random(seed);
  for (int i = static_cast<int>(hidden.size()) - 1; i > 0; --i) {
    std::swap(hidden[static_cast<std::size_t>(i)], hidden[static_cast<std::size_t>(random.Below(i + 1))]);
  }
  s.hand[opponent] = 0;
  for (int i = 0; i < held; ++i) {
    s.handOrder[opponent][static_cast<std::size_t>(i)] = hidden[static_cast<std::size_t>(i)];
    s.hand[opponent] |= model::Bit(hidden[static_cast<std::size_t>(i)]);
  }
  std::copy(hidden.begin() + held, hidden.end(), s.stock.begin() + drawn);
  return s;
}

TEST(Search, ChoosesTheSameMoveHoweverTheUnseenCardsLieAndFromTheSameSeed) {
  const model::Rules rules = model::MakeRules(true, true, false, false, 5, 5);
  const auto any = [](const model::State&) { return true; };
  const auto decision = [](const model::State& s) { return s.stage == model::Stage::Decision; };
  std::vector<model::State> positions = Positions(rules, 11, any, 6);
  for (const model::State& s : Positions(rules, 12, decision, 2)) positions.push_back(s);
  ASSERT_EQ(positions.size(), 8u);
  for (const auto& [level, search] : kSearches) {
    for (std::size_t p = 0; p < positions.size(); ++p) {
      const model::State& s = positions[p];
      const model::Move move = search(s, 77);
      EXPECT_EQ(search(s, 77), move) << level << " position " << p << ": same seed, same move";
      for (std::uint64_t shuffle : {1, 2, 3}) {
        const model::State other = Permuted(s, shuffle);
        ASSERT_TRUE(other.stock != s.stock || other.handOrder != s.handOrder) << "nothing hidden was moved";
        EXPECT_EQ(search(other, 77), move) << level << " position " << p << ", hidden cards dealt anew " << shuffle;
      }
    }
  }
}

TEST(WinChance, ALeadCountsForMoreAsTheMatchRunsOut) {
  const WinChance& chance = WinChanceFor(model::MakeRules(true, true, false, false, 5, 5));
  struct Row {
    int month;
    int lead;
    double low;
    double high;
  } rows[] = {
      {1, 0, 0.45, 0.55},    {1, 10, 0.55, 0.75}, {12, 10, 0.80, 0.97},
      {12, -10, 0.03, 0.20}, {13, 1, 1, 1},       {13, 0, 0.5, 0.5},
  };
  for (const Row& row : rows) {
    for (bool deals : {true, false}) {
      const double c = chance.Chance(row.month, deals, row.lead);
      EXPECT_GE(c, row.low) << "month " << row.month << ", lead " << row.lead << (deals ? ", dealing" : "");
      EXPECT_LE(c, row.high) << "month " << row.month << ", lead " << row.lead << (deals ? ", dealing" : "");
    }
  }
  for (int month = 1; month <= 12; ++month) {
    for (int lead = -40; lead < 40; ++lead)
      EXPECT_LE(chance.Chance(month, true, lead), chance.Chance(month, true, lead + 1));
  }
}

TEST(WinChance, EveryRuleSetFindsItsOwnOutcomes) {
  for (int set = 0; set < kOutcomeRuleSets; ++set) EXPECT_EQ(OutcomeRuleSet(OutcomeRules(set)), set) << set;
  // Points of a yaku that is off play no part.
  EXPECT_EQ(OutcomeRuleSet(model::MakeRules(false, true, false, false, 1, 5)),
            OutcomeRuleSet(model::MakeRules(false, true, false, false, 4, 5)));
}

}  // namespace
}  // namespace pg::computer
