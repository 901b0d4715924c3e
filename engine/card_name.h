// How a card is named in words and marked in its corner, for players who cannot tell the months
// apart by colour and picture alone.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/card.h"

namespace pg {

// The class as one mark: 光, 種, 短 or カス. 「菊に杯」 follows its rule.
std::string KindMark(CardCode code, bool kikuAsChaff);
// 「3月 桜に幕（光）」: the month, the picture and the kind.
std::string CardName(CardCode code, bool kikuAsChaff);
// The plant of month 1 to 12, as the months are called: 「松」 … 「桐」; empty for another number.
std::string MonthPlant(int month);
// The card a face cell of the picture sheet shows; nothing for the back and the spare cells.
std::optional<CardCode> CardOfCell(int cell);

}  // namespace pg
