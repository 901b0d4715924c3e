// Menu commands: the hover guard, and the rule dialog with the restart a change brings.
#include "play/menu.h"

#include <string>

#include "engine/game.h"
#include "play/setup.h"
#include "records/player_text.h"

namespace pg {

namespace {

constexpr int kGuardMs = 1000;

}  // namespace

void ArmMenuGuard(Game& game) {
  game.HelpJudge = false;
  game.platform.StartTimer(Timer::MenuGuard, kGuardMs);
}

void MenuGuardTimer_Timer(Game& game) {
  game.HelpJudge = true;
  game.platform.StopTimer(Timer::MenuGuard);
}

void ShowMenuDialog(Game& game, Dialog dialog) {
  ArmMenuGuard(game);
  game.platform.RunModal(dialog);
  ArmMenuGuard(game);
}

bool AgreeToStartAgain(const Game& game) {
  if (!MonthInPlay(game)) return true;
  const std::string text = Tr("対戦中の勝負を終了して、新しい勝負を始めますか。") + "\n" + Tr(kGivenUpMatch);
  return game.platform.ShowMessage(text, "Petalgame 32", MessageIcon::Question, MessageButtons::YesNoDefaultNo) ==
         MessageAnswer::Yes;
}

void MenuPlay(Game& game) {
  if (AgreeToStartAgain(game)) StartGame(game);
}

void MenuRule(Game& game) {
  game.rules.ChangeCheck = false;
  ShowMenuDialog(game, Dialog::Rule);
  if (!game.rules.ChangeCheck) return;
  game.rules.ChangeCheck = false;
  // Before the dealer is known nothing has started that a new rule could spoil.
  if (game.table.Phase > Phase::DealerKnown) StartGame(game);
}

void FormRuleOk(const Game& game) { game.platform.EndModal(Dialog::Rule); }

void MenuHelp(Game& game) {
  game.platform.ShowHelp("PG32v2.hlp");
  ArmMenuGuard(game);
}

void MenuInfo(Game& game) { ShowMenuDialog(game, Dialog::Version); }

void FormVersionOk(const Game& game) { game.platform.EndModal(Dialog::Version); }

}  // namespace pg
