// The level is kept apart from STATUS.DAT, whose layout other copies of the game read.
#include "play/level_setting.h"

#include <string>

#include "engine/game.h"
#include "play/status_lock.h"
#include "records/settings_file.h"

namespace pg {

namespace {

void ReportDamagedSettings(Game& game, const std::filesystem::path& path) {
  std::filesystem::path setAside;
  std::string text = "設定ファイル「" + path.filename().string() +
                     "」を読み取れませんでした。\nコンピュータの強さは「普通」にします。\n";
  if (const auto error = SetAsideSettingsFile(path, setAside)) {
    text += "ファイルを別の名前にできなかったため、強さを変えると上書きされます。\n" + error->reason;
  } else {
    text += "読み取れなかったファイルは「" + setAside.filename().string() + "」として残してあります。";
  }
  game.platform.ShowMessage(text, "エラー", MessageIcon::Exclamation, MessageButtons::Ok);
}

}  // namespace

void LoadLevelSetting(Game& game) {
  game.level = game.nextLevel = Level::Normal;
  if (!game.KeepsRecords()) return;
  const std::filesystem::path path = SettingsPathBeside(game.statusPath);
  const LoadedSettings loaded = LoadSettingsFile(path);
  if (loaded.read == SettingsRead::Missing) return;
  const std::string& name = loaded.settings.level;
  const std::optional<Level> level = LevelNamed(name);
  if (loaded.read == SettingsRead::Damaged || (!name.empty() && !level)) {
    ReportDamagedSettings(game, path);
    return;
  }
  if (level) game.level = game.nextLevel = *level;
  game.hints = loaded.settings.hints;
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
  if (!game.KeepsRecords()) return;
  if (const auto error =
          SaveSettingsFile(SettingsPathBeside(game.statusPath), {std::string(StoredName(chosen)), game.hints})) {
    ReportSaveFailure(game, "コンピュータの強さ", *error);
  }
}

std::string LevelNameCaption(Level level) { return "ｃｏｍ（" + std::string(LevelLabel(level)) + "）"; }

bool MatchUnderWay(const Game& game) {
  const Phase phase = game.table.Phase;
  return phase != Phase::Idle && phase != Phase::MatchOver;
}

}  // namespace pg
