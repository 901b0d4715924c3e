// The player's own data folder, where an installed game keeps STATUS.DAT and its wallpapers.
#pragma once

#include <QString>
#include <QStringList>

namespace pg::ui {

// $XDG_DATA_HOME/petalgame32, by default ~/.local/share/petalgame32.
QString UserDataFolder();
// Where the game's own data (wallpapers, sounds) is looked for: share/petalgame32 beside the installed
// program's bin folder, wherever the game was installed, then the folder the program runs from (a
// build tree).
QStringList DataFolders();
// The path of `name` in the first of `folders` that has it, else empty.
QString FindInFolders(const QStringList& folders, const QString& name);
// Creates `folder` when missing, copies in the wallpapers it lacks from the first source that has
// them, and makes it the current directory. On failure nothing changes and the reason comes back
// in Japanese, for the player.
QString EnterUserDataFolder(const QString& folder, const QStringList& sources);

}  // namespace pg::ui
