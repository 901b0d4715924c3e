// The search is asked once per choice; its root moves are read per card. A card stands for the
// move the search tried most with it, which is the move it would play with that card.
#include "computer/advisor.h"

#include <algorithm>
#include <cmath>

#include "computer/ismcts.h"
#include "computer/win_chance.h"
#include "engine/random.h"
#include "model/month.h"
#include "model/view.h"

namespace pg::computer {

namespace {

// The search runs on a guess: whatever the state holds of the hidden cards is dealt anew first.
std::vector<RootMove> SearchFromSeat(const model::State& s, std::uint64_t seed, const SearchBudget& budget) {
  Random random(seed);
  const model::View view(s, s.mover, random);
  return IsmctsRootMoves(view.Guess(), seed, budget);
}

std::uint8_t ChosenCard(const model::State& s, const model::Move& move, bool byTake) {
  if (byTake || s.stage == model::Stage::StockChoice) return move.take;
  return move.card;
}

}  // namespace

std::vector<CardChance> CardChances(const model::State& s, std::uint64_t seed, const SearchBudget& budget,
                                    std::optional<std::uint8_t> playedCard) {
  std::vector<CardChance> cards;
  if (s.stage != model::Stage::Play && s.stage != model::Stage::StockChoice) return cards;
  const std::vector<RootMove> moves = SearchFromSeat(s, seed, budget);
  std::vector<int> visits;
  for (const RootMove& root : moves) {
    if (playedCard && (root.move.card != *playedCard || root.move.take == model::kNoCard)) continue;
    const std::uint8_t card = ChosenCard(s, root.move, playedCard.has_value());
    const auto it = std::find_if(cards.begin(), cards.end(), [card](const CardChance& c) { return c.card == card; });
    if (it == cards.end()) {
      cards.push_back({card, root.chance, cards.empty()});
      visits.push_back(root.visits);
    } else if (root.visits > visits[static_cast<std::size_t>(it - cards.begin())]) {
      it->chance = root.chance;
      visits[static_cast<std::size_t>(it - cards.begin())] = root.visits;
    }
  }
  return cards;
}

std::optional<Counsel> KoiKoiCounsel(const model::State& s, std::uint64_t seed, const SearchBudget& budget) {
  if (s.stage != model::Stage::Decision || !model::CanKoiKoi(s)) return std::nullopt;
  model::State stopped = s;
  model::Apply(stopped, {model::MoveKind::Stop});
  Counsel counsel;
  counsel.stop = WinChanceFor(s.rules).AfterMonth(stopped, s.mover);
  for (const RootMove& root : SearchFromSeat(s, seed, budget)) {
    if (root.move.kind == model::MoveKind::KoiKoi) counsel.koikoi = root.chance;
  }
  return counsel;
}

int Percent(double chance) { return static_cast<int>(std::lround(std::clamp(chance, 0.0, 1.0) * 100)); }

}  // namespace pg::computer
