// A history file taken back to the layout of version 4, each move a row of its own, so that the
// step that packs the moves can be tried and timed on it.
#pragma once

#include <filesystem>

namespace pg::bench {

// False when the file could not be read or rewritten; the file is then as it was.
bool MovesAsRows(const std::filesystem::path& path);

}  // namespace pg::bench
