// Qt's own texts in Japanese: the file picker's and the message boxes' buttons and labels.
#pragma once

namespace pg::ui {

// Loads Qt's Japanese translations once; without them installed Qt's dialogs stay in English.
// True when they were found.
bool InstallQtJapanese();

}  // namespace pg::ui
