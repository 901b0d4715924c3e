// 「こう打てば」 on the table: a review line's month played on from its moment as the search would
// have played it, shown through the replay as if it had been played so, with the month's result
// beside the real one.
#pragma once

#include "computer/review.h"
#include "play/replay.h"
#include "records/history_match.h"

namespace pg {

// Opens the replay of `match` up to the line's month, that month played as the line plays it, shown
// at the line's moment with the better card framed. The replay's notes compare the two results, say
// why the better move was better and that the line is one estimate.
ReplayOpened OpenShowHow(Game& game, const HistoryMatch& match, const computer::ReviewLine& line);

}  // namespace pg
