// The win dialog 「出来役」: lists the winner's yaku, the buttons to stop or play on, and the payment.
#include "rules/win_dialog.h"

#include <array>
#include <cstdint>
#include <numeric>
#include <string>

#include "engine/game.h"
#include "engine/text.h"
#include "rules/yaku.h"
#include "rules/yaku_score.h"
#include "records/player_text.h"

namespace pg {

namespace {

// The frame and the buttons count in pixels.
constexpr int kRowUnits = kWinRowTwips / kTwipsPerPixel;
constexpr int kBonusFrom = 7;
constexpr int kDealtHandPoints = 6;
constexpr int kDialogRows = 8;

constexpr const char* kPlayOn = PG_TEXT("こいこい");
constexpr const char* kStop = PG_TEXT("勝負");
constexpr const char* kOk = PG_TEXT("ＯＫ");
constexpr const char* kPlayerName = PG_TEXT("あなた");
constexpr const char* kComputerName = PG_TEXT("ｃｏｍ");
constexpr const char* kComputerPlaysOn = PG_TEXT("ｃｏｍはこいこいしました。");
constexpr const char* kComputerStopped = PG_TEXT("ｃｏｍは勝負しました。");
constexpr std::string_view kMon = PG_JAPANESE_DATA("文");
constexpr Rgb kPlayerColour{0, 0, 255};
constexpr Rgb kComputerColour{255, 0, 0};

void AddRow(WinDialogState& dialog) {
  dialog.height += kWinRowTwips;
  dialog.line1Y += kWinRowTwips;
  dialog.label1Top += kWinRowTwips;
  dialog.sumTop += kWinRowTwips;
  dialog.namHeight += kRowUnits;
  for (DialogButton& button : dialog.Command1) button.top += kRowUnits;
}

void SetRow(WinDialogState& dialog, int row, const YakuRow& yaku) {
  dialog.yakunam[row] = yaku.name;
  dialog.yakuten[row] = yaku.pointsText;
  dialog.rowVisible[row] = true;
}

void ShowButton(DialogButton& button, const char* caption, WinChoice role) {
  button.caption = Tr(caption);
  button.role = role;
  button.enabled = true;
  button.visible = true;
}

void NameWinner(WinDialogState& dialog, int side) {
  dialog.winner = static_cast<std::int16_t>(side);
  dialog.nam = Tr(side == 0 ? kPlayerName : kComputerName);
  dialog.namColor = side == 0 ? kPlayerColour : kComputerColour;
}

struct Listed {
  int rows = 0;
  int total = 0;
};

// Fills the rows of a yaku win and adds up the points they show.
Listed ListYaku(Game& game, int winner) {
  WinDialogState& dialog = game.agari;
  std::array<int, kYakuGroups> points{};
  int rows = 0;
  for (YakuGroup group : kAllYakuGroups) {
    if (game.table.YakuCount[winner][group] < YakuThreshold(group)) continue;
    AddRow(dialog);
    // The pair of ribbon sets is one row in place of 赤短; its own row stays empty, so it is
    // neither counted nor entered among the best months, but the layout keeps its growth.
    // The 赤短 row it replaces must be listed already; anything else would write before row 0.
    const bool merged = group == YakuGroup::Aotan && BothRibbonSets(game, winner) && rows > 0;
    const int row = merged ? rows - 1 : rows;
    const YakuRow yaku = ScoreRow(game, winner, group);
    SetRow(dialog, row, yaku);
    points[row] = yaku.points;
    if (!merged) ++rows;
  }
  return {rows, std::accumulate(points.begin(), points.end(), 0)};
}

void YakuWin(Game& game) {
  WinDialogState& dialog = game.agari;
  const int winner = WinnerOf(game.table);
  auto [rows, total] = ListYaku(game, winner);
  // No multiplier for an earlier こいこい: only the 7文 bonus doubles.
  if (total >= kBonusFrom) {
    AddRow(dialog);
    dialog.bonusTop = kWinFirstRowTwips + rows * kWinRowTwips;
    dialog.bonusVisible = true;
    total *= 2;
  }
  dialog.total = static_cast<std::int16_t>(total);
  dialog.sum = NumText(total) + std::string(kMon);
  dialog.note = Digits(total);

  NameWinner(dialog, winner);
  if (winner == 0) {
    // The dealt-hand and dealer's-right dialogs relabel button 0, so both captions are set afresh.
    ShowButton(dialog.Command1[0], kPlayOn, WinChoice::PlayOn);
    ShowButton(dialog.Command1[1], kStop, WinChoice::Stop);
    if (CardsInHand(game.table, 0) == 0) dialog.Command1[0].enabled = false;
  }
}

// Dealer's right and dealt-hand yaku: one row, one ＯＫ, and the month ends whatever is clicked.
void SingleRowWin(Game& game, const std::string& name, int points) {
  WinDialogState& dialog = game.agari;
  TableState& table = game.table;
  AddRow(dialog);
  SetRow(dialog, 0, {name, points, Digits(points) + std::string(kMon)});
  ShowButton(dialog.Command1[0], kOk, WinChoice::Stop);
  dialog.total = static_cast<std::int16_t>(points);
  dialog.sum = Digits(points) + std::string(kMon);
  dialog.note = Digits(points);
  const int winner = WinnerOf(table);
  NameWinner(dialog, winner);
  table.Oya = static_cast<std::int16_t>(winner);
}

}  // namespace

std::string ShownYakuName(const std::string& name) { return Tr(name.c_str()); }

std::string ShownPoints(std::string_view text) {
  if (!text.ends_with(kMon)) return std::string(text);
  return Fill(Tr("%1文"), {text.substr(0, text.size() - kMon.size())});
}

void EraseFormAgari(Game& game) {
  WinDialogState& dialog = game.agari;
  const WinDialogState empty;
  dialog.height = empty.height;
  dialog.line1Y = empty.line1Y;
  dialog.label1Left = empty.label1Left;
  dialog.label1Top = empty.label1Top;
  dialog.namHeight = empty.namHeight;
  dialog.sumLeft = empty.sumLeft;
  dialog.sumTop = empty.sumTop;
  dialog.bonusVisible = false;
  dialog.decision.clear();
  dialog.counsel.clear();
  for (DialogButton& button : dialog.Command1) {
    button.top = empty.Command1[0].top;
    button.enabled = false;
    button.visible = false;
  }
  for (int row = 0; row < kDialogRows; ++row) {
    dialog.yakunam[row].clear();
    dialog.yakuten[row].clear();
    dialog.rowVisible[row] = false;
  }
}

void FillAgari(Game& game) {
  EraseFormAgari(game);
  // A choice left from the previous dialog must not decide this one.
  game.agari.check = WinChoice::None;
  const WinCode code = game.table.WinCode;
  if (code == WinCode::Yaku) {
    YakuWin(game);
  } else if (code == WinCode::DealerRight) {
    SingleRowWin(game, PG_TEXT("親権"), 1);
  } else if (IsDealtHandYaku(code)) {
    SingleRowWin(game, IsTeshi(code) ? PG_TEXT("手四") : PG_TEXT("くっつき"), kDealtHandPoints);
  }
}

bool ComputerDecides(const TableState& table) { return table.WinCode == WinCode::Yaku && WinnerOf(table) == 1; }

void SetComputerDecision(WinDialogState& dialog, bool stops) {
  if (stops) {
    ShowButton(dialog.Command1[2], kStop, WinChoice::Stop);
  } else {
    ShowButton(dialog.Command1[2], kPlayOn, WinChoice::PlayOn);
  }
  // The decision is said in words as well, on a row of its own above the button.
  dialog.decision = Tr(stops ? kComputerStopped : kComputerPlaysOn);
  dialog.height += kWinRowTwips;
  dialog.Command1[2].top += kRowUnits;
}

void SetCounsel(WinDialogState& dialog, const std::string& text) {
  dialog.counsel = text;
  dialog.height += kWinRowTwips;
  for (DialogButton& button : dialog.Command1) button.top += kRowUnits;
}

bool CloseAgari(Game& game) {
  TableState& table = game.table;
  const bool playsOn = table.WinCode == WinCode::Yaku && game.agari.check != WinChoice::Stop;
  if (!playsOn) {
    game.SetPhase(Phase::MonthOver);
    table.Oya = game.agari.winner;
  }
  table.WinCode = WinCode::None;
  return playsOn;
}

int WinnerOf(const TableState& table) {
  switch (table.WinCode) {
    case WinCode::Yaku:
      return MoverOf(table.TurnStep);
    case WinCode::NonDealerKuttsuki:
    case WinCode::NonDealerTeshi:
      return 1 - table.Oya;
    default:
      return table.Oya;
  }
}

bool PlaysOn(const WinDialogState& dialog, int index) { return dialog.Command1.at(index).role == WinChoice::PlayOn; }

void PayOne(Game& game, int paid) {
  WinDialogState& dialog = game.agari;
  std::int16_t& score = game.table.matchScore[dialog.winner];
  ++score;
  // Score(1) shows the player's total, Score(0) the computer's.
  game.board.Score[1 - dialog.winner].caption = NumText(score);
  dialog.sum = NumText(dialog.total - paid) + std::string(kMon);
}

}  // namespace pg
