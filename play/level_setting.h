// The computer's level the player chose: kept in SETTINGS.TXT beside STATUS.DAT, changed in the
// options dialog, and in effect from the next match on.
#pragma once

#include <string>
#include <string_view>

namespace pg {

struct Game;
struct Settings;

// At start-up: the level kept in SETTINGS.TXT, else 普通, and the hints switch, the card marks and the
// table's size, else off, off and 100 %. A file that cannot be read is moved aside, and the player is told.
void LoadLevelSetting(Game& game);
// What SETTINGS.TXT keeps, as the game has it now: every save writes them all.
Settings SettingsOf(const Game& game);
// The options dialog's level button `index` (of LevelNames()) took the focus.
void LevelFocus(Game& game, int index);
// A match is under way: a change of level waits for the next one, and the dialog says so.
bool MatchUnderWay(const Game& game);
// Whom the player plays, as the main window names the computer: 「ｃｏｍ（強い）」.
std::string LevelNameCaption(std::string_view level);

}  // namespace pg
