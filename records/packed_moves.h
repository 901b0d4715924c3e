// A month's moves kept as one short value: a byte of flags for each move, then its cards a byte each.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "records/history_match.h"

namespace pg {

class SqliteConnection;

// A month holds 32 plays; a value with more, or a move taking more cards, was not written by the game.
inline constexpr std::size_t kMostPackedMoves = 64;
inline constexpr std::size_t kMostPackedTaken = 7;

// False, with `out` left as it was, for a move the packed form cannot hold: a side other than 0 or
// 1, a code that names no card, too many cards taken or too many moves.
bool PackMoves(const std::vector<HistoryMove>& moves, std::string& out);
// The moves a packed value holds, written over `moves`; false for a value the game never writes
// (a byte naming no card, flags it never sets, a value cut short or too long).
bool UnpackMoves(std::string_view packed, std::vector<HistoryMove>& moves);
// How many moves a packed value holds; nothing for a value UnpackMoves refuses.
std::optional<std::size_t> PackedMoveCount(std::string_view packed);

// Lets the connection's SQL pack and count: packed_moves(seq, side, from_stock, card, chosen,
// taken), which gathers the rows of the first layout's moves table, one a move, into the packed
// value (NULL when they do not fit it), and packed_move_count(value).
bool AddPackedMoveFunctions(SqliteConnection& connection);

}  // namespace pg
