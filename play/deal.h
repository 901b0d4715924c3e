// Dealing a month: gather, shuffle, deal with card flights, and the dealt-hand yaku.
#pragma once

namespace pg {

struct Game;

// Every month's deal: gathers the cards, shuffles and deals them, then judges the dealt hands.
void GameStart(Game& game);
// The two halves of GameStart around the shuffle: gathering and resetting, then dealing Deck(0..23).
void PrepareMonth(Game& game);
void DealDeck(Game& game);
void JudgeTefuda(Game& game);

}  // namespace pg
