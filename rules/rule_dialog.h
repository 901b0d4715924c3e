// The rule dialog 「ルールの変更」: its buttons and spin controls, which are the rules themselves.
#pragma once

namespace pg {

struct Game;

// The rows of the dialog, in the order of their button pairs.
enum class RuleRow { Hanami = 0, Tsukimi = 1, OyaRight = 2, Kiku = 3 };

// A button of a pair took the focus (a click selects it): any touch counts as a change, even of the
// button already selected.
void RuleOptionFocus(Game& game, RuleRow row, int index);
// A spin control moved to `value` (1 to 5).
void RuleScrollChange(Game& game, int index, int value);

}  // namespace pg
