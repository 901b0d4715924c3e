// A stored month with a bad move planted among the player's, for the tests of 振り返り.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "computer/ismcts.h"
#include "engine/card.h"
#include "model/month.h"
#include "model/policy.h"
#include "records/history_match.h"

namespace pg::test {

inline std::string Code(std::uint8_t card) { return CodeOf(card).Text(); }

// A month the designed player plays from `seed`, stored as the recorder stores one, but for the
// player's `planted`-th choice of a hand card: there it plays the move the search rates worst.
// The month is the match's last, so every point of it counts.
struct Planted {
  HistoryMatch match;
  int move = -1;
  model::Move played;
};

inline Planted PlantedMonth(std::uint64_t seed, int planted) {
  Planted result;
  Random random(seed);
  model::State s = model::NewMatch(model::MakeRules(true, true, false, false, 5, 5), 0);
  s.month = model::kMonths;
  model::Deal(s, model::ShuffledDeck(random));
  HistoryMonth month;
  month.month = model::kMonths;
  month.dealer = 0;
  std::vector<std::uint8_t> table;
  model::ForEachCard(s.table, [&](int card) { table.push_back(static_cast<std::uint8_t>(card)); });
  std::sort(table.begin(), table.end(), [&](int a, int b) { return s.tableSlot[a] < s.tableSlot[b]; });
  for (std::uint8_t card : table) month.table.push_back(Code(card));
  for (int side = 0; side < 2; ++side) {
    for (int i = 0; i < model::kHandCards; ++i) month.hands[side].push_back(Code(s.handOrder[side][i]));
  }
  for (std::uint8_t card : s.stock) month.stock.push_back(Code(card));
  int choices = 0;
  while (s.stage == model::Stage::Play || s.stage == model::Stage::StockChoice || s.stage == model::Stage::Decision) {
    model::Move move = model::DesignedMove(s, random);
    if (s.stage == model::Stage::Decision) {
      month.calls.push_back({s.mover, move.kind == model::MoveKind::KoiKoi ? CallKind::KoiKoi : CallKind::Shoubu});
    } else if (s.stage == model::Stage::Play && s.mover == 0 && choices++ == planted) {
      const std::vector<computer::RootMove> roots = computer::IsmctsRootMoves(s, seed, {4000});
      move = std::min_element(roots.begin(), roots.end(), [](const computer::RootMove& a, const computer::RootMove& b) {
               return a.chance < b.chance;
             })->move;
      result.move = static_cast<int>(month.moves.size());
      result.played = move;
    }
    const std::string chosen = move.take == model::kNoCard ? "" : Code(move.take);
    const bool stockChoice = s.stage == model::Stage::StockChoice;
    if (move.kind != model::MoveKind::Stop && move.kind != model::MoveKind::KoiKoi) {
      month.moves.push_back({s.mover, stockChoice, Code(move.card), chosen, {}});
    }
    const int mover = s.mover;
    model::Trace trace;
    model::Apply(s, move, &trace);
    // A stock card with no choice is played out with the hand card.
    if (move.kind == model::MoveKind::Play && s.stage != model::Stage::StockChoice &&
        trace.stockCard != model::kNoCard) {
      month.moves.push_back({mover, true, Code(trace.stockCard), "", {}});
    }
  }
  result.match.months = {month};
  return result;
}

}  // namespace pg::test
