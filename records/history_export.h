// The history written out for the player: CSV with one row a match, JSON Lines with one match a
// line, its months and moves included.
#pragma once

#include <ostream>
#include <vector>

#include "records/history_match.h"

namespace pg {

void WriteHistoryCsv(const std::vector<HistoryMatch>& matches, std::ostream& out);
void WriteHistoryJsonLines(const std::vector<HistoryMatch>& matches, std::ostream& out);

}  // namespace pg
