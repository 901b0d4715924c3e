// A stored match as the model plays it: each move as {month, sequence, move} with the state it was
// applied to, from the stored deals. The review reads this list; a stored row the model refuses
// ends it, and says where.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "model/state.h"
#include "records/history_match.h"

namespace pg::model {

struct StoredMove {
  // The month as the table numbers it, 1 to 12.
  int month = 1;
  // The stored move the model move was applied at, by its index in the month's moves; a こいこい or
  // 勝負 stands before the move that followed it (or past the last).
  int sequence = 0;
  State before;
  Move move;
};

struct StoredMatch {
  std::vector<StoredMove> moves;
  // Whether the stored rows stopped making sense to the model, and where: the month and the stored
  // move from which on nothing was followed.
  bool refused = false;
  int refusedMonth = 0;
  int refusedAt = 0;
};

StoredMatch FollowStoredMatch(const HistoryMatch& match);

// The card a stored two-character code names, or none for anything else.
std::optional<std::uint8_t> StoredCardIndex(const StoredCard& text);

}  // namespace pg::model
