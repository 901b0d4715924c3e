// The pictures are named as players call them, so a name alone tells one card of a month from another.
#include "engine/card_name.h"

#include <array>

#include "records/player_text.h"

namespace pg {

namespace {

// Rank 1 to 4 of each month; the plain cards of a month share its plant's name.
constexpr std::array<std::array<const char*, 4>, 12> kPictures{{
    {PG_TEXT("松に鶴"), PG_TEXT("松に赤短"), PG_TEXT("松"), PG_TEXT("松")},
    {PG_TEXT("梅に鶯"), PG_TEXT("梅に赤短"), PG_TEXT("梅"), PG_TEXT("梅")},
    {PG_TEXT("桜に幕"), PG_TEXT("桜に赤短"), PG_TEXT("桜"), PG_TEXT("桜")},
    {PG_TEXT("藤に不如帰"), PG_TEXT("藤に短冊"), PG_TEXT("藤"), PG_TEXT("藤")},
    {PG_TEXT("菖蒲に八橋"), PG_TEXT("菖蒲に短冊"), PG_TEXT("菖蒲"), PG_TEXT("菖蒲")},
    {PG_TEXT("牡丹に蝶"), PG_TEXT("牡丹に青短"), PG_TEXT("牡丹"), PG_TEXT("牡丹")},
    {PG_TEXT("萩に猪"), PG_TEXT("萩に短冊"), PG_TEXT("萩"), PG_TEXT("萩")},
    {PG_TEXT("芒に月"), PG_TEXT("芒に雁"), PG_TEXT("芒"), PG_TEXT("芒")},
    {PG_TEXT("菊に杯"), PG_TEXT("菊に青短"), PG_TEXT("菊"), PG_TEXT("菊")},
    {PG_TEXT("紅葉に鹿"), PG_TEXT("紅葉に青短"), PG_TEXT("紅葉"), PG_TEXT("紅葉")},
    {PG_TEXT("柳に雨"), PG_TEXT("柳に燕"), PG_TEXT("柳に短冊"), PG_TEXT("柳に雷")},
    {PG_TEXT("桐に鳳凰"), PG_TEXT("桐に色札"), PG_TEXT("桐"), PG_TEXT("桐")},
}};

constexpr std::array<const char*, 12> kPlants{
    PG_TEXT("松"), PG_TEXT("梅"), PG_TEXT("桜"), PG_TEXT("藤"), PG_TEXT("菖蒲"), PG_TEXT("牡丹"),
    PG_TEXT("萩"), PG_TEXT("芒"), PG_TEXT("菊"), PG_TEXT("紅葉"), PG_TEXT("柳"), PG_TEXT("桐")};

}  // namespace

std::string MonthPlant(int month) {
  return month >= 1 && month <= 12 ? Tr(kPlants[static_cast<std::size_t>(month - 1)]) : std::string();
}

std::string KindMark(CardCode code, bool kikuAsChaff) {
  switch (ClassOf(code, kikuAsChaff)) {
    case CardClass::Bright:
      return Tr("光");
    case CardClass::Animal:
      return Tr("種");
    case CardClass::Ribbon:
      return Tr("短");
    case CardClass::Chaff:
      break;
  }
  return Tr("カス");
}

std::string CardName(CardCode code, bool kikuAsChaff) {
  const int month = MonthOf(code);
  const int rank = RankOf(code);
  // A code from outside the catalogue has no picture to name.
  if (month < 1 || month > 12 || rank < 1 || rank > 4) return Tr("札");
  const char* picture = kPictures[static_cast<std::size_t>(month - 1)][static_cast<std::size_t>(rank - 1)];
  return Fill(Tr("%1月 %2（%3）"), {std::to_string(month), Tr(picture), KindMark(code, kikuAsChaff)});
}

std::optional<CardCode> CardOfCell(int cell) {
  const int column = cell % kSheetColumns;
  const int row = cell / kSheetColumns;
  if (cell < 0 || row >= kSheetRows || column >= 12) return std::nullopt;
  return CardCode(HexDigit(column + 1), static_cast<char>('1' + row));
}

}  // namespace pg
