// The first key only shows the cursor, so a key pressed without looking never plays a card.
#include "play/keyboard.h"

#include <algorithm>
#include <cstdlib>

#include "engine/game.h"
#include "play/match_inputs.h"

namespace pg {

namespace {

constexpr int kDealerCandidates = 12;

bool Playable(const Game& game, int pic) {
  return pic >= 0 && pic < kCardCount && game.board.TakesInput(CardControl(pic));
}

int DistanceSquared(const CardPicture& card, int left, int top) {
  const int dx = card.left - left;
  const int dy = card.top - top;
  return dx * dx + dy * dy;
}

void Frame(Game& game, int pic) {
  const CardPicture& card = game.board.Card[pic];
  game.keyCursor.pic = static_cast<std::int16_t>(pic);
  game.keyCursor.left = card.left;
  game.keyCursor.top = card.top;
}

// The nearest target in reading order after (step 1) or before (step -1) `from`, around the end.
int Beside(const std::vector<int>& targets, int from, int step) {
  const auto at = std::find(targets.begin(), targets.end(), from) - targets.begin();
  const auto count = static_cast<std::ptrdiff_t>(targets.size());
  return targets[static_cast<std::size_t>((at + step + count) % count)];
}

// The nearest target in the row above (step -1) or below (step 1), or `from` when there is none.
int Across(const Game& game, const std::vector<int>& targets, int from, int step) {
  const CardPicture& origin = game.board.Card[from];
  int best = from;
  for (int pic : targets) {
    const CardPicture& card = game.board.Card[pic];
    if ((card.top - origin.top) * step <= 0) continue;
    if (best == from || DistanceSquared(card, origin.left, origin.top) <
                            DistanceSquared(game.board.Card[best], origin.left, origin.top)) {
      best = pic;
    }
  }
  return best;
}

}  // namespace

std::vector<int> KeyTargets(const Game& game) {
  const TableState& t = game.table;
  std::vector<int> targets;
  switch (t.Phase) {
    case Phase::DealerDraw:
      for (int q = 0; q < kDealerCandidates; ++q) targets.push_back(q);
      break;
    case Phase::PlayerToPlay:
      // Slots past the hand's count keep a copy of the card that closed up from there.
      for (int i = 0; i < CardsInHand(t, 0); ++i) targets.push_back(t.HandCard[0][static_cast<std::size_t>(i)].pic);
      break;
    case Phase::HandChoice:
    case Phase::StockChoice:
      for (int i = 0; i < 2; ++i) targets.push_back(t.FieldCard[t.SameSlot[i]].pic);
      break;
    default:
      break;
  }
  std::erase_if(targets, [&game](int pic) { return !Playable(game, pic); });
  std::sort(targets.begin(), targets.end(), [&game](int a, int b) {
    const CardPicture& x = game.board.Card[a];
    const CardPicture& y = game.board.Card[b];
    return x.top != y.top ? x.top < y.top : x.left < y.left;
  });
  return targets;
}

std::optional<int> KeyCursorCard(const Game& game) {
  const KeyCursor& cursor = game.keyCursor;
  if (!cursor.shown) return std::nullopt;
  const std::vector<int> targets = KeyTargets(game);
  if (targets.empty()) return std::nullopt;
  if (std::find(targets.begin(), targets.end(), cursor.pic) != targets.end()) return cursor.pic;
  return *std::min_element(targets.begin(), targets.end(), [&](int a, int b) {
    return DistanceSquared(game.board.Card[a], cursor.left, cursor.top) <
           DistanceSquared(game.board.Card[b], cursor.left, cursor.top);
  });
}

void KeyPressed(Game& game, Key key) {
  const std::vector<int> targets = KeyTargets(game);
  if (targets.empty()) {
    if (key == Key::Enter) PlayerClicksTable(game);
    return;
  }
  const bool wasShown = game.keyCursor.shown;
  game.keyCursor.shown = true;
  const int current = *KeyCursorCard(game);
  if (!wasShown) {
    Frame(game, current);
    return;
  }
  switch (key) {
    case Key::Left:
      Frame(game, Beside(targets, current, -1));
      break;
    case Key::Right:
      Frame(game, Beside(targets, current, 1));
      break;
    case Key::Up:
      Frame(game, Across(game, targets, current, -1));
      break;
    case Key::Down:
      Frame(game, Across(game, targets, current, 1));
      break;
    case Key::Enter:
      Frame(game, current);
      PlayerClicksCard(game, current);
      break;
  }
}

}  // namespace pg
