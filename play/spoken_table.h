// The game in words, for a screen reader: every card picture named with its place, and each play,
// yaku, こいこい and month's result told as a sentence through the platform.
#pragma once

#include <string>
#include <vector>

#include "engine/card.h"
#include "engine/game_observer.h"

namespace pg {

struct Game;

// 「3月 桜に幕（光） 手札」, 「5月 菖蒲（カス） ｃｏｍの取り札」; a face-down card by its place alone
// (「山札」, 「ｃｏｍの手札」). Empty for a picture not on the table.
std::string CardPictureName(const Game& game, int pic);

// What a screen reader finds on the table, as the eye would read it: top to bottom, left to right.
struct SpokenItem {
  enum class Kind { Card, Message, YakuState, Score, Month, DealerMark, KoiKoi, Prompt, LevelName, Badge };
  Kind kind = Kind::Card;
  // The index of the board's array the item comes from (the card picture, the label).
  int index = 0;
  std::string name;
  // A card a click would play or take now.
  bool button = false;
  int left = 0;
  int top = 0;
};

// Everything shown on the table but its pictures of decoration: the cards (the stock once, as one
// pile), the labels and signs.
std::vector<SpokenItem> SpokenBoard(const Game& game);

// Tells the platform what a player who cannot see the table needs to hear, then passes every
// event on to the watcher it was given (the match recorder, a tool's log).
class Announcer : public GameObserver {
 public:
  Announcer(Game& game, GameObserver* next) : game_(game), next_(next) {}

  void DealerDecided(int playerPick, int computerPick) override;
  void Dealt() override;
  void Captured(int side, CardCode code) override;
  void PlayFinished(CardCode card) override;
  void LabelsRefreshed(int side) override;
  void AgariClosed(WinCode code, int side) override;
  void MonthEnded() override;
  void MatchEnded() override;

 private:
  void Say(const std::string& text);

  Game& game_;
  GameObserver* next_;
  std::vector<CardCode> taken_;
  // The month's payment once a side has stopped: who was paid, and how much.
  int paidSide_ = -1;
  int paid_ = 0;
};

}  // namespace pg
