// Worked out before the dialog opens, so the player reads both figures with the rows.
#include "play/counsel.h"

#include <optional>

#include "computer/advisor.h"
#include "computer/table_view.h"
#include "engine/game.h"
#include "model/cards.h"
#include "rules/win_dialog.h"
#include "records/player_text.h"

namespace pg {

namespace {

constexpr const char* kBetter = "◀";

}  // namespace

std::string CounselText(int stopPercent, int koikoiPercent) {
  const bool stopBetter = stopPercent >= koikoiPercent;
  return Fill(Tr("勝負：勝率 %1%2　こいこい：勝率 %3%4"), {std::to_string(stopPercent) + "%", stopBetter ? kBetter : "",
                                                           std::to_string(koikoiPercent) + "%", stopBetter ? "" : kBetter});
}

void OfferCounsel(Game& game) {
  const WinDialogState& dialog = game.agari;
  const TableState& t = game.table;
  if (!game.HintsOn() || t.WinCode != WinCode::Yaku || dialog.winner != 0 || !dialog.Command1[0].enabled) return;
  const model::State state = SeatState(t, game.rules, kPlayerSide, model::Stage::Decision,
                                       (t.Taken[0] & model::kAllCards) & ~game.takenAtTurnStart);
  const auto seed = static_cast<std::uint64_t>(game.adviceRandom.Uniform() * 0x1.0p53);
  std::optional<computer::Counsel> counsel;
  game.platform.Think(
      [&state, seed, &counsel] { counsel = computer::KoiKoiCounsel(state, seed, {computer::kAdvisorIterations}); });
  if (!counsel) return;
  SetCounsel(game.agari, CounselText(computer::Percent(counsel->stop), computer::Percent(counsel->koikoi)));
  game.assisted = true;
}

}  // namespace pg
