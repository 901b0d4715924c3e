// What one card put into play does: lie on the table, take one, two-way choice, or take three.
#pragma once

#include <cstdint>

#include "engine/card.h"

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
// Turns the top stock card face up and plays it as play `turnStep` (2 the player's, 3 the
// computer's). StockLeft falls only once the caller knows the card is played out.
void PlayStockCard(Game& game, int turnStep);

// Cards in a side's capture pile of a class, by the yaku counts.
int PileSize(const TableState& table, int side, CardClass pile);

void JudgeSame(Game& game, PlayedCard& card);
void JudgeOK(Game& game, PlayedCard& card);
void JudgeCard(Game& game, PlayedCard& card);
void JudgeAifuda(Game& game);

}  // namespace pg
