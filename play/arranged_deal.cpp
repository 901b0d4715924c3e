// Card lists laid out as the deal hands the deck out: two to the hands, two to the table, in turn.
#include "play/arranged_deal.h"

#include <algorithm>
#include <set>

#include "engine/game.h"
#include "engine/text.h"
#include "play/deal.h"
#include "rules/capture.h"

namespace pg {

std::optional<std::array<CardCode, kCardCount>> ArrangedDeck(int oya, const CardList& player, const CardList& computer,
                                                             const CardList& table, const CardList& stock) {
  if (player.size() != 8 || computer.size() != 8 || table.size() != 8) return std::nullopt;
  std::set<int> used;
  for (const CardList* list : {&player, &computer, &table, &stock}) {
    for (const std::string& text : *list) {
      const CardCode code = CardCode::FromText(text);
      if (text.size() != 2 || !IsCard(code) || !used.insert(CardIndex(code)).second) return std::nullopt;
    }
  }
  std::array<CardCode, kCardCount> deck{};
  // Deck(0..23) goes out in pairs: hand, hand, table, the dealer's opponent's pair first.
  std::size_t next[3] = {0, 0, 0};
  for (int i = 0; i < kDealtCards; ++i) {
    const int p = i % 6;
    const CardList* list = &table;
    int k = 2;
    if (p != 2 && p != 3) {
      k = (i + 4 * oya) % 6 >= 4 ? 0 : 1;
      list = k == 0 ? &player : &computer;
    }
    deck[static_cast<std::size_t>(i)] = CardCode::FromText((*list)[next[k]++]);
  }
  std::size_t at = kDealtCards;
  for (const std::string& text : stock) deck[at++] = CardCode::FromText(text);
  for (int n = 0; n < kCardCount; ++n) {
    if (!used.count(n)) deck[at++] = CodeOf(n);
  }
  return deck;
}

bool DealArrangedMonth(Game& game, int oya, const CardList& player, const CardList& computer, const CardList& table,
               const CardList& stock) {
  const auto deck = ArrangedDeck(oya, player, computer, table, stock);
  if (!deck) return false;
  TableState& t = game.table;
  t.Oya = static_cast<std::int16_t>(oya);
  t.GameNum = 1;
  game.SetPhase(Phase::PlayerToPlay);
  t.matchScore = {};
  for (Label& score : game.board.Score) score.caption = Digits(0);
  PrepareMonth(game);
  std::copy(deck->begin(), deck->end(), t.Deck.begin());
  DealDeck(game);
  JudgeAifuda(game);
  return true;
}

}  // namespace pg
