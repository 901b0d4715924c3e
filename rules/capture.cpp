// Matching a played card against the table, counting captures into yaku groups, closing the table.
#include "rules/capture.h"

#include <algorithm>

#include "engine/check.h"
#include "engine/game.h"
#include "engine/geometry.h"
#include "engine/yaku_cards.h"
#include "rules/yaku.h"

namespace pg {

namespace {

void Count(Game& game, int side, YakuGroup group, int amount = 1) {
  game.table.YakuCount[side][group] = static_cast<std::int16_t>(game.table.YakuCount[side][group] + amount);
  JudgeYaku(game, side, group);
}

void Fly(PlaySteps& steps, const PlayedCard& card, Point to) {
  steps.push_back(PlayStep::Fly(card.pic, {card.x, card.y}, to));
}

// Takes the table card of slot s into `card`, leaving "FF", and sends it to its pile.
void TakeSlot(Game& game, PlayedCard& card, int s, PlaySteps& steps) {
  TableState& t = game.table;
  card.code = t.FieldCard[s].code;
  card.pic = t.FieldCard[s].pic;
  t.FieldCard[s] = kTakenSlot;
  const Point at = TableSlotPosition(t, s);
  card.x = at.x;
  card.y = at.y;
  JudgeCard(game, card, steps);
}

// Slots 0 .. span - 1 are every slot that held a card during this play; the cards that stay keep
// their order, so slots 0 .. FieldCount - 1 hold exactly the table.
void CloseGaps(TableState& t, int span, PlaySteps& steps) {
  if (t.FieldCount >= span) return;
  int kept = 0;
  for (int j = 0; j < span; ++j) {
    if (t.FieldCard[j].code != kEmptySlot) t.FieldCard[kept++] = t.FieldCard[j];
  }
  for (int j = kept; j < span; ++j) t.FieldCard[j] = kTakenSlot;
  for (int s = 0; s < t.FieldCount; ++s) {
    steps.push_back(PlayStep::Place(t.FieldCard[s].pic, TableSlotPosition(t, s)));
  }
}

}  // namespace

PlayedCard FromHand(const TableState& table, int side, int slot) {
  const Slot& held = table.HandCard[side][slot];
  const Point at = HandSlotPosition(table, side, slot);
  return {held.code, at.x, at.y, held.pic};
}

PlayedCard FromStock(const TableState& table) {
  // The stock is never turned empty: a month ends with cards left in it.
  PG_CHECK(table.StockLeft > 0 && table.StockLeft <= kCardCount);
  const int top = std::clamp(kCardCount - table.StockLeft, 0, kCardCount - 1);
  const Point pile = StockPosition(table, top);
  return {table.Deck[top], pile.x, pile.y, static_cast<std::int16_t>(top)};
}

PlaySteps PlayStockCard(Game& game, TurnStep step) {
  TableState& t = game.table;
  t.TurnStep = step;
  t.FieldCountBefore = t.FieldCount;
  const PlayedCard card = FromStock(t);
  PlaySteps steps{PlayStep::FaceUp(card.pic, card.code)};
  const PlaySteps played = JudgeSame(game, card);
  steps.insert(steps.end(), played.begin(), played.end());
  return steps;
}

PlaySteps JudgeSame(Game& game, PlayedCard card) {
  TableState& t = game.table;
  t.SameNum = 0;
  t.chosen = CardCode();
  for (int s = 0; s < t.FieldCount; ++s) {
    if (SameMonth(t.FieldCard[s].code, card.code)) t.SameSlot[t.SameNum++] = static_cast<std::int16_t>(s);
  }
  if (ChoiceOpen(t)) return {};
  PlaySteps steps;
  if (t.SameNum == 0) {
    const int s = t.FieldCount;
    t.FieldCard[s] = {card.code, card.pic};
    ++t.FieldCount;
    Fly(steps, card, TableSlotPosition(t, s));
  }
  const PlaySteps played = JudgeOK(game, card);
  steps.insert(steps.end(), played.begin(), played.end());
  return steps;
}

bool ChoiceOpen(const TableState& table) { return table.SameNum == 2; }

void KeepChoice(TableState& table, int which) {
  if (which == 1) table.SameSlot[0] = table.SameSlot[1];
  table.SameNum = 1;
  const int slot = table.SameSlot[0];
  if (slot >= 0 && slot < kTableSlots) table.chosen = table.FieldCard[static_cast<std::size_t>(slot)].code;
}

PlaySteps JudgeOK(Game& game, PlayedCard card) {
  TableState& t = game.table;
  PlaySteps steps;
  const CardCode played = card.code;
  const int span = t.FieldCountBefore + (t.SameNum == 0 ? 1 : 0);
  if (t.SameNum == 1 || t.SameNum == 3) {
    const int slot = t.SameSlot[0];
    const Point at = TableSlotPosition(t, slot);
    Fly(steps, card, at);
    card.x = at.x;
    card.y = at.y;
    JudgeCard(game, card, steps);
    --t.FieldCount;
    TakeSlot(game, card, slot, steps);
  }
  if (t.SameNum == 3) {
    for (int i = 1; i <= 2; ++i) {
      --t.FieldCount;
      TakeSlot(game, card, t.SameSlot[i], steps);
    }
  }
  // All four cards of a month dealt to the table go to the dealer with its first hand card.
  if (!IsStockPlay(t.TurnStep) && t.HandLeft == 15) {
    for (int m = 1; m <= 12; ++m) {
      if (t.FieldMonth[m - 1] != 4) continue;
      for (int j = 0; j < t.FieldCountBefore; ++j) {
        if (MonthOf(t.FieldCard[j].code) == m) TakeSlot(game, card, j, steps);
      }
      t.FieldCount = static_cast<std::int16_t>(t.FieldCount - 4);
    }
  }
  CloseGaps(t, span, steps);
  steps.push_back(PlayStep::Finished(played));
  return steps;
}

int PileSize(const TableState& table, int side, CardClass pile) {
  const auto& counts = table.YakuCount[side];
  switch (pile) {
    case CardClass::Bright:
      // Each bright counts 2 but the rain bright 1, so halving rounds the rain bright up to a card.
      return (counts[YakuGroup::Hikari] + 1) / 2;
    case CardClass::Animal:
      return counts[YakuGroup::Tane];
    case CardClass::Ribbon:
      return counts[YakuGroup::Tan];
    default:
      return counts[YakuGroup::Kasu];
  }
}

void JudgeCard(Game& game, PlayedCard& card, PlaySteps& steps) {
  TableState& t = game.table;
  const RuleControls& rules = game.rules;
  const int w = MoverOf(t.TurnStep);
  const CardCode code = card.code;
  using enum YakuGroup;
  // The sake cup lies with the chaff when the rule counts it there, and still counts for 花見 and 月見.
  const CardClass pile = ClassOf(code, rules.KikuAsChaff());
  switch (ClassOf(code, false)) {
    case CardClass::Bright:
      Count(game, w, Hikari, code == kRainBright ? kRainBrightWeight : kBrightWeight);
      if (rules.HanamiOn() && code == kHanamiBright) {
        Count(game, w, Hanami);
      } else if (rules.TsukimiOn() && code == kTsukimiBright) {
        Count(game, w, Tsukimi);
      }
      break;
    case CardClass::Animal:
      Count(game, w, pile == CardClass::Chaff ? Kasu : Tane);
      if (code == kSakeCup) {
        if (rules.HanamiOn()) Count(game, w, Hanami);
        if (rules.TsukimiOn()) Count(game, w, Tsukimi);
      }
      if (IsOneOf(code, kInoShikaChoCards)) Count(game, w, InoShikaCho);
      break;
    case CardClass::Ribbon:
      Count(game, w, Tan);
      if (IsOneOf(code, kAkatanCards)) {
        Count(game, w, Akatan);
      } else if (IsOneOf(code, kAotanCards)) {
        Count(game, w, Aotan);
      }
      break;
    case CardClass::Chaff:
      Count(game, w, Kasu);
      break;
  }
  t.Taken[w] |= std::uint64_t{1} << CardIndex(code);
  steps.push_back(PlayStep::Captured(w, code));
  // The card is counted before it flies, so it lands on the place its count gives it.
  Fly(steps, card, CapturePilePosition(t, w, pile, PileSize(t, w, pile) - 1));
}

void JudgeAifuda(Game& game) {
  TableState& t = game.table;
  for (int i = 0; i < CardsInHand(t, 0); ++i) {
    for (int j = 0; j < t.FieldCount; ++j) {
      if (SameMonth(t.HandCard[0][i].code, t.FieldCard[j].code)) game.board.PG[i].visible = true;
    }
  }
}

}  // namespace pg
