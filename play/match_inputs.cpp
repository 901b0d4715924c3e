// Noting the clicks of a match. A click is settled once it has run to its end, unless the game was
// told to end while it ran: then it is played again from its start when the match is taken up.
#include "play/match_inputs.h"

#include "engine/game.h"
#include "play/kept_match.h"
#include "play/turn_driver.h"

namespace pg {

namespace {

void Play(Game& game, int card) {
  // A click reaching the game means an earlier end was called off (a logout cancelled, the way
  // back from waiting for the lock): what ran before it ran to its end. The match kept for that
  // end is kept again as this click leaves it.
  game.ending = false;
  MatchLog& log = game.log;
  MatchInput input;
  input.card = card;
  const RandomStates now = game.Sources();
  if (log.inputs.empty() && game.arrangedDeck) log.fromSources = false;
  if (now != log.afterLast) input.sources = now;
  log.inputs.push_back(std::move(input));
  log.lastSettled = false;
  log.hintsDrewFromAsLastBegan = log.hintsDrewFrom;
  if (card == kTableClick) {
    Form_Click(game);
  } else {
    Card_Click(game, card);
  }
  // A click that starts a new match leaves that match's log, begun afresh, settled as well.
  if (game.ending) return;
  log.afterLast = game.Sources();
  log.lastSettled = true;
  KeepMatchAsItGoes(game);
}

}  // namespace

void NoteMatchStart(Game& game) {
  game.log = MatchLog{};
  game.log.start = game.log.afterLast = game.Sources();
}

void PlayerClicksCard(Game& game, int index) { Play(game, index); }

void PlayerClicksTable(Game& game) { Play(game, kTableClick); }

void NoteWinButton(Game& game, int index) {
  if (!game.log.inputs.empty()) game.log.inputs.back().winButtons.push_back(index);
}

}  // namespace pg
