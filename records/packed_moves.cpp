// A month's moves as one value: for each move a byte of flags (bit 0 the side, bit 1 drawn from the
// stock, bit 2 a table card chosen, bits 3 to 5 how many cards it took), then its card, the card
// chosen when there was one, and the cards taken, each card a byte 0..47 in the order of its code.
#include "records/packed_moves.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

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

// Written over the code's own two characters: millions of cards are read in a long history.
void CardCodeOf(std::uint8_t byte, StoredCard& code) {
  const int month = byte / 4 + 1;
  code.resize(2);
  code[0] = static_cast<char>(month <= 9 ? '0' + month : 'A' + month - 10);
  code[1] = static_cast<char>('1' + byte % 4);
}

// A move as the packed form takes it, from memory or from a row of the older table.
struct MoveFields {
  std::int64_t side = 0;
  bool fromStock = false;
  std::string_view card, chosen;
  std::array<std::string_view, kMostPackedTaken> taken{};
  std::size_t takenCount = 0;
  // False once more cards are taken than the form holds.
  bool Take(std::string_view code) {
    if (takenCount == taken.size()) return false;
    taken[takenCount++] = code;
    return true;
  }
};

bool PackMove(const MoveFields& move, std::string& out) {
  const auto card = CardByte(move.card);
  const auto chosen = CardByte(move.chosen);
  if ((move.side != 0 && move.side != 1) || !card || (!move.chosen.empty() && !chosen)) return false;
  out += static_cast<char>((move.side ? kSideBit : 0) | (move.fromStock ? kStockBit : 0) | (chosen ? kChosenBit : 0) |
                           (move.takenCount << kTakenShift));
  out += static_cast<char>(*card);
  if (chosen) out += static_cast<char>(*chosen);
  for (std::size_t i = 0; i < move.takenCount; ++i) {
    const auto byte = CardByte(move.taken[i]);
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

// One month's moves as packed_moves gathers them, packed row by row. The rows come in the order of
// their seq, as the table's key keeps them; rows out of that order are not packed at all.
struct Gathered {
  std::string packed;
  std::size_t count = 0;
  std::int64_t lastSeq = 0;
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
  const std::int64_t seq = sqlite3_value_int64(values[0]);
  if (!*place) {
    *place = new Gathered;
  } else if (seq <= (*place)->lastSeq) {
    (*place)->fits = false;
  }
  Gathered& gathered = **place;
  gathered.lastSeq = seq;
  if (!gathered.fits) return;
  MoveFields move;
  move.side = sqlite3_value_int64(values[1]);
  move.fromStock = sqlite3_value_int64(values[2]) != 0;
  move.card = TextOf(values[3]);
  move.chosen = TextOf(values[4]);
  const std::string_view taken = TextOf(values[5]);
  bool held = true;
  for (std::size_t at = 0; at < taken.size() && held;) {
    const std::size_t end = std::min(taken.find(' ', at), taken.size());
    if (end > at) held = move.Take(taken.substr(at, end - at));
    at = end + 1;
  }
  gathered.fits = held && ++gathered.count <= kMostPackedMoves && PackMove(move, gathered.packed);
}

void PackGathered(sqlite3_context* context) {
  Gathered** place = GatheredOf(context);
  const std::unique_ptr<Gathered> gathered(place ? *place : nullptr);
  if (gathered && !gathered->fits) {
    sqlite3_result_null(context);
  } else if (!gathered || gathered->packed.empty()) {
    sqlite3_result_zeroblob(context, 0);
  } else {
    sqlite3_result_blob(context, gathered->packed.data(), static_cast<int>(gathered->packed.size()), SQLITE_TRANSIENT);
  }
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
    MoveFields fields{move.side, move.fromStock, move.card, move.chosen};
    for (const StoredCard& card : move.taken) {
      if (!fields.Take(card)) return false;
    }
    if (!PackMove(fields, packed)) return false;
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
