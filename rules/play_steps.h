// What a card put into play shows, in the order the player sees it. The rules only record it;
// the sequencer flies the pictures and tells the watchers.
#pragma once

#include <vector>

#include "engine/card.h"
#include "engine/geometry.h"

namespace pg {

struct PlayStep {
  enum class Kind {
    FaceUp,    // picture `pic` turns to show `code`
    Fly,       // picture `pic` slides from `from` to `to`
    Place,     // picture `pic` is set at `to` without a flight (the table closing its gaps)
    Captured,  // `code` went to the capture pile of `side`
    Finished,  // the card `code` is played out
  };
  Kind kind = Kind::Fly;
  int pic = 0;
  Point from;
  Point to;
  int side = 0;
  CardCode code;

  static PlayStep FaceUp(int pic, CardCode code) { return {Kind::FaceUp, pic, {}, {}, 0, code}; }
  static PlayStep Fly(int pic, Point from, Point to) { return {Kind::Fly, pic, from, to, 0, {}}; }
  static PlayStep Place(int pic, Point at) { return {Kind::Place, pic, {}, at, 0, {}}; }
  static PlayStep Captured(int side, CardCode code) { return {Kind::Captured, 0, {}, {}, side, code}; }
  static PlayStep Finished(CardCode code) { return {Kind::Finished, 0, {}, {}, 0, code}; }
};

using PlaySteps = std::vector<PlayStep>;

}  // namespace pg
