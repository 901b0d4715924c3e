// The computer's decisions: each is one call that reads the table and changes nothing, so the
// sequencer can make it, then show it.
#pragma once

namespace pg {

struct Game;
struct TableState;
class Random;

// The hand slot the computer plays from, by the capture search and, failing that, the discard search.
int ChooseHandSlot(const Game& game);
// Of the two table cards of an open choice, which one (0 or 1 of SameSlot) the computer takes.
int ChooseTableCard(const TableState& table);
// After a yaku of its own: true to stop the month (勝負), false to play on (こいこい).
bool ComputerStops(Random& random, const TableState& table);

}  // namespace pg
