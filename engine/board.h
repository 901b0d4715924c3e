// What every control of the main window shows: the core writes it, the front end draws it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/card.h"
#include "engine/yaku_group.h"

namespace pg {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  constexpr bool operator==(const Rgb&) const = default;
};

struct CardPicture {
  std::int16_t left = 0;
  std::int16_t top = 0;
  std::int16_t cell = kBackCell;
  bool visible = false;
  bool enabled = false;
  bool handCursor = false;
};

struct Label {
  std::string caption;
  std::int16_t left = 0;
  std::int16_t top = 0;
  std::int16_t fontSize = 0;
  bool visible = false;
  bool enabled = true;
  bool opaque = false;
  Rgb back;
};

struct Shape {
  std::int16_t left = 0;
  std::int16_t top = 0;
  bool visible = false;
};

struct RuledLine {
  std::int16_t x1, y1, x2, y2;
  constexpr bool operator==(const RuledLine&) const = default;
};

struct RuledCaption {
  std::string text;
  std::int16_t left, top, fontSize;
  bool operator==(const RuledCaption&) const = default;
};

// The advisor's badge on a card the player may choose: the chance of winning the match if it is
// chosen, the search's own choice marked. Drawn over everything and never clicked.
struct Badge {
  std::string caption;
  std::int16_t left = 0;
  std::int16_t top = 0;
  bool best = false;
  bool visible = false;
};

// The persistent background: the wallpaper with the capture-area ruling drawn over it.
struct Background {
  std::vector<RuledLine> lines;
  std::vector<RuledCaption> captions;
};

// The main window's controls that lie in one stacking order. The table itself (the window's
// background, with its wallpaper and ruling) lies below them all.
enum class ControlKind : std::uint8_t {
  Table,
  Card,
  Message,
  YakuState,
  Hint,
  Box,
  Face,
  ScorePlate,
  Score,
  MonthPlate,
  Month,
  DealerMark,
  KoiKoi,
  Prompt
};

struct ControlId {
  ControlKind kind = ControlKind::Table;
  std::int16_t index = 0;
  constexpr bool operator==(const ControlId&) const = default;
};

inline constexpr ControlId kTable{};

struct Board {
  std::array<CardPicture, kCardCount> Card{};
  // Every control but the table, from the lowest to the uppermost.
  std::vector<ControlId> stack;
  std::array<Label, 6> message{};
  std::array<Label, 18> YakuState{};
  std::array<Shape, 8> PG{};
  std::array<Shape, 2> Box{};
  // One per hand slot; a choice between two table cards uses the first two.
  std::array<Badge, 8> badges{};
  std::array<Shape, 2> Face{};
  std::array<Shape, 2> ScoreP{};
  std::array<Label, 2> Score{};
  Shape PnumP;
  Label Pnum;
  // Whom the player plays: the computer's level, under its face, from the match's start.
  Label LevelName;
  Shape oyamark;
  // The こいこい mark of each side (0 the player, 1 the computer), over the foot of its face.
  std::array<Label, 2> koikoi{};
  // 「振り返り」 under a finished match's result, while the match can be read back from the history.
  Shape review;
  // 「クリックで次へ」 while a click on the table goes on.
  Label prompt;
  Background background;
  // The wallpaper is a picture of the player's own, of any darkness: the ruling and the labels over
  // it need a backing to stay readable.
  bool ownWallpaper = false;

  Board();
  // Hides a finished match's cards, yaku labels, faces, plates and marks, leaving the table bare.
  void HideMatch();
  void BringToFront(ControlId control);
  void SendToBack(ControlId control);
  // The control's place in the stacking order, 0 the lowest.
  int StackPosition(ControlId control) const;
  // What a click on the control would reach if it were under the pointer: only what is shown and
  // enabled takes input (shapes never do; pictures always may).
  bool TakesInput(ControlId control) const;
  // The progress label of one side's yaku group: the player's nine come first.
  Label& YakuLabel(int side, YakuGroup group) { return YakuState[kYakuGroups * side + IndexOf(group)]; }
};

inline constexpr ControlId CardControl(int pic) { return {ControlKind::Card, static_cast<std::int16_t>(pic)}; }

}  // namespace pg
