// The language the window speaks: Japanese, the game's own, or English from its catalogue.
#pragma once

#include <string_view>

namespace pg::ui {

// Chooses the language from SETTINGS.TXT's value (auto follows the desktop's locale) and installs
// its catalogue for the window's texts and the core's, before any window is built.
void InstallLanguage(std::string_view choice);
// True once English is installed: Qt's own dialogs then stay in English too.
bool SpeaksEnglish();

}  // namespace pg::ui
