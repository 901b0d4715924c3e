// The win dialog shown and answered. The computer's こいこい or 勝負 is decided before the dialog
// opens, so the dialog shows it and the player only acknowledges it.
#include "play/agari.h"

#include <algorithm>

#include "engine/game.h"
#include "play/computer_turn.h"
#include "play/counsel.h"
#include "play/match_inputs.h"
#include "play/table_signs.h"
#include "rules/win_dialog.h"

namespace pg {

namespace {

constexpr int kAgariTimerMs = 700;
// The payment runs one 文 a step, slowly enough to follow, and a long one still ends within
// about a second and a half.
constexpr int kSlowestPayStepMs = 120;
constexpr int kLongestPaymentMs = 1400;

// A dealt-hand yaku of either side is proved by the computer's hand, turned up before the dialog.
void ShowComputerHand(Game& game) {
  const TableState& table = game.table;
  for (int k = 0; k < CardsInHand(table, 1); ++k) {
    const Slot& slot = table.HandCard[1][k];
    if (slot.pic != kNoPicture) game.board.Card.at(slot.pic).cell = static_cast<std::int16_t>(CellOf(slot.code));
  }
  game.platform.Redraw();
}

}  // namespace

void Agari(Game& game, std::optional<bool> computerStops) {
  if (IsDealtHandYaku(game.table.WinCode)) ShowComputerHand(game);
  FillAgari(game);
  if (ComputerDecides(game.table)) {
    SetComputerDecision(game.agari, computerStops ? *computerStops : ComputerStopsAtLevel(game));
  }
  OfferCounsel(game);
  game.platform.RunModal(Dialog::Agari);
  if (CloseAgari(game)) {
    // A yaku played on from is こいこい: the table marks it and the levels weigh the month by it.
    const int side = game.agari.winner;
    game.table.KoiKoi.at(static_cast<std::size_t>(side)) = true;
    MarkKoiKoi(game, side);
  }
}

void AgariCommandClick(Game& game, int index) {
  WinDialogState& dialog = game.agari;
  // The choice is final once made: a second click while the dialog closes would pay twice or
  // take back a 勝負 that has already been paid. It is made before the payment runs, because a
  // click can still arrive while each 文 is shown (a button's delayed click from the keyboard).
  if (dialog.timerEnabled || dialog.check != WinChoice::None) return;
  NoteWinButton(game, index);
  if (PlaysOn(dialog, index)) {
    dialog.check = WinChoice::PlayOn;
  } else {
    dialog.check = WinChoice::Stop;
    const int total = dialog.total;
    const int stepMs = total > 0 ? std::min(kSlowestPayStepMs, kLongestPaymentMs / total) : 0;
    for (int paid = 1; paid <= total; ++paid) {
      PayOne(game, paid);
      game.platform.ShowPaced(stepMs);
    }
  }
  dialog.timerEnabled = true;
  game.platform.StartTimer(Timer::Agari, kAgariTimerMs);
}

void AgariTimerTick(Game& game) {
  game.agari.timerEnabled = false;
  game.platform.StopTimer(Timer::Agari);
  game.platform.EndModal(Dialog::Agari);
}

}  // namespace pg
