// Histories for the benchmarks: real self-played matches, copied until the file is as long as asked.
#pragma once

#include <cstdint>
#include <filesystem>

#include "records/history_match.h"

namespace pg::bench {

// A new empty folder under the system's temporary folder.
std::filesystem::path BenchFolder(const char* name);

// A self-played match, deals and moves and all, as the recorder followed it.
HistoryMatch PlayedMatch(const std::filesystem::path& folder, std::uint64_t seed = 3);

// history.db in `folder` holding `matches` matches (a multiple of 16): 16 different self-played
// matches copied in SQL, each copy ending a little later than the one before. `movesAsRows` lays it
// out as version 4 did, a row a move, for bringing forward.
std::filesystem::path LargeHistory(const std::filesystem::path& folder, int matches, bool movesAsRows = false);

}  // namespace pg::bench
