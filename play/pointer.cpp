// Clicks reach the control under the pointer. An enabled card raises its click; an enabled label or
// picture has no click of its own and swallows it; a disabled control takes no input, so the click
// falls through to the table, as does a click on the table itself. The messages and the prompt say
// what the table is waiting for, so a click on them counts as one on the table.
#include "play/pointer.h"

#include "engine/game.h"
#include "play/match_inputs.h"

namespace pg {

// The mouse takes over from the keyboard: its cursor would only stand in the way.
void PointerPressed(Game& game, ControlId under) {
  game.pressed = under;
  game.keyCursor.shown = false;
}

void PointerReleased(Game& game, ControlId under) {
  const std::optional<ControlId> pressed = game.pressed;
  game.pressed.reset();
  if (pressed != under) return;
  const bool saysWhatComesNext = under.kind == ControlKind::Message || under.kind == ControlKind::Prompt;
  if (!game.board.TakesInput(under) || saysWhatComesNext) {
    PlayerClicksTable(game);
  } else if (under.kind == ControlKind::Card) {
    PlayerClicksCard(game, under.index);
  }
}

}  // namespace pg
