// One stacking order for the cards and the other controls of the main window.
#include "engine/board.h"

#include <algorithm>

namespace pg {

namespace {

void AddAll(std::vector<ControlId>& stack, ControlKind kind, int count) {
  for (int i = 0; i < count; ++i) stack.push_back({kind, static_cast<std::int16_t>(i)});
}

}  // namespace

// The window's own order: the cards lowest, then pictures and shapes, then labels, the messages
// uppermost.
Board::Board() {
  AddAll(stack, ControlKind::Card, kCardCount);
  AddAll(stack, ControlKind::Face, 2);
  AddAll(stack, ControlKind::ScorePlate, 2);
  AddAll(stack, ControlKind::MonthPlate, 1);
  AddAll(stack, ControlKind::DealerMark, 1);
  AddAll(stack, ControlKind::KoiKoi, static_cast<int>(koikoi.size()));
  AddAll(stack, ControlKind::Hint, static_cast<int>(PG.size()));
  AddAll(stack, ControlKind::Box, static_cast<int>(Box.size()));
  AddAll(stack, ControlKind::Score, 2);
  AddAll(stack, ControlKind::Month, 1);
  AddAll(stack, ControlKind::YakuState, static_cast<int>(YakuState.size()));
  AddAll(stack, ControlKind::Message, static_cast<int>(message.size()));
  AddAll(stack, ControlKind::Prompt, 1);
}

void Board::HideMatch() {
  for (CardPicture& card : Card) card.enabled = card.visible = false;
  for (Label& label : YakuState) label.visible = false;
  for (Shape& face : Face) face.visible = false;
  oyamark.visible = false;
  for (Shape& plate : ScoreP) plate.visible = false;
  for (Label& score : Score) score.visible = score.enabled = false;
  PnumP.visible = false;
  Pnum.visible = Pnum.enabled = false;
  LevelName.visible = false;
}

void Board::BringToFront(ControlId control) {
  std::erase(stack, control);
  stack.push_back(control);
}

void Board::SendToBack(ControlId control) {
  std::erase(stack, control);
  stack.insert(stack.begin(), control);
}

int Board::StackPosition(ControlId control) const {
  return static_cast<int>(std::find(stack.begin(), stack.end(), control) - stack.begin());
}

bool Board::TakesInput(ControlId control) const {
  const auto i = static_cast<std::size_t>(control.index);
  auto shownAndEnabled = [i](const auto& labels) {
    return i < labels.size() && labels[i].visible && labels[i].enabled;
  };
  auto shown = [i](const auto& shapes) { return i < shapes.size() && shapes[i].visible; };
  switch (control.kind) {
    case ControlKind::Card:
      return i < Card.size() && Card[i].visible && Card[i].enabled;
    case ControlKind::Message:
      return shownAndEnabled(message);
    case ControlKind::YakuState:
      return shownAndEnabled(YakuState);
    case ControlKind::Score:
      return shownAndEnabled(Score);
    case ControlKind::Month:
      return i == 0 && Pnum.visible && Pnum.enabled;
    case ControlKind::Face:
      return shown(Face);
    case ControlKind::ScorePlate:
      return shown(ScoreP);
    case ControlKind::MonthPlate:
      return i == 0 && PnumP.visible;
    case ControlKind::DealerMark:
      return i == 0 && oyamark.visible;
    case ControlKind::Prompt:
      return i == 0 && prompt.visible && prompt.enabled;
    case ControlKind::KoiKoi:
    case ControlKind::Table:
    case ControlKind::Hint:
    case ControlKind::Box:
      return false;
  }
  return false;
}

}  // namespace pg
