// A flight's positions depend only on the step number, never on the clock; the platform paces them.
#include "engine/animation.h"

#include <cmath>

#include "engine/game.h"

namespace pg {

namespace {

// The constants the step directions were always computed with; keeping them keeps every path.
constexpr double kPi = 3.141593;
constexpr double kHalfPi = 1.5707965;

double Direction(int fromX, int fromY, int toX, int toY) {
  if (fromX == toX) {
    if (toY > fromY) return kHalfPi;
    if (toY < fromY) return -kHalfPi;
    return 0.0;
  }
  double theta = std::atan(static_cast<double>(toY - fromY) / (toX - fromX));
  if (toX < fromX) theta += toY >= fromY ? kPi : -kPi;
  return theta;
}

void Place(CardPicture& card, int x, int y) {
  card.left = static_cast<std::int16_t>(x);
  card.top = static_cast<std::int16_t>(y);
}

}  // namespace

void MoveCard(Game& game, int pic, int fromX, int fromY, int toX, int toY, int speed) {
  CardPicture& card = game.board.Card.at(pic);
  game.board.BringToFront(CardControl(pic));
  // A step of 0 would never arrive; the slider cannot give one, a damaged setting might.
  if (speed < 1) speed = 1;
  const double dx = toX - fromX;
  const double dy = toY - fromY;
  const double lengthSquared = dx * dx + dy * dy;
  const double theta = Direction(fromX, fromY, toX, toY);
  double x = fromX;
  double y = fromY;
  for (;;) {
    x += speed * std::cos(theta);
    y += speed * std::sin(theta);
    if ((x - fromX) * (x - fromX) + (y - fromY) * (y - fromY) > lengthSquared) break;
    Place(card, static_cast<int>(std::floor(x + 0.5)), static_cast<int>(std::floor(y + 0.5)));
    if (!game.platform.ShowStep()) break;
  }
  Place(card, toX, toY);
}

void CZOrder(Game& game) {
  for (int i = 0; i < kCardCount; ++i) game.board.SendToBack(CardControl(i));
}

}  // namespace pg
