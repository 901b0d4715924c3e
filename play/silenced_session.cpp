#include "play/silenced_session.h"

#include <algorithm>

#include "play/hints.h"

namespace pg {

SilencedSession::SilencedSession(Game& game)
    : observer_(game.observer),
      statusPath_(game.statusPath),
      hints_(game.hints),
      rules_(game.rules),
      options_(game.options) {
  game.observer = nullptr;
  game.statusPath.clear();
  game.hints = false;
  ++game.hintGeneration;
}

void SilencedSession::GiveBack(Game& game) const {
  game.observer = observer_;
  game.statusPath = statusPath_;
  game.hints = hints_;
  game.rules = rules_;
  game.options = options_;
  const auto& badges = game.board.badges;
  if (game.hints && std::none_of(badges.begin(), badges.end(), [](const Badge& b) { return b.visible; })) {
    RefreshHints(game);
  }
}

}  // namespace pg
