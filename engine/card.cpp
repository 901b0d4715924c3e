// Card arithmetic on two-character codes; the catalogue itself is the priority list.
#include "engine/card.h"

namespace pg {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

}  // namespace

char HexDigit(int value) { return "0123456789ABCDEF"[value & 0xF]; }

int MonthOf(CardCode code) { return HexValue(code.MonthChar()); }

int RankOf(CardCode code) {
  const char c = code.RankChar();
  return c >= '0' && c <= '9' ? c - '0' : 0;
}

CardCode CodeOf(int cardNo) { return CardCode(HexDigit(cardNo / 4 + 1), static_cast<char>('1' + cardNo % 4)); }

int CellOf(CardCode code) { return (MonthOf(code) - 1) + kSheetColumns * (RankOf(code) - 1); }

int PriorityOf(CardCode code) {
  // Stops at the "00" marker at the latest, so unlisted codes never read past the list.
  int k = 0;
  while (k < kUnlisted && CardCode::FromText(PriorityList.substr(2 * k, 2)) != code) ++k;
  return k;
}

CardClass ClassOf(CardCode code, bool kikuAsChaff) {
  const int k = PriorityOf(code);
  if (k <= 4) return CardClass::Bright;
  if (k <= 13) return kikuAsChaff && code == CardCode('9', '1') ? CardClass::Chaff : CardClass::Animal;
  if (k <= 23) return CardClass::Ribbon;
  return CardClass::Chaff;
}

}  // namespace pg
