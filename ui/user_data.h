// The player's own data folder, where an installed game keeps STATUS.DAT and its wallpapers.
#pragma once

#include <QString>
#include <QStringList>

namespace pg::ui {

// $XDG_DATA_HOME/petalgame32, by default ~/.local/share/petalgame32.
QString UserDataFolder();
// Where the wallpapers to seed a new folder are looked for: the installed data, then the folder the
// program runs from (a build tree).
QStringList WallpaperSources();
// Creates `folder` when missing, copies in the wallpapers it lacks from the first source that has
// them, and makes it the current directory. On failure nothing changes and the reason comes back
// in Japanese, for the player.
QString EnterUserDataFolder(const QString& folder, const QStringList& sources);

}  // namespace pg::ui
