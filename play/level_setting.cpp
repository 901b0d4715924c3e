// The level is kept apart from STATUS.DAT, whose layout other copies of the game read.
#include "play/level_setting.h"

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "engine/game.h"
#include "play/status_lock.h"
#include "records/settings_file.h"
#include "records/player_text.h"

namespace pg {

namespace {

// Another copy holds the lock for a save of a few milliseconds; one that holds it longer (its name
// dialog is open) is not waited for.
constexpr int kLockAttempts = 20;
constexpr auto kLockRetry = std::chrono::milliseconds(25);
// A line of someone else's making is quoted only this far.
constexpr std::size_t kQuotedLine = 40;

void ReportDamagedSettings(const Game& game, const std::filesystem::path& path) {
  std::filesystem::path setAside;
  std::string text = Fill(Tr("設定ファイル「%1」を読み取れませんでした。\nコンピュータの強さは「普通」にします。\n"),
                          {path.filename().string()});
  if (const auto error = SetAsideSettingsFile(path, setAside)) {
    text += Tr("ファイルを別の名前にできなかったため、強さを変えると上書きされます。\n") + error->reason;
  } else {
    text += Fill(Tr("読み取れなかったファイルは「%1」として残してあります。"), {setAside.filename().string()});
  }
  game.platform.ShowMessage(text, Tr("エラー"), MessageIcon::Exclamation, MessageButtons::Ok);
}

void ReportUnusedLines(const Game& game, const std::filesystem::path& path, const std::vector<std::string>& bad,
                       const std::vector<std::string>& repeated) {
  std::string text = Fill(Tr("設定ファイル「%1」について：\n"), {path.filename().string()});
  if (!bad.empty()) {
    text += Tr("次の行は使えないため、その設定は初めのままにします（コンピュータの強さなら「普通」）。\n");
    for (const std::string& line : bad) text += PG_JAPANESE_DATA("　") + line.substr(0, kQuotedLine) + "\n";
  }
  for (const std::string& name : repeated) {
    text += Fill(Tr("「%1」が2回以上書かれています。最後の行を使います。\n"), {name});
  }
  text += Tr("ほかの設定は読み込みました。");
  game.platform.ShowMessage(text, Tr("エラー"), MessageIcon::Exclamation, MessageButtons::Ok);
}

}  // namespace

void LoadLevelSetting(Game& game) {
  game.level = game.nextLevel = Level::Normal;
  if (!game.KeepsRecords()) return;
  const std::filesystem::path path = SettingsPathBeside(game.statusPath);
  const LoadedSettings loaded = LoadSettingsFile(path);
  if (loaded.read == SettingsRead::Missing) return;
  if (loaded.read == SettingsRead::Damaged) {
    ReportDamagedSettings(game, path);
    return;
  }
  std::vector<std::string> bad = loaded.badLines;
  const std::string& name = loaded.settings.level;
  const std::optional<Level> level = LevelNamed(name);
  if (!name.empty() && !level) {
    bad.push_back(std::string(kLevelSetting) + "=" + name);
  } else if (level) {
    game.level = game.nextLevel = *level;
  }
  game.hints = loaded.settings.hints;
  game.cardMarks = loaded.settings.cardMarks;
  game.tableSize = loaded.settings.tableSize;
  game.language = loaded.settings.language;
  game.lessonStep = loaded.settings.lessonStep;
  if (!bad.empty() || !loaded.repeated.empty()) ReportUnusedLines(game, path, bad, loaded.repeated);
}

void SaveSettingLine(Game& game, std::string_view name, std::string_view value, std::string_view what) {
  if (!game.KeepsRecords()) return;
  // Held already while this copy ends or saves its high scores: then it is not given back here.
  const bool held = game.statusLock && game.statusLock->Held();
  LockOutcome outcome = TakeStatusLock(game, what);
  for (int attempt = 1; outcome == LockOutcome::Busy && attempt < kLockAttempts; ++attempt) {
    std::this_thread::sleep_for(kLockRetry);
    outcome = TakeStatusLock(game, what);
  }
  if (outcome == LockOutcome::Failed) return;
  if (outcome == LockOutcome::Busy) {
    ReportSaveFailure(game, what, {EBUSY, Tr("ほかの Petalgame 32 が STATUS.DAT を使っています。")});
    return;
  }
  if (const auto error = SaveSetting(SettingsPathBeside(game.statusPath), name, value)) {
    ReportSaveFailure(game, what, *error);
  }
  if (!held) ReleaseStatusLock(game, what);
}

void LevelFocus(Game& game, int index) {
  if (index < 0 || index >= static_cast<int>(kLevels.size())) return;
  const Level chosen = kLevels[static_cast<std::size_t>(index)];
  if (chosen == game.nextLevel) return;
  game.nextLevel = chosen;
  // Between matches the next one is the one the player sees named.
  if (!MatchUnderWay(game)) {
    game.level = chosen;
    game.board.LevelName.caption = LevelNameCaption(chosen);
  }
  SaveSettingLine(game, kLevelSetting, StoredName(chosen), PG_TEXT("コンピュータの強さ"));
}

std::string LevelNameCaption(Level level) { return Fill(Tr("ｃｏｍ（%1）"), {LevelLabel(level)}); }

bool MatchUnderWay(const Game& game) {
  const Phase phase = game.table.Phase;
  return phase != Phase::Idle && phase != Phase::MatchOver;
}

}  // namespace pg
