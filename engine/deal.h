// Dealing a month: gather, shuffle, deal with card flights, and the dealt-hand yaku.
#pragma once

#include <string>

namespace pg {

struct Game;

void GameStart(Game& game);
void JudgeTefuda(Game& game);
// Adds one card of `month` to a 12-digit month tally.
void AddToTally(std::string& tally, int month);

}  // namespace pg
