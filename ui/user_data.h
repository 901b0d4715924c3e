// The player's own data folder, where an installed game keeps STATUS.DAT and its wallpapers.
#pragma once

#include <QString>
#include <QStringList>

namespace pg::ui {

// $XDG_DATA_HOME/petalgame32, by default $HOME/.local/share/petalgame32. Empty when neither names an
// absolute folder: the XDG rules say to ignore a relative XDG_DATA_HOME, and without HOME there is
// no home to fall back on.
QString UserDataFolder();
// Where an installation beside `programFolder` keeps the game's own data: share/petalgame32 beside
// its bin folder, wherever the game was installed.
QString InstalledDataFolder(const QString& programFolder);
// Whether the program in `programFolder` was installed, as opposed to run from its build folder:
// only an installation has its data folder beside the program's.
bool RunsInstalled(const QString& programFolder);
// Where the game's own data (wallpapers, sounds) is looked for: the installed data folder, then the
// folder the program runs from (a build tree).
QStringList DataFolders();
// The path of `name` in the first of `folders` that has it, else empty.
QString FindInFolders(const QStringList& folders, const QString& name);
// Creates `folder` when missing, copies in the wallpapers it lacks from the first source that has
// them, and makes it the current directory. On failure, or with no folder at all, nothing changes
// and the reason, with where the game keeps its files instead, comes back in Japanese for the player.
QString EnterUserDataFolder(const QString& folder, const QStringList& sources);

}  // namespace pg::ui
