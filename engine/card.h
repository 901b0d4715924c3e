// The 48 flower cards: codes, months, ranks, classes, value order and picture cells.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace pg {

// A card as its two-character code ("31", "B4"), or one of the non-card markers "FF"
// (an emptied slot) and "00" (end of the priority list). An unset value is empty text.
class CardCode {
 public:
  constexpr CardCode() = default;
  constexpr CardCode(char month, char rank) : chars_{month, rank} {}
  // Takes the first two characters; anything shorter gives an empty code.
  static constexpr CardCode FromText(std::string_view text) {
    return text.size() >= 2 ? CardCode(text[0], text[1]) : CardCode();
  }

  constexpr char MonthChar() const { return chars_[0]; }
  constexpr char RankChar() const { return chars_[1]; }
  constexpr bool IsEmpty() const { return chars_[0] == '\0'; }
  std::string Text() const { return IsEmpty() ? std::string() : std::string(chars_, 2); }

  constexpr bool operator==(const CardCode&) const = default;

 private:
  char chars_[2] = {'\0', '\0'};
};

inline constexpr CardCode kEmptySlot{'F', 'F'};
inline constexpr int kCardCount = 48;
// Dealt before the stock: eight to each hand and eight to the table.
inline constexpr int kDealtCards = 24;
inline constexpr int kBackCell = 12;
inline constexpr int kSheetColumns = 13;
inline constexpr int kSheetRows = 4;
inline constexpr int kCellWidth = 40;
inline constexpr int kCellHeight = 64;

// The 24 cards that are not plain chaff, most valuable first within each class, then "00".
inline constexpr std::string_view PriorityList = "318111C1B1916171A121415182B21222326292A2425272B300";
inline constexpr int kUnlisted = 24;

enum class CardClass { Bright, Animal, Ribbon, Chaff };

// True when both codes are of the same month (an empty or "FF" slot never matches a card).
constexpr bool SameMonth(CardCode a, CardCode b) { return a.MonthChar() == b.MonthChar(); }

// A code names a card only when both its characters do: "FF", "00" and stale text never index.
constexpr bool IsCard(CardCode code) {
  const char m = code.MonthChar();
  const char r = code.RankChar();
  return ((m >= '1' && m <= '9') || (m >= 'A' && m <= 'C')) && r >= '1' && r <= '4';
}

// The card's index 0..47, (month - 1) * 4 + rank - 1; only for a code IsCard accepts.
constexpr int CardIndex(CardCode code) {
  const char m = code.MonthChar();
  const int month = m <= '9' ? m - '0' : m - 'A' + 10;
  return (month - 1) * 4 + (code.RankChar() - '1');
}

int MonthOf(CardCode code);
int RankOf(CardCode code);
CardCode CodeOf(int cardNo);
int CellOf(CardCode code);
int PriorityOf(CardCode code);
CardClass ClassOf(CardCode code, bool kikuAsChaff);
char HexDigit(int value);

}  // namespace pg
