// What one card put into play does: lie on the table, take one, two-way choice, or take three.
#pragma once

#include <cstdint>

#include "engine/card.h"

namespace pg {

struct Game;

// The card being played: its code, where its picture lies, and which picture shows it. The
// procedures move it along and hand the taken table cards through the same four values.
struct PlayedCard {
  CardCode code;
  std::int16_t x = 0;
  std::int16_t y = 0;
  std::int16_t pic = 0;
};

void JudgeSame(Game& game, PlayedCard& card);
void JudgeOK(Game& game, PlayedCard& card);
void JudgeCard(Game& game, PlayedCard& card);
void JudgeAifuda(Game& game);

}  // namespace pg
