// Whole matches played headless through the real core: the player's side chooses at random, so one
// seed replays the same matches.
#pragma once

#include <ostream>

#include "engine/game.h"
#include "headless/scripted_platform.h"
#include "tools/selfplay/arguments.h"
#include "tools/selfplay/observer_list.h"
#include "tools/selfplay/self_play_log.h"

namespace pg::selfplay {

class SelfPlay {
 public:
  // Sets the game up as at start-up, with the options' rules and seed; the log goes to `out`.
  SelfPlay(const SelfPlayOptions& options, std::ostream& out);
  SelfPlay(const SelfPlay&) = delete;
  SelfPlay& operator=(const SelfPlay&) = delete;

  // `watcher` is told every event after the log.
  void Watch(GameObserver& watcher) { observers_.Add(watcher); }
  const Game& State() const { return game_; }
  // How often the computer's level was asked to think: never at 普通.
  int Thoughts() const { return platform_.thoughts; }
  // Plays the options' number of matches; throws when the core stops asking for moves.
  void Run();

 private:
  void PlayMatch(int match);
  void Click();
  void AnswerDialog(Dialog dialog);

  int matches_;
  std::optional<DealCode> dealCode_;
  // The player's choices draw from a source of their own: a change in how the player chooses
  // leaves the deals and the computer's draws as they were.
  Random choices_;
  headless::ScriptedPlatform platform_;
  Game game_{platform_};
  SelfPlayLog log_;
  ObserverList observers_;
};

}  // namespace pg::selfplay
