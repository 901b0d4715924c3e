// Playing a match: the deal, the legal moves, applying a move, and the end of a month and of the match.
#pragma once

#include <array>
#include <cstdint>

#include "engine/random.h"
#include "model/state.h"

namespace pg::model {

using Deck = std::array<std::uint8_t, kCardCount>;

// A match before its first deal: month 1, `firstDealer` deals, no points.
State NewMatch(const Rules& rules, int firstDealer);
// A deck in uniformly random order. The game's own shuffle (96 random swaps) is slower and no fairer.
Deck ShuffledDeck(Random& random);
// Deals the month from `deck` (positions 0..23 to the hands and the table, the rest the stock).
// A dealt-hand yaku (手四, くっつき) is paid at once and the month is over.
void Deal(State& s, const Deck& deck);
// After a month: on to the next one, or the match is over after the twelfth.
void NextMonth(State& s);

void LegalMoves(const State& s, MoveList& moves);
bool IsLegal(const State& s, Move move);
// Every card lies in exactly one place: a hand, the table, a side's captures, the stock still to
// turn or the stock card waiting for a choice.
bool CardsAccountedFor(const State& s);
bool CanKoiKoi(const State& s);
// Applies a legal move of the mover. A hand card is followed by the stock card at once, unless that
// needs a choice; a turn ends in a decision when it made a yaku, else the other side moves or the
// month ends with the hands.
void Apply(State& s, Move move, Trace* trace = nullptr);

}  // namespace pg::model
