// The history written out for the player: CSV with one row a match, JSON Lines with one match a
// line, its months and moves included; written match by match into a temporary file beside the
// target, which takes the target's place only when it is whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "records/history_match.h"

namespace pg {

enum class ExportFormat { Csv, JsonLines };

void AppendCsvHeader(std::string& out);
void AppendCsvRow(const HistoryMatch& match, std::string& out);
void AppendJsonLine(const HistoryMatch& match, std::string& out);

struct ExportResult {
  std::size_t written = 0;
  bool cancelled = false;
  // Why the export did not happen, in Japanese; empty when it did or was cancelled. The target
  // is then as it was.
  std::string failure;
  // Damage was found in history.db on the way: it was kept aside and a new file started.
  bool historyMoved = false;
};

// Writes the matches `ids` (sorted) of the history at `historyPath` to `target`. `progress` is
// told how many are written now and then, from the thread that runs the export; it returns false
// to cancel. Only a regular file or a new name is written to, never a pipe or a device.
ExportResult ExportHistory(const std::filesystem::path& historyPath, const std::vector<std::int64_t>& ids,
                           ExportFormat format, const std::filesystem::path& target,
                           const std::function<bool(std::size_t)>& progress);

}  // namespace pg
