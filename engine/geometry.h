// Where every picture, frame, marker and message of the board lies, in the play area's units.
#pragma once

#include <cstdint>

#include "engine/card.h"
#include "engine/table_state.h"

namespace pg {

inline constexpr int kPlayAreaCentre = 380;

struct Point {
  std::int16_t x = 0;
  std::int16_t y = 0;
  constexpr bool operator==(const Point&) const = default;
};

// Every Y of the play area is offset by LayoutTop, which the screen mode decides.
inline Point At(const TableState& t, int x, int y) {
  return {static_cast<std::int16_t>(x), static_cast<std::int16_t>(t.LayoutTop + y)};
}

// Deck position j lies in the stock pile, each card two pixels below the one before.
inline Point StockPosition(const TableState& t, int j) { return At(t, 36, 146 + 2 * j); }

// Two rows filled column by column, the even slots above.
inline Point TableSlotPosition(const TableState& t, int s) { return At(t, 144 + 56 * (s / 2), 176 + 80 * (s % 2)); }

// The player's hand below the table, the computer's above it.
inline Point HandSlotPosition(const TableState& t, int side, int k) { return At(t, 112 + 40 * k, 376 - 320 * side); }

// The choice frame's size: a card with two units clear on each side.
inline constexpr int kChoiceFrameWidth = 45;
inline constexpr int kChoiceFrameHeight = 69;

// The frame around table slot s while the player chooses between two cards of a month.
inline Point ChoiceFramePosition(const TableState& t, int s) {
  const Point card = TableSlotPosition(t, s);
  return {static_cast<std::int16_t>(card.x - 2), static_cast<std::int16_t>(card.y - 2)};
}

// The square marker just above the player's hand slot k, centred over the card.
inline constexpr int kHintMarkerSize = 10;
inline Point HintMarkerPosition(const TableState& t, int k) {
  const Point card = HandSlotPosition(t, 0, k);
  return {static_cast<std::int16_t>(card.x + (kCellWidth - kHintMarkerSize) / 2),
          static_cast<std::int16_t>(card.y - 14)};
}

// The advisor's badge lies across the foot of a card's face, so it covers nothing beside the card.
inline constexpr int kBadgeWidth = 36;
inline constexpr int kBadgeHeight = 15;
inline Point BadgePosition(Point card) {
  return {static_cast<std::int16_t>(card.x + (kCellWidth - kBadgeWidth) / 2),
          static_cast<std::int16_t>(card.y + kCellHeight - kBadgeHeight - 3)};
}

// The button 「振り返り」, centred under the match's three result lines.
inline constexpr int kReviewButtonWidth = 120;
inline constexpr int kReviewButtonHeight = 30;
inline Point ReviewButtonPosition(const TableState& t) { return At(t, kPlayAreaCentre - kReviewButtonWidth / 2, 330); }

// Card n (0 the first) of a side's capture pile for cards of class `pile`. Each pile grows leftwards
// by half a card, each new card on top; the player's rows lie below the table's middle, the
// computer's mirror them above: 20- and 10-point cards side by side, then ribbons, then chaff.
inline Point CapturePilePosition(const TableState& t, int side, CardClass pile, int n) {
  constexpr int kRowTop[2][3] = {{262, 340, 418}, {170, 92, 14}};
  const int row = pile == CardClass::Ribbon ? 1 : pile == CardClass::Chaff ? 2 : 0;
  const int right = pile == CardClass::Animal ? 568 : 704;
  return At(t, right - 20 * n, kRowTop[side][row]);
}

// Candidate q of the dealer draw: two rows of six.
inline Point DealerDrawPosition(const TableState& t, int q) { return At(t, 180 + 72 * (q % 6), 160 + 96 * (q / 6)); }

// The name of the side that picked candidate q: above a card of the upper row, below one of the lower.
inline Point DealerDrawNamePosition(const TableState& t, int side, int q) {
  return At(t, (side == 0 ? 178 : 183) + 72 * (q % 6), 140 + 184 * (q / 6));
}

// The computer's level, centred in a strip between its face and the stock pile.
inline Point LevelNamePosition(const TableState& t) { return At(t, 8, 131); }
inline constexpr int kLevelNameWidth = 100;
inline constexpr int kLevelNameHeight = 15;

// Each side's face beside its hand, the player's below the table: a square, whatever picture the
// player gives it.
inline constexpr int kFaceSize = 68;
inline Point FacePosition(const TableState& t, int side) { return At(t, 22, 62 + 304 * side); }

// The plate of each side's match total, in the play area's top and bottom left corners, and the
// total written on it.
inline Point ScorePlatePosition(const TableState& t, int side) { return At(t, 16, 14 + 432 * side); }
inline Point ScorePosition(const TableState& t, int side) { return At(t, 32, 22 + 432 * side); }
inline constexpr int kScoreWidth = 33;
inline constexpr int kScoreHeight = 21;

// The month's plate between the faces, and its number written on it.
inline Point MonthPlatePosition(const TableState& t) { return At(t, 24, 314); }
inline Point MonthPosition(const TableState& t) { return At(t, 32, 322); }
inline constexpr int kMonthWidth = 19;
inline constexpr int kMonthHeight = 16;

// A side's nine yaku labels in two lines along the play area's edge, the player's at the foot:
// the first six on a 80-unit pitch, four to the first line, and the three narrow ones of the
// second line after them.
inline constexpr int kYakuLabelWidth = 79;
inline constexpr int kNarrowYakuLabelWidth = 53;
inline constexpr int kYakuLabelHeight = 15;
inline constexpr bool IsNarrowYakuLabel(int i) { return i >= 6; }
inline Point YakuLabelPosition(const TableState& t, int side, int i) {
  const int x = IsNarrowYakuLabel(i) ? 272 + kNarrowYakuLabelWidth * (i - 6) : 112 + 80 * (i % 4);
  return At(t, x, (side == 0 ? 450 : 15) + (i > 3 ? 16 : 0));
}

// The こいこい mark's strip.
inline constexpr int kKoiKoiMarkWidth = 68;
inline constexpr int kKoiKoiMarkHeight = 18;

// The mark beside the dealer's hand.
inline Point DealerMarkPosition(const TableState& t) { return At(t, 24, 368 - 304 * t.Oya); }

// The こいこい mark lies across the foot of the side's face (the player's below the table).
inline Point KoiKoiMarkPosition(const TableState& t, int side) { return At(t, 22, side == 0 ? 416 : 112); }

// The prompt to click on: centred under the dealer draw's result, and at a month's end centred
// over the hands in the band between the computer's hand and the table, which nothing else uses.
inline Point NextPromptCentre(const TableState& t, bool dealerDraw) {
  return dealerDraw ? At(t, kPlayAreaCentre, 470) : At(t, 280, 144);
}

// Tops of the centred message lines: the dealer draw's two prompts above the cards and its two
// result lines below them, and the three lines of a match's result.
inline std::int16_t DrawPromptTop(const TableState& t, int line) { return At(t, 0, 32 + 40 * line).y; }
inline std::int16_t DrawResultTop(const TableState& t, int line) { return At(t, 0, 380 + 40 * line).y; }
inline std::int16_t MatchResultTop(const TableState& t, int line) { return At(t, 0, 188 + 44 * line).y; }

}  // namespace pg
