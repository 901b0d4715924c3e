// The pictures are named as players call them, so a name alone tells one card of a month from another.
#include "engine/card_name.h"

#include <array>

namespace pg {

namespace {

// Rank 1 to 4 of each month; the plain cards of a month share its plant's name.
constexpr std::array<std::array<std::string_view, 4>, 12> kPictures{{
    {"松に鶴", "松に赤短", "松", "松"},
    {"梅に鶯", "梅に赤短", "梅", "梅"},
    {"桜に幕", "桜に赤短", "桜", "桜"},
    {"藤に不如帰", "藤に短冊", "藤", "藤"},
    {"菖蒲に八橋", "菖蒲に短冊", "菖蒲", "菖蒲"},
    {"牡丹に蝶", "牡丹に青短", "牡丹", "牡丹"},
    {"萩に猪", "萩に短冊", "萩", "萩"},
    {"芒に月", "芒に雁", "芒", "芒"},
    {"菊に杯", "菊に青短", "菊", "菊"},
    {"紅葉に鹿", "紅葉に青短", "紅葉", "紅葉"},
    {"柳に雨", "柳に燕", "柳に短冊", "柳に雷"},
    {"桐に鳳凰", "桐に色札", "桐", "桐"},
}};

constexpr std::array<std::string_view, 12> kPlants{"松", "梅", "桜", "藤", "菖蒲", "牡丹",
                                                  "萩", "芒", "菊", "紅葉", "柳", "桐"};

}  // namespace

std::string_view MonthPlant(int month) {
  return month >= 1 && month <= 12 ? kPlants[static_cast<std::size_t>(month - 1)] : std::string_view();
}

std::string_view KindMark(CardCode code, bool kikuAsChaff) {
  switch (ClassOf(code, kikuAsChaff)) {
    case CardClass::Bright:
      return "光";
    case CardClass::Animal:
      return "種";
    case CardClass::Ribbon:
      return "短";
    case CardClass::Chaff:
      break;
  }
  return "カス";
}

std::string CardName(CardCode code, bool kikuAsChaff) {
  const int month = MonthOf(code);
  const int rank = RankOf(code);
  // A code from outside the catalogue has no picture to name.
  if (month < 1 || month > 12 || rank < 1 || rank > 4) return "札";
  const std::string_view picture = kPictures[static_cast<std::size_t>(month - 1)][static_cast<std::size_t>(rank - 1)];
  return std::to_string(month) + "月 " + std::string(picture) + "（" + std::string(KindMark(code, kikuAsChaff)) + "）";
}

std::optional<CardCode> CardOfCell(int cell) {
  const int column = cell % kSheetColumns;
  const int row = cell / kSheetColumns;
  if (cell < 0 || row >= kSheetRows || column >= 12) return std::nullopt;
  return CardCode(HexDigit(column + 1), static_cast<char>('1' + row));
}

}  // namespace pg
