// The house rules as the model plays them, with the cards each yaku group counts under them.
#pragma once

#include <array>
#include <cstdint>

#include "engine/rule_settings.h"
#include "engine/yaku_group.h"
#include "model/cards.h"

namespace pg::model {

// Four switches and the points of 花見/月見 make 16 × 25 rule sets; the 64 the tools sweep are the
// 16 switch settings, each with four point pairs.
inline constexpr int kSweptRuleSets = 64;

struct Rules {
  bool hanami = true;
  bool tsukimi = true;
  bool dealerRight = false;
  bool kikuAsChaff = false;
  std::int8_t hanamiPoints = 5;
  std::int8_t tsukimiPoints = 5;
  // The cards each group counts under these rules; derived from the switches above.
  ByYakuGroup<CardSet> groupCards{};

  bool operator==(const Rules&) const = default;
};

// The rules with their group cards filled in.
Rules MakeRules(bool hanami, bool tsukimi, bool dealerRight, bool kikuAsChaff, int hanamiPoints, int tsukimiPoints);
Rules RulesOf(const RuleControls& controls);
RuleControls ControlsOf(const Rules& rules);
// Rule set `index` of the 64 swept: bits 0..3 the switches, bits 4..5 the point pair.
Rules SweptRules(int index);

}  // namespace pg::model
