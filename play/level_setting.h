// The computer's level the player chose: kept in SETTINGS.TXT beside STATUS.DAT, changed in the
// options dialog, and in effect from the next match on.
#pragma once

#include <string>

#include "engine/level.h"

namespace pg {

struct Game;

// At start-up: the level kept in SETTINGS.TXT, else 普通, and the hints switch, else off. A file that cannot be read is
// moved aside, and the player is told; a line that cannot be used, or a name given twice, is told
// about once and the rest of the file is read.
void LoadLevelSetting(Game& game);
// Saves one line of SETTINGS.TXT under the status file's lock, so that two copies changing
// different settings keep both. A failure is reported under `what`.
void SaveSettingLine(Game& game, std::string_view name, std::string_view value, std::string_view what);
// The options dialog's level button `index` (of kLevels) took the focus.
void LevelFocus(Game& game, int index);
// A match is under way: a change of level waits for the next one, and the dialog says so.
bool MatchUnderWay(const Game& game);
// Whom the player plays, as the main window names the computer: 「ｃｏｍ（強い）」.
std::string LevelNameCaption(Level level);

}  // namespace pg
