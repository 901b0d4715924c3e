// A stored match shown again on the main table, read-only: stepped forward and back a move at a
// time, by month, or played on by itself; leaving puts the game back exactly as it was: the game's
// match is swapped out while the replay shows its own, and the few session settings it silences are
// given back.
//
// The match is first played through on a copy of the table that nobody sees, which refuses a bad
// row before anything is shown and keeps the table as it stood after every step. Stepping back
// puts a kept table back; stepping forward plays that one step on the real table, so its cards fly
// as they flew in play. While a replay is open the game's watcher hears nothing, its random source
// is not drawn from, and no record (STATUS.DAT, the high scores, history.db) is touched.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/board.h"
#include "engine/card.h"
#include "engine/game.h"
#include "engine/game_observer.h"
#include "engine/options.h"
#include "engine/rule_settings.h"
#include "play/silenced_session.h"
#include "engine/table_state.h"
#include "engine/win_dialog_state.h"
#include "play/replay_steps.h"
#include "records/history_match.h"

namespace pg {

class Replay;

struct ReplayOpened {
  // Null when the match was refused.
  std::unique_ptr<Replay> replay;
  // Why, in Japanese, naming the month: an unknown card, a deal that is not 48 different cards, a
  // move the rules refuse, or scores the replay does not reach.
  std::string refusal;
};

class Replay {
 public:
  // Checks the match and, when it is sound, takes the table over and shows the first month dealt.
  static ReplayOpened Open(Game& game, const HistoryMatch& match);
  Replay(const Replay&) = delete;
  Replay& operator=(const Replay&) = delete;
  // Leaves, if the replay was not left already.
  ~Replay();

  // Plays the next step on the table (cards fly, the win dialog opens); false at the end.
  bool Forward();
  // Puts the table back as it was one step earlier; false at the start.
  bool Back();
  // Shows month `month` (0 the first played) just dealt.
  void GoToMonth(int month);
  // Shows month `month` after `moves` of its moves; nothing for a place the match does not have.
  bool GoTo(int month, int moves);
  // Frames card `code` where it now lies, as the choice frames do: the review's better card.
  void Mark(CardCode code);
  // Puts the game back exactly as the replay found it.
  void Leave();
  // Lines shown with the controls: what a 「こう打てば」 replay says of the line it shows.
  void SetNotes(std::vector<std::string> notes) { notes_ = std::move(notes); }
  const std::vector<std::string>& Notes() const { return notes_; }

  bool AtStart() const { return at_ == 0; }
  bool AtEnd() const { return at_ + 1 == frames_.size(); }
  int Months() const { return static_cast<int>(match_.months.size()); }
  // The month shown (0 the first played) and how many of its moves have been played.
  int Month() const;
  int MovesMade() const;
  int MovesIn(int month) const;
  // The month as the table numbers it: 1 to 12.
  int MonthNumber(int month) const;
  // The button of the win dialog now open that answers as the match was played.
  int WinDialogButton() const;

 private:
  // The table as it stood after one step.
  struct Frame {
    ReplayStep step;
    TableState table;
    Board board;
    WinDialogState agari;
    Phase judgeMode = Phase::Idle;
    ReplayProgress progress;
  };
  Replay(Game& game, HistoryMatch match, std::vector<Frame> frames);
  void Show(std::size_t frame);

  Game& game_;
  HistoryMatch match_;
  std::vector<Frame> frames_;
  std::size_t at_ = 0;
  // The game's own match while the replay's is on the table.
  Match kept_;
  SilencedSession silenced_;
  ReplayProgress progress_;
  std::vector<std::string> notes_;
  bool left_ = false;
};

// Opens the replay of `match` after `move` moves of month `month` (0 the first played), with card
// `marked` framed where it lies: the review window's way in. A place the match does not have shows
// the first month just dealt.
ReplayOpened OpenReplayAt(Game& game, const HistoryMatch& match, int month, int move, std::optional<CardCode> marked);

// The rules a match was played under, as the rule dialog holds them.
RuleControls RuleControlsOf(const RuleSettings& rules);

// Starts a new match whose first month is dealt as the stored match's first was, with its dealer;
// the months after are shuffled from the game's random source as always. It is an ordinary match
// at the level chosen now, which the table names beside the stored one: recorded unaided until a
// hint is shown, and eligible for the high scores. A match under way is given up only when the
// player agrees, as プレイ asks. A refusal, in Japanese, when the stored deal is not 48 different cards.
std::optional<std::string> PlayDealAgain(Game& game, const HistoryMatch& match);

}  // namespace pg
