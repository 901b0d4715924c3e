// What one card put into play does: lie on the table, take one, two-way choice, or take three.
#pragma once

#include <cstdint>

#include "engine/card.h"
#include "engine/turn_step.h"
#include "rules/play_steps.h"

namespace pg {

struct Game;
struct TableState;

// The card being played: its code, where its picture lies, and which picture shows it. The
// procedures move it along and hand the taken table cards through the same four values.
struct PlayedCard {
  CardCode code;
  std::int16_t x = 0;
  std::int16_t y = 0;
  std::int16_t pic = 0;
};

// The card of hand slot `slot` of `side`, or the top card of the stock, where it lies.
PlayedCard FromHand(const TableState& table, int side, int slot);
PlayedCard FromStock(const TableState& table);
// Turns the top stock card face up and plays it as `step`, the player's or the computer's stock
// card. StockLeft falls only once the caller knows the card is played out.
PlaySteps PlayStockCard(Game& game, TurnStep step);

// Cards in a side's capture pile of a class, by the yaku counts.
int PileSize(const TableState& table, int side, CardClass pile);

// Matches the card against the table and plays it out, unless two table cards of its month leave
// a choice open: then nothing has moved yet, and KeepChoice and JudgeOK finish the play.
PlaySteps JudgeSame(Game& game, PlayedCard card);
bool ChoiceOpen(const TableState& table);
// Of the two cards of an open choice, takes SameSlot[which].
void KeepChoice(TableState& table, int which);
PlaySteps JudgeOK(Game& game, PlayedCard card);
// Counts a captured card into its yaku groups and sends it to its pile.
void JudgeCard(Game& game, PlayedCard& card, PlaySteps& steps);
void JudgeAifuda(Game& game);

}  // namespace pg
