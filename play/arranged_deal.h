// Months dealt from card lists: the lesson's deals and the tests' alike.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/card.h"

namespace pg {

struct Game;

using CardList = std::vector<std::string>;

// The deck that deals `player`, `computer` and `table` (eight each) with `oya` dealing, its stock
// starting with `stock` and going on with the unused cards in card order. Nothing when a code is
// not a card, a card is named twice or a list is not eight long.
std::optional<std::array<CardCode, kCardCount>> ArrangedDeck(int oya, const CardList& player, const CardList& computer,
                                                             const CardList& table, const CardList& stock);

// Deals the first month of a match from the lists, with its card flights, as GameStart deals a
// shuffled one; false, and nothing dealt, when ArrangedDeck refuses them.
bool DealArrangedMonth(Game& game, int oya, const CardList& player, const CardList& computer, const CardList& table,
               const CardList& stock);

}  // namespace pg
