// Read from the table's slots with their counts, never trusting a slot past them.
#include "computer/table_view.h"

#include <algorithm>

#include "model/cards.h"
#include "model/month.h"
#include "model/rule_set.h"

namespace pg {

namespace {

void FillHand(model::State& s, const TableState& t, int side, int cards) {
  const auto k = static_cast<std::size_t>(side);
  int size = 0;
  for (int i = 0; i < cards && i < kHandSlots; ++i) {
    const CardCode code = t.HandCard[k][static_cast<std::size_t>(i)].code;
    if (!IsCard(code)) continue;
    const int card = CardIndex(code);
    s.hand[k] |= model::Bit(card);
    s.handOrder[k][static_cast<std::size_t>(size++)] = static_cast<std::uint8_t>(card);
  }
}

}  // namespace

model::State ComputerState(const TableState& t, const RuleControls& rules, model::Stage stage,
                           model::CardSet turnTook) {
  return SeatState(t, rules, kComputerSide, stage, turnTook);
}

model::State SeatState(const TableState& t, const RuleControls& rules, int side, model::Stage stage,
                       model::CardSet turnTook) {
  model::State s = model::NewMatch(model::RulesOf(rules), t.Oya);
  s.month = static_cast<std::int8_t>(t.GameNum);
  s.mover = static_cast<std::int8_t>(side);
  s.stage = stage;
  s.score = t.matchScore;
  s.koikoi = t.KoiKoi;
  s.captured = {t.Taken[0] & model::kAllCards, t.Taken[1] & model::kAllCards};
  s.turnTook = turnTook;
  FillHand(s, t, side, CardsInHand(t, side));
  FillHand(s, t, 1 - side, CardsInHand(t, 1 - side));
  // Slot order is table order: a card laid later lies in a higher slot.
  for (int slot = 0; slot < t.FieldCount && slot < kTableSlots; ++slot) {
    const CardCode code = t.FieldCard[static_cast<std::size_t>(slot)].code;
    if (!IsCard(code)) continue;
    const int card = CardIndex(code);
    s.table |= model::Bit(card);
    s.tableSlot[static_cast<std::size_t>(card)] = static_cast<std::uint8_t>(slot);
  }
  s.nextTableSlot = static_cast<std::uint8_t>(t.FieldCount);
  // The stock card waiting for a choice is still counted in StockLeft.
  const int pending = stage == model::Stage::StockChoice ? 1 : 0;
  const int left = std::clamp(t.StockLeft - pending, 0, model::kStockCards);
  for (int k = 0; k < model::kStockCards; ++k) {
    s.stock[static_cast<std::size_t>(k)] = model::CardOrNone(t.Deck[static_cast<std::size_t>(kDealtCards + k)]);
  }
  s.stockLeft = static_cast<std::uint8_t>(left);
  if (pending != 0) s.pendingCard = s.stock[static_cast<std::size_t>(model::kStockCards - 1 - left)];
  return s;
}

std::optional<int> HandSlotOf(const TableState& t, int card) {
  for (int i = 0; i < CardsInHand(t, kComputerSide) && i < kHandSlots; ++i) {
    const CardCode code = t.HandCard[kComputerSide][static_cast<std::size_t>(i)].code;
    if (IsCard(code) && CardIndex(code) == card) return i;
  }
  return std::nullopt;
}

int ChoiceOf(const TableState& t, int card) {
  const int slot = t.SameSlot[1];
  if (slot < 0 || slot >= kTableSlots) return 0;
  const CardCode second = t.FieldCard[static_cast<std::size_t>(slot)].code;
  return IsCard(second) && CardIndex(second) == card ? 1 : 0;
}

}  // namespace pg
