// Follows a match as it is played and stores it in history.db once it ends or is abandoned.
#include "play/match_recorder.h"

#include <chrono>
#include <ctime>

#include "engine/game.h"
#include "rules/yaku.h"
#include "rules/yaku_score.h"
#include "records/player_text.h"

namespace pg {

namespace {

constexpr const char* kTitle = "Petalgame 32";

std::string UtcNow() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

std::vector<StoredCard> Codes(const auto& slots, int count) {
  std::vector<StoredCard> codes;
  for (int i = 0; i < count; ++i) codes.push_back(slots[i].code.Text());
  return codes;
}

// The rows of a yaku win as its dialog listed them: the pair of ribbon sets is one row in place of 赤短.
std::vector<HistoryYaku> YakuRows(const Game& game, int side) {
  std::vector<HistoryYaku> rows;
  for (YakuGroup group : kAllYakuGroups) {
    if (game.table.YakuCount[side][group] < YakuThreshold(group)) continue;
    const YakuRow row = ScoreRow(game, side, group);
    if (group == YakuGroup::Aotan && BothRibbonSets(game, side) && !rows.empty()) rows.pop_back();
    rows.push_back({side, row.name, row.points});
  }
  return rows;
}

}  // namespace

void MatchRecorder::DealerDecided(int, int) {
  // A dealer draw with a match still under way means the player started a new one.
  if (match_) Store(MatchOutcome::Abandoned);
  // While the first look at the file is still under way the match goes on: it is stored at its end.
  if (!database_ && !HistoryOpenedAhead::StillOpening(historyPath_)) OpenDatabase();
  match_.emplace();
  match_->startedAt = UtcNow();
  match_->rules = SettingsOf(game_.rules);
  match_->level = StoredName(game_.level);
  match_->dealCode = game_.dealCode ? game_.dealCode->Text() : std::string();
  match_->dailyDate = game_.dailyDate;
}

void MatchRecorder::Dealt() {
  const TableState& t = game_.table;
  if (!match_) DealerDecided(0, 0);
  HistoryMonth month;
  month.month = t.GameNum;
  month.dealer = t.Oya;
  month.table = Codes(t.FieldCard, t.FieldCount);
  for (int side = 0; side < 2; ++side) month.hands[side] = Codes(t.HandCard[side], kHandSlots);
  for (int i = kDealtCards; i < kCardCount; ++i) month.stock.push_back(t.Deck[i].Text());
  match_->months.push_back(std::move(month));
  captured_.clear();
}

void MatchRecorder::Captured(int, CardCode code) { captured_.push_back(code); }

void MatchRecorder::PlayFinished(CardCode card) {
  if (!match_ || match_->months.empty()) return;
  const TableState& t = game_.table;
  HistoryMove move;
  move.side = MoverOf(t.TurnStep);
  move.fromStock = IsStockPlay(t.TurnStep);
  move.card = card.Text();
  for (CardCode code : captured_) {
    if (code != card) move.taken.push_back(code.Text());
  }
  captured_.clear();
  // The choice as it was made, not worked out from what was taken.
  move.chosen = t.chosen.Text();
  Month().moves.push_back(std::move(move));
}

void MatchRecorder::AgariClosed(WinCode code, int) {
  if (!match_ || match_->months.empty()) return;
  const WinDialogState& dialog = game_.agari;
  HistoryMonth& month = Month();
  const int winner = dialog.winner;
  const bool stopped = dialog.check == WinChoice::Stop;
  if (code == WinCode::Yaku) {
    month.calls.push_back({winner, stopped ? CallKind::Shoubu : CallKind::KoiKoi, dialog.total, dialog.bonusVisible,
                           stopped ? CallOutcome::Won : CallOutcome::NoWin});
    if (stopped) month.yaku = YakuRows(game_, winner);
  } else {
    const char* name = code == WinCode::DealerRight ? PG_JAPANESE_DATA("親権")
                       : IsTeshi(code)                ? PG_JAPANESE_DATA("手四")
                                                      : PG_JAPANESE_DATA("くっつき");
    month.yaku = {{winner, name, dialog.total}};
  }
  if (stopped || code != WinCode::Yaku) {
    month.winner = winner;
    month.payment = dialog.total;
  }
}

void MatchRecorder::MonthEnded() {
  if (!match_ || match_->months.empty()) return;
  HistoryMonth& month = Month();
  for (HistoryCall& call : month.calls) {
    if (call.kind != CallKind::KoiKoi || month.winner < 0) continue;
    call.outcome = call.side == month.winner ? CallOutcome::Won : CallOutcome::Lost;
  }
}

void MatchRecorder::MatchEnded() {
  if (!match_) return;
  const auto& score = game_.table.matchScore;
  Store(score[0] > score[1] ? MatchOutcome::Won : score[0] < score[1] ? MatchOutcome::Lost : MatchOutcome::Level);
}

void MatchRecorder::Abandon() {
  if (match_) Store(MatchOutcome::Abandoned);
}

void MatchRecorder::OpenDatabase() {
  HistoryOpened opened = HistoryDatabase::Open(historyPath_);
  database_ = std::move(opened.database);
  openProblem_ = database_ ? std::string() : opened.notice;
  if (database_ && !opened.notice.empty()) Tell(opened.notice);
}

void MatchRecorder::Tell(const std::string& text) {
  game_.platform.ShowMessage(text, kTitle, MessageIcon::Exclamation, MessageButtons::Ok);
}

void MatchRecorder::Store(MatchOutcome result) {
  HistoryMatch match = std::move(*match_);
  match_.reset();
  // Only a match that got as far as its first deal is worth keeping.
  if (match.months.empty()) return;
  match.endedAt = UtcNow();
  match.result = result;
  match.assisted = game_.assisted;
  match.scores = {game_.table.matchScore[0], game_.table.matchScore[1]};
  // A folder that could not be written may have been fixed since.
  if (!database_) OpenDatabase();
  std::string problem = openProblem_;
  if (database_) {
    if (const auto failed = database_->Store(match)) problem = *failed;
    // Damage found on the way: the file was kept aside and the match went into a new one.
    if (const std::string found = database_->TakeNotice(); !found.empty()) Tell(found);
  }
  // The game goes on whatever happened; the player is told this match is not kept.
  if (!problem.empty()) Tell(Tr(kNotStored) + "\n" + problem);
}

}  // namespace pg
