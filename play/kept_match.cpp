// Keeping a match as its start and clicks, and playing it again. The record names no card and no
// table: the match is played again through the same turn code, so however the insides of a turn
// change, a kept match comes back as the game would now play it.
#include "play/kept_match.h"

#include <filesystem>
#include <utility>

#include "engine/game.h"
#include "engine/options.h"
#include "play/coded_match.h"
#include "play/hints.h"
#include "play/match_inputs.h"
#include "play/match_recorder.h"
#include "play/setup.h"
#include "play/silent_platform.h"
#include "play/table_signs.h"
#include "records/player_text.h"

namespace pg {

namespace {

constexpr const char* kTitle = "Petalgame 32";
constexpr const char* kOffer = PG_TEXT("前回の対戦を続けますか。\n「いいえ」なら中断として記録され、\n負けに数えられます。");
constexpr const char* kTakenElsewhere =
    PG_TEXT("前回の対戦は、ほかに起動している Petalgame 32 が先に続けています。\nこちらでは新しい対戦を始めてください。");

StoredSources Stored(const RandomStates& states) { return {states[0], states[1], states[2]}; }
RandomStates Sources(const StoredSources& stored) { return {stored[0], stored[1], stored[2]}; }

StoredClick StoredOf(const MatchInput& input) {
  StoredClick click{input.card, input.winButtons, std::nullopt};
  if (input.sources) click.sources = Stored(*input.sources);
  return click;
}

// Tells the recorder of the copy's events as if they happened on the table: before each, the
// table takes the copy's match, which is what the recorder reads.
class Follower : public GameObserver {
 public:
  Follower(Game& table, const Game& copy, GameObserver* to) : table_(table), copy_(copy), to_(to) {}

  void DealerDecided(int playerPick, int computerPick) override {
    if (Sync()) to_->DealerDecided(playerPick, computerPick);
  }
  void Dealt() override {
    if (Sync()) to_->Dealt();
  }
  void Captured(int side, CardCode code) override {
    if (Sync()) to_->Captured(side, code);
  }
  void PlayFinished(CardCode card) override {
    if (Sync()) to_->PlayFinished(card);
  }
  void LabelsRefreshed(int side) override {
    if (Sync()) to_->LabelsRefreshed(side);
  }
  void AgariClosed(WinCode code, int side) override {
    if (Sync()) to_->AgariClosed(code, side);
  }
  void MonthEnded() override {
    if (Sync()) to_->MonthEnded();
  }
  void MatchEnded() override {
    if (Sync()) to_->MatchEnded();
  }

 private:
  bool Sync() {
    if (!to_) return false;
    static_cast<Match&>(table_) = static_cast<const Match&>(copy_);
    table_.rules = copy_.rules;
    return true;
  }

  Game& table_;
  const Game& copy_;
  GameObserver* to_;
};

// The copy's start as the record names it: the day's deal, a coded deal or a dealer draw.
bool StartCopy(Game& copy, const ResumeRecord& record, std::string& why) {
  const std::optional<Level> level = LevelNamed(record.level);
  if (!level) {
    why = Fill(Tr("強さ「%1」を知りません。"), {record.level});
    return false;
  }
  copy.nextLevel = *level;
  if (!copy.RestoreSources(Sources(record.start))) {
    why = Tr("乱数の状態が正しくありません。");
    return false;
  }
  std::optional<DealCode> code;
  if (!record.dealCode.empty()) {
    code = ReadDealCode(record.dealCode).code;
    if (!code) {
      why = Fill(Tr("配りコード「%1」が正しくありません。"), {record.dealCode});
      return false;
    }
  }
  if (!record.dailyDate.empty()) {
    const std::optional<LocalDate> date = DateFromText(record.dailyDate);
    if (!date || !code || *code != DailyDealCode(*date)) {
      why = Tr("今日の配りの日付と配りコードが合いません。");
      return false;
    }
    return StartDailyGame(copy, *date);
  }
  if (code) return StartCodedGame(copy, *code);
  StartGame(copy);
  return true;
}

void SetAside(const Game& game, const std::filesystem::path& file, const std::filesystem::path& original,
              const std::string& why) {
  std::string text = Fill(Tr("前回の対戦の記録「%1」を使えませんでした。"), {original.filename().string()}) + "\n" + why + "\n";
  if (const auto aside = SetAsideResumeFile(file, original)) {
    text += Fill(Tr("記録は「%1」として残してあります。"), {aside->filename().string()});
  } else {
    text += Tr("記録を別の名前にできませんでした。");
  }
  game.platform.ShowMessage(text, Tr("エラー"), MessageIcon::Exclamation, MessageButtons::Ok);
}

}  // namespace

bool CanKeepMatch(const Game& game) {
  if (!game.KeepsRecords() || !MonthInPlay(game) || !game.log.fromSources) return false;
  std::error_code error;
  return game.keptMatch || !std::filesystem::exists(ResumePathBeside(game.statusPath), error);
}

ResumeRecord RecordToKeep(const Game& game) {
  const MatchLog& log = game.log;
  ResumeRecord record;
  record.level = StoredName(game.level);
  record.rules = SettingsOf(game.rules);
  record.dealCode = game.dealCode ? game.dealCode->Text() : std::string();
  record.dailyDate = game.dailyDate;
  record.assisted = game.assisted;
  record.start = Stored(log.start);
  RandomStates now = game.Sources();
  std::optional<RandomState> hintsDrewFrom = log.hintsDrewFrom;
  const std::size_t settled = log.inputs.size() - (log.lastSettled || log.inputs.empty() ? 0 : 1);
  for (std::size_t i = 0; i < settled; ++i) record.clicks.push_back(StoredOf(log.inputs[i]));
  if (settled < log.inputs.size()) {
    // Played again from its start, with the sources it started with: nothing it drew counts.
    const MatchInput& running = log.inputs.back();
    now = running.sources.value_or(log.afterLast);
    hintsDrewFrom = log.hintsDrewFromAsLastBegan;
    record.running = StoredClick{running.card, {}, std::nullopt};
  }
  // Taken up, the table shows its hints by drawing their seed again, from where it was drawn.
  if (game.HintsOn() && hintsDrewFrom) now[kAdvisorSource] = *hintsDrewFrom;
  record.now = Stored(now);
  return record;
}

namespace {

enum class Keeping { NotKept, Kept, Failed };

// Writes the match in play to RESUME.TXT, or takes away what this copy wrote there for a match
// since over. Another copy's kept match, and its lock, are left alone.
Keeping KeepMatch(Game& game, std::optional<StatusFileError>& error) {
  const std::filesystem::path path = ResumePathBeside(game.statusPath);
  if (CanKeepMatch(game) && !game.resumeLock.Take(path)) {
    // Another copy took the file up and plays it: it is that copy's now.
    game.keptMatch = false;
    return Keeping::NotKept;
  }
  if (CanKeepMatch(game)) {
    error = SaveResumeFile(path, RecordToKeep(game));
    if (!error) {
      game.keptMatch = true;
      return Keeping::Kept;
    }
  }
  // What this copy kept before is older than the match, which is over or stored as given up.
  std::error_code removeError;
  if (game.keptMatch) std::filesystem::remove(path, removeError);
  game.keptMatch = false;
  game.resumeLock.Drop();
  return error ? Keeping::Failed : Keeping::NotKept;
}

}  // namespace

bool KeepMatchForLater(Game& game) {
  std::optional<StatusFileError> error;
  const Keeping keeping = KeepMatch(game, error);
  if (keeping == Keeping::Failed) {
    game.platform.ShowMessage(Tr("いまの対戦を続きのために保存できませんでした。中断として記録します。") + "\n" + error->reason,
                              Tr("エラー"), MessageIcon::Exclamation, MessageButtons::Ok);
  }
  return keeping == Keeping::Kept;
}

void KeepMatchAsItGoes(Game& game) {
  // A lesson or a replay on the table: the match put aside stays kept as it was.
  if (!game.KeepsRecords()) return;
  // Quietly: a file that cannot be written now is reported when the game ends.
  std::optional<StatusFileError> error;
  KeepMatch(game, error);
}

void KeepMatchAsTheSessionEnds(Game& game) {
  game.ending = true;
  KeepMatchForLater(game);
}

bool PlayKeptMatchAgain(Game& game, const ResumeRecord& record, GameObserver* follower, std::string& why) {
  const StoredClick* click = nullptr;
  std::size_t pressed = 0;
  SilentPlatform silent(game.platform, [&] {
    return click && pressed < click->winButtons.size() ? click->winButtons[pressed++] : -1;
  });
  Game copy(silent);
  silent.Attach(copy);
  copy.windowWidthTwips = game.windowWidthTwips;
  copy.options = game.options;
  copy.rules = ControlsOf(record.rules);
  // The faces, the wallpaper and the stored records come from the table as it is.
  static_cast<Match&>(copy) = static_cast<const Match&>(game);
  const Match before = game;
  const RuleControls rulesBefore = game.rules;
  Follower follow(game, copy, follower);
  copy.observer = &follow;
  bool played = StartCopy(copy, record, why);
  for (std::size_t i = 0; played && i < record.clicks.size(); ++i) {
    click = &record.clicks[i];
    pressed = 0;
    if (click->sources && !copy.RestoreSources(Sources(*click->sources))) {
      why = Fill(Tr("%1番目の操作の乱数の状態が正しくありません。"), {std::to_string(i + 1)});
      played = false;
      break;
    }
    if (click->card == kStoredTableClick) {
      PlayerClicksTable(copy);
    } else {
      PlayerClicksCard(copy, click->card);
    }
    if (silent.Refused() || pressed != click->winButtons.size()) {
      why = Fill(Tr("%1番目の操作を、記録どおりに打ち直せませんでした。"), {std::to_string(i + 1)});
      played = false;
    }
  }
  const Phase phase = copy.table.Phase;
  if (played && (phase < Phase::DealerKnown || phase > Phase::MonthOver)) {
    why = Tr("記録の操作を打ち直しても、対戦の途中になりません。");
    played = false;
  }
  if (played && !copy.RestoreSources(Sources(record.now))) {
    why = Tr("乱数の状態が正しくありません。");
    played = false;
  }
  if (!played) {
    static_cast<Match&>(game) = before;
    game.rules = rulesBefore;
    return false;
  }
  static_cast<Match&>(game) = static_cast<const Match&>(copy);
  game.rules = copy.rules;
  game.options.JudgeMode = copy.options.JudgeMode;
  game.assisted = record.assisted;
  game.RestoreSources(Sources(record.now));
  return true;
}

void PlayRunningClick(Game& game, const ResumeRecord& record) {
  if (!record.running) return;
  if (record.running->card == kStoredTableClick) {
    PlayerClicksTable(game);
  } else {
    PlayerClicksCard(game, record.running->card);
  }
}

void OfferKeptMatch(Game& game, MatchRecorder* recorder) {
  const std::filesystem::path path = ResumePathBeside(game.statusPath);
  const LoadedResume offered = LoadResumeFile(path);
  if (offered.read == ResumeRead::Missing) return;
  if (ResumeLock::HeldElsewhere(path)) {
    game.platform.ShowMessage(Tr(kTakenElsewhere), kTitle, MessageIcon::Information, MessageButtons::Ok);
    return;
  }
  if (offered.read == ResumeRead::Damaged) {
    SetAside(game, path, path, offered.why);
    return;
  }
  const MessageAnswer answer =
      game.platform.ShowMessage(Tr(kOffer), kTitle, MessageIcon::Question, MessageButtons::YesNo);
  // The file is taken only now, with its lock: another copy started meanwhile may have been asked
  // too, and may have taken the match up and kept it again already.
  const std::optional<std::filesystem::path> taken =
      game.resumeLock.Take(path) ? ClaimResumeFile(path) : std::optional<std::filesystem::path>();
  if (!taken) {
    game.resumeLock.Drop();
    game.platform.ShowMessage(Tr(kTakenElsewhere), kTitle, MessageIcon::Information, MessageButtons::Ok);
    return;
  }
  // What was taken is played, which is what was offered unless a copy ending meanwhile kept its own.
  const LoadedResume loaded = LoadResumeFile(*taken);
  if (loaded.read != ResumeRead::Read) {
    game.resumeLock.Drop();
    SetAside(game, *taken, path, loaded.why);
    return;
  }
  const Match before = game;
  const RuleControls rules = game.rules;
  const RandomStates sources = game.Sources();
  const Phase judgeMode = game.options.JudgeMode;
  std::string why;
  // At 最強 the computer thinks each of its moves again: a long match takes a few seconds.
  game.platform.SetWaitCursor(true);
  const bool played = PlayKeptMatchAgain(game, loaded.record, recorder, why);
  game.platform.SetWaitCursor(false);
  if (played && answer == MessageAnswer::Yes) {
    std::error_code error;
    std::filesystem::remove(*taken, error);
    ShowTableSigns(game);
    game.platform.Redraw();
    if (game.HintsOn()) RefreshHints(game);
    KeepMatchAsItGoes(game);
    PlayRunningClick(game, loaded.record);
    return;
  }
  // What did play is stored as the abandoned match it is; a record that did not play stays for a look.
  game.resumeLock.Drop();
  if (recorder) recorder->Abandon();
  static_cast<Match&>(game) = before;
  game.rules = rules;
  game.options.JudgeMode = judgeMode;
  game.RestoreSources(sources);
  if (played) {
    std::error_code error;
    std::filesystem::remove(*taken, error);
  } else {
    SetAside(game, *taken, path, why);
  }
}

}  // namespace pg
