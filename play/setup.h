// Start of the program, of a match, and of a match's first month.
#pragma once

namespace pg {

struct Game;

void setup(Game& game);
void StartGame(Game& game);
void GameSetUp(Game& game);

}  // namespace pg
