// Drawing one of twelve face-down cards to decide who deals the first month.
#pragma once

namespace pg {

struct Game;

void oya1(Game& game);
void oya2(Game& game, int p);

}  // namespace pg
