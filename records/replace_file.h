// A small text file written whole in place of the old one: a crash leaves the old file or the new.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "records/status_file.h"

namespace pg {

// Writes `text` to a new file beside `target`, syncs it and renames it over `target`, which keeps
// its mode. On failure the new file is removed and `target` is as it was.
std::optional<StatusFileError> ReplaceFile(const std::filesystem::path& target, std::string_view text);

}  // namespace pg
