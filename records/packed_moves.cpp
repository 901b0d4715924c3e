// A month's moves as one value: for each move a byte of flags (bit 0 the side, bit 1 drawn from the
// stock, bit 2 a table card chosen, bits 3 to 5 how many cards it took), then its card, the card
// chosen when there was one, and the cards taken, each card a byte 0..47 in the order of its code.
#include "records/packed_moves.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>

#include "records/sqlite_statement.h"

namespace pg {

namespace {

constexpr unsigned kSideBit = 1;
constexpr unsigned kStockBit = 2;
constexpr unsigned kChosenBit = 4;
constexpr unsigned kTakenShift = 3;
constexpr unsigned kUnusedBits = 0xc0;
constexpr int kCardBytes = 48;

// The byte of a card's code: its month ('1' to '9', 'A' to 'C') and rank ('1' to '4').
std::optional<std::uint8_t> CardByte(std::string_view code) {
  if (code.size() != 2) return std::nullopt;
  const char m = code[0];
  const char r = code[1];
  const int month = m >= '1' && m <= '9' ? m - '0' : m >= 'A' && m <= 'C' ? m - 'A' + 10 : 0;
  if (month == 0 || r < '1' || r > '4') return std::nullopt;
  return static_cast<std::uint8_t>((month - 1) * 4 + (r - '1'));
}

void CardCodeOf(std::uint8_t byte, StoredCard& code) {
  const int month = byte / 4 + 1;
  code.assign({static_cast<char>(month <= 9 ? '0' + month : 'A' + month - 10), static_cast<char>('1' + byte % 4)});
}

bool PackMove(const HistoryMove& move, std::string& out) {
  const auto card = CardByte(move.card);
  const auto chosen = CardByte(move.chosen);
  if ((move.side != 0 && move.side != 1) || !card || (!move.chosen.empty() && !chosen) ||
      move.taken.size() > kMostPackedTaken) {
    return false;
  }
  out += static_cast<char>((move.side ? kSideBit : 0) | (move.fromStock ? kStockBit : 0) | (chosen ? kChosenBit : 0) |
                           (move.taken.size() << kTakenShift));
  out += static_cast<char>(*card);
  if (chosen) out += static_cast<char>(*chosen);
  for (const StoredCard& taken : move.taken) {
    const auto byte = CardByte(taken);
    if (!byte) return false;
    out += static_cast<char>(*byte);
  }
  return true;
}

// Walks the packed value move by move, handing each move's flags and cards to `take`; false where
// a byte is one the game never writes.
template <typename Take>
bool Walk(std::string_view packed, Take take) {
  std::size_t at = 0;
  for (std::size_t count = 0; at < packed.size(); ++count) {
    const auto flags = static_cast<unsigned char>(packed[at]);
    const std::size_t cards = 1 + ((flags & kChosenBit) ? 1 : 0) + (flags >> kTakenShift & 7);
    if (count == kMostPackedMoves || (flags & kUnusedBits) || packed.size() - at - 1 < cards) return false;
    const std::string_view bytes = packed.substr(at + 1, cards);
    if (std::any_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) >= kCardBytes; })) {
      return false;
    }
    take(flags, bytes);
    at += 1 + cards;
  }
  return true;
}

// The rows of one month's moves as packed_moves gathers them, put in order of seq at the end.
struct Gathered {
  std::vector<std::pair<std::int64_t, HistoryMove>> rows;
  bool fits = true;
};

std::string_view TextOf(sqlite3_value* value) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
  return text ? std::string_view(text, static_cast<std::size_t>(sqlite3_value_bytes(value))) : std::string_view();
}

// Where the month's rows are gathered: SQLite keeps the pointer, zeroed at the first row.
Gathered** GatheredOf(sqlite3_context* context) {
  return static_cast<Gathered**>(sqlite3_aggregate_context(context, sizeof(Gathered*)));
}

void GatherRow(sqlite3_context* context, int, sqlite3_value** values) {
  Gathered** place = GatheredOf(context);
  if (!place) {
    sqlite3_result_error_nomem(context);
    return;
  }
  if (!*place) *place = new Gathered;
  Gathered* gathered = *place;
  HistoryMove move;
  const std::int64_t side = sqlite3_value_int64(values[1]);
  move.side = side == 1 ? 1 : 0;
  gathered->fits = gathered->fits && (side == 0 || side == 1);
  move.fromStock = sqlite3_value_int64(values[2]) != 0;
  move.card.assign(TextOf(values[3]));
  move.chosen.assign(TextOf(values[4]));
  const std::string_view taken = TextOf(values[5]);
  for (std::size_t at = 0; at < taken.size();) {
    const std::size_t end = std::min(taken.find(' ', at), taken.size());
    if (end > at) move.taken.emplace_back(taken.substr(at, end - at));
    at = end + 1;
  }
  gathered->rows.emplace_back(sqlite3_value_int64(values[0]), std::move(move));
}

void PackGathered(sqlite3_context* context) {
  Gathered** place = GatheredOf(context);
  const std::unique_ptr<Gathered> gathered(place ? *place : nullptr);
  std::vector<HistoryMove> moves;
  if (gathered) {
    std::stable_sort(gathered->rows.begin(), gathered->rows.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& row : gathered->rows) moves.push_back(std::move(row.second));
  }
  std::string packed;
  if ((gathered && !gathered->fits) || !PackMoves(moves, packed)) {
    sqlite3_result_null(context);
    return;
  }
  sqlite3_result_blob(context, packed.data(), static_cast<int>(packed.size()), SQLITE_TRANSIENT);
}

void CountPacked(sqlite3_context* context, int, sqlite3_value** values) {
  const auto* bytes = static_cast<const char*>(sqlite3_value_blob(values[0]));
  const auto count = sqlite3_value_type(values[0]) == SQLITE_NULL
                         ? std::nullopt
                         : PackedMoveCount({bytes, static_cast<std::size_t>(sqlite3_value_bytes(values[0]))});
  if (count) {
    sqlite3_result_int64(context, static_cast<std::int64_t>(*count));
  } else {
    sqlite3_result_null(context);
  }
}

}  // namespace

bool PackMoves(const std::vector<HistoryMove>& moves, std::string& out) {
  if (moves.size() > kMostPackedMoves) return false;
  std::string packed;
  packed.reserve(moves.size() * 3);
  for (const HistoryMove& move : moves) {
    if (!PackMove(move, packed)) return false;
  }
  out += packed;
  return true;
}

bool UnpackMoves(std::string_view packed, std::vector<HistoryMove>& moves) {
  std::size_t used = 0;
  const bool read = Walk(packed, [&moves, &used](unsigned flags, std::string_view cards) {
    if (used == moves.size()) moves.emplace_back();
    HistoryMove& move = moves[used++];
    move.side = (flags & kSideBit) ? 1 : 0;
    move.fromStock = (flags & kStockBit) != 0;
    std::size_t at = 0;
    CardCodeOf(static_cast<std::uint8_t>(cards[at++]), move.card);
    if (flags & kChosenBit) {
      CardCodeOf(static_cast<std::uint8_t>(cards[at++]), move.chosen);
    } else {
      move.chosen.clear();
    }
    move.taken.resize(cards.size() - at);
    for (StoredCard& taken : move.taken) CardCodeOf(static_cast<std::uint8_t>(cards[at++]), taken);
  });
  moves.resize(read ? used : 0);
  return read;
}

std::optional<std::size_t> PackedMoveCount(std::string_view packed) {
  std::size_t count = 0;
  if (!Walk(packed, [&count](unsigned, std::string_view) { ++count; })) return std::nullopt;
  return count;
}

bool AddPackedMoveFunctions(SqliteConnection& connection) {
  constexpr int kFlags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  return sqlite3_create_function(connection.Handle(), "packed_moves", 6, kFlags, nullptr, nullptr, GatherRow,
                                 PackGathered) == SQLITE_OK &&
         sqlite3_create_function(connection.Handle(), "packed_move_count", 1, kFlags | SQLITE_INNOCUOUS, nullptr,
                                 CountPacked, nullptr, nullptr) == SQLITE_OK;
}

}  // namespace pg
