// Months dealt to card lists built at run time, and deals in which one side takes chosen cards.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "engine/game.h"
#include "play/arranged_deal.h"
#include "rules/capture.h"

namespace pg::test {

using Cards = CardList;

// As GameTest::DealArranged, for lists built at run time: the stock starts with `stock` and goes
// on with the unused cards in card order.
inline void DealCards(Game& game, int oya, const Cards& player, const Cards& computer, const Cards& table,
                      const Cards& stock) {
  ASSERT_TRUE(DealArrangedMonth(game, oya, player, computer, table, stock)) << "a card dealt twice, or a list not 8 long";
}

// One side's turn that takes chosen cards and nothing else: `taker` (0 the player, 1 the
// computer) plays `hand`, which takes `handTakes` from the table, then turns up `stock` (if any),
// which takes `stockTakes`. The other cards dealt are of months that nothing can take, so the
// taker's counts after its turn come from these cards alone.
struct TakingTurn {
  int taker = 0;
  std::string hand;
  Cards handTakes;
  std::string stock;
  Cards stockTakes;
};

// Deals the turn's month; the taker deals, so the computer's turn is its opening turn. The
// taker's hand card lies in its last slot, where the computer's choice meets it last.
inline void DealTakingTurn(Game& game, const TakingTurn& turn) {
  auto month = [](const std::string& code) { return MonthOf(CardCode::FromText(code)); };
  auto card = [](int m, int rank) { return std::string{HexDigit(m), static_cast<char>('0' + rank)}; };
  std::set<int> taken{month(turn.hand)};
  if (!turn.stock.empty()) taken.insert(month(turn.stock));
  std::vector<int> other;
  for (int m = 1; m <= 12; ++m) {
    if (!taken.count(m)) other.push_back(m);
  }
  ASSERT_GE(other.size(), 10u);
  Cards table = turn.handTakes;
  table.insert(table.end(), turn.stockTakes.begin(), turn.stockTakes.end());
  // Fillers of three months at most three each: no four of a month lie on the table.
  for (int k = 0; table.size() < 8; ++k) table.push_back(card(other[static_cast<std::size_t>(k / 3)], k % 3 + 1));
  Cards stock;
  if (!turn.stock.empty()) stock.push_back(turn.stock);
  stock.push_back(card(other[3], 1));
  stock.push_back(card(other[4], 1));
  // Three pairs at most in either hand, and no month held four times: no dealt-hand yaku.
  Cards takerHand = {card(other[5], 1), card(other[5], 2), card(other[6], 1), card(other[6], 2),
                     card(other[7], 1), card(other[7], 2), card(other[8], 1), turn.hand};
  Cards otherHand = {card(other[5], 3), card(other[5], 4), card(other[6], 3), card(other[7], 3),
                     card(other[8], 2), card(other[9], 1), card(other[9], 2), card(other[9], 3)};
  if (turn.taker == 0) {
    DealCards(game, 0, takerHand, otherHand, table, stock);
  } else {
    DealCards(game, 1, otherHand, takerHand, table, stock);
  }
}

// The picture that shows a card this month: Card(i) shows deck position i.
inline int PictureOf(const Game& game, const std::string& code) {
  const CardCode wanted = CardCode::FromText(code);
  for (int i = 0; i < kCardCount; ++i) {
    if (game.table.Deck[i] == wanted) return i;
  }
  ADD_FAILURE() << code << " is not in the deck";
  return 0;
}

}  // namespace pg::test
