// 「はじめてのこいこい」: the lesson played on the real table. It takes the table over as a replay
// does (the game's match is kept aside, its watcher, records, hints and rules silenced) and deals
// the lesson's months through the arranged deal, the computer's cards scripted. Each step waits for
// the one move it teaches: that click goes to the table as any click would, another is refused with
// its reason. The step reached is kept in SETTINGS.TXT, so the lesson opens there next time.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "engine/board.h"
#include "engine/game.h"
#include "engine/options.h"
#include "engine/rule_settings.h"
#include "play/keyboard.h"
#include "play/silenced_session.h"

namespace pg {

class Lesson {
 public:
  // Takes the table over and begins at step `step` (0 the first; any other number, the first).
  static std::unique_ptr<Lesson> Open(Game& game, int step);
  Lesson(const Lesson&) = delete;
  Lesson& operator=(const Lesson&) = delete;
  // Leaves, if the lesson was not left already.
  ~Lesson();

  // The mouse released over `under`, its press told to PointerPressed as always: the taught click
  // plays on, another is refused with its reason.
  void Released(ControlId under);
  // The keyboard plays the lesson as the mouse does: the arrows move the cursor over the cards a
  // click could play, and Enter stands for a click under it (or on the table when no card waits).
  void KeyPressed(Key key);
  // Begins again at the first step.
  void Restart();
  // Puts the game back exactly as the lesson found it.
  void Leave();

  int Step() const { return step_; }
  // The last step, which only says the lesson is over.
  bool AtEnd() const;

 private:
  explicit Lesson(Game& game);
  void Begin(int step, const std::string& previous);
  // Lays the table out as step `step` begins: its month dealt, and the steps before it in that
  // month played out unseen.
  void Build(int step);
  bool TableFits() const;
  std::optional<std::string> Refusal(ControlId under) const;
  void Show(const std::string& note, bool refused);
  std::string Heading() const;
  void Remember(int step);

  Game& game_;
  Match kept_;
  SilencedSession silenced_;
  int step_ = 0;
  std::size_t move_ = 0;
  // What the step before came to, said before the step's instruction until its move is made.
  std::string previous_;
  bool left_ = false;
};

// At a first start: asks whether to begin with the lesson; true for はい.
bool AskForLesson(const Game& game);

}  // namespace pg
