// The menu commands of the main window that open the game's dialogs.
#pragma once

#include "engine/platform.h"
#include "records/player_text.h"

namespace pg {

struct Game;

// For one second after a menu command the picture buttons ignore the pointer hovering over them.
void ArmMenuGuard(Game& game);
void MenuGuardTimer_Timer(Game& game);
// Shows a dialog of the menu with the guard armed, and armed again when it closes: the second it
// lasts is the second after the dialog, whose close leaves the pointer over the menu.
void ShowMenuDialog(Game& game, Dialog dialog);
// What becomes of a match given up, said wherever the player is asked to give one up.
inline constexpr const char* kGivenUpMatch = PG_TEXT("いまの対戦は中断として記録され、負けに数えられます。");
// Asks whether to give up the match being played for a new one; true when the player agrees.
bool AgreeToStartAgain(const Game& game);
// The play button: a new match, once the player agrees to give up the one being played.
void MenuPlay(Game& game);
// Shows the rule dialog; a change restarts a running match.
void MenuRule(Game& game);
// The rule dialog's "OK" and close box only hide it.
void FormRuleOk(const Game& game);
// Opens the help at its contents.
void MenuHelp(Game& game);
// The version dialog, whose "OK" and close box only hide it.
void MenuInfo(Game& game);
void FormVersionOk(const Game& game);

}  // namespace pg
