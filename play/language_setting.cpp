// The language choice, kept beside the other settings.
#include "play/language_setting.h"

#include <string>

#include "engine/game.h"
#include "play/level_setting.h"
#include "records/player_text.h"
#include "records/settings_file.h"

namespace pg {

void SetLanguage(Game& game, std::string_view language) {
  if (game.language == language) return;
  if (language != kLanguageAuto && language != kLanguageJapanese && language != kLanguageEnglish) return;
  game.language = std::string(language);
  SaveSettingLine(game, kLanguageSetting, language, PG_TEXT("言語の設定"));
}

}  // namespace pg
