// A match started from a deal code: the code's source draws the first dealer, then every month's
// shuffle, and the dealer is announced instead of drawn.
#include "play/coded_match.h"

#include <ctime>
#include <string>

#include "engine/game.h"
#include "engine/geometry.h"
#include "engine/messages.h"
#include "play/level_setting.h"
#include "play/menu.h"
#include "play/setup.h"
#include "play/table_signs.h"
#include "records/player_text.h"

namespace pg {

namespace {

// After ClearForMatch: the table is clear and the match's level is known.
void DealFromCode(Game& game, DealCode code, const std::string& heading) {
  TableState& t = game.table;
  game.dealCode = code;
  game.dealRandom.Seed(code.Seed());
  t.Oya = static_cast<std::int16_t>(game.dealRandom.Below(2));
  const int size = LargeMessageSize(game);
  ShowCentredMessage(game, 0, heading, size, DrawPromptTop(t, 0));
  ShowCentredMessage(game, 1, Fill(Tr("配りコード　%1"), {code.Text()}), size, DrawPromptTop(t, 1));
  ShowCentredMessage(game, 4, t.Oya == 0 ? Tr("あなたが親です。") : Tr("ｃｏｍが親です。"), size, DrawResultTop(t, 0));
  const std::string level = Fill(game.dailyDate.empty() ? Tr("強さは「%1」です。") : Tr("強さは「%1」です（ヒントなし）。"),
                                 {LevelLabel(game.level)});
  ShowCentredMessage(game, 5, level, size, DrawResultTop(t, 1));
  game.SetPhase(Phase::DealerKnown);
  game.Notify(&GameObserver::DealerDecided, -1, -1);
  // Told after the watchers, who store a match this one cut short with its own mark.
  game.assisted = false;
  ShowTableSigns(game);
}

}  // namespace

bool StartCodedGame(Game& game, DealCode code) {
  if (!AgreeToStartAgain(game)) return false;
  ClearForMatch(game);
  DealFromCode(game, code, Tr("配りコードの対戦です。"));
  return true;
}

bool StartDailyGame(Game& game, const LocalDate& today) {
  if (!AgreeToStartAgain(game)) return false;
  ClearForMatch(game);
  // Set before the deal so that the watchers and the table's name see the daily match as it is.
  game.dailyDate = DateText(today);
  game.level = Level::Expert;
  game.board.LevelName.caption = LevelNameCaption(game.level);
  DealFromCode(game, DailyDealCode(today),
               Fill(Tr("今日の配り（%1月%2日）"), {std::to_string(today.month), std::to_string(today.day)}));
  return true;
}

LocalDate Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace pg
