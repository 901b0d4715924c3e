// The game's table as the model's state, seen from one seat (the computer's, or the player's for the
// advisor): what it holds, what lies open and what both sides took. Whatever else the state holds
// is only a guess: a level is given a View of it, which deals the cards it cannot see anew.
#pragma once

#include <optional>

#include "engine/random.h"
#include "engine/rule_settings.h"
#include "engine/side.h"
#include "engine/table_state.h"
#include "model/state.h"

namespace pg {

// `stage` is the computer's moment: Play before its hand card, StockChoice while its stock card
// waits between two table cards, Decision after its yaku. `turnTook` is what its turn has taken so far.
model::State ComputerState(const TableState& table, const RuleControls& rules, model::Stage stage,
                           model::CardSet turnTook);
// The same from `side`'s seat, that side to move.
model::State SeatState(const TableState& table, const RuleControls& rules, int side, model::Stage stage,
                       model::CardSet turnTook);

// The hand slot of the computer holding `card`, or none should no slot hold it.
std::optional<int> HandSlotOf(const TableState& table, int card);
// Of the two table cards of an open choice, 0 or 1 for the one that is `card`.
int ChoiceOf(const TableState& table, int card);

}  // namespace pg
