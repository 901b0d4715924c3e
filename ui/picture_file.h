// Picture files the player names for the faces and the wallpaper, read without ever waiting.
#pragma once

#include <QPixmap>
#include <QString>

#include "engine/platform.h"

namespace pg::ui {

// A 4K wallpaper as a 24-bit bitmap is about 25 MB; a larger file is refused before it is read, so a
// huge file cannot stall the start.
inline constexpr qint64 kMaxPictureFileBytes = 64 * 1024 * 1024;

// NotFound when nothing is at `path`. Failed for anything but a regular file (a FIFO or a device
// would block the read), a file over kMaxPictureFileBytes, and one that is no picture Qt can decode.
PictureLoad LoadPictureFile(const QString& path, QPixmap& picture);

}  // namespace pg::ui
