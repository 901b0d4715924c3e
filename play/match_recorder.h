// Follows a match as it is played and stores it in history.db beside STATUS.DAT once it ends,
// or as abandoned when a new match or the end of the game cuts it short.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "engine/game_observer.h"
#include "records/history_database.h"
#include "records/history_match.h"

namespace pg {

struct Game;

class MatchRecorder : public GameObserver {
 public:
  // The program follows its matches only when it keeps records: history.db goes beside STATUS.DAT.
  MatchRecorder(const Game& game, std::filesystem::path historyPath)
      : game_(game), historyPath_(std::move(historyPath)) {}

  void DealerDecided(int playerPick, int computerPick) override;
  void Dealt() override;
  void Captured(int side, CardCode code) override;
  void PlayFinished(CardCode card) override;
  void AgariClosed(WinCode code, int side) override;
  void MonthEnded() override;
  void MatchEnded() override;

  // Stores a match still under way as abandoned: the game is ending. Nothing happens between matches.
  void Abandon();
  // The match being followed, if one has been dealt.
  const HistoryMatch* Current() const { return match_ ? &*match_ : nullptr; }

 private:
  void Store(MatchOutcome result);
  // Opens history.db the first time it is needed, telling the player what its opening found.
  void OpenDatabase();
  void Tell(const std::string& text);
  HistoryMonth& Month() { return match_->months.back(); }

  const Game& game_;
  std::filesystem::path historyPath_;
  // Why the file could not be opened, kept for the message at the match's end.
  std::string openProblem_;
  std::optional<HistoryMatch> match_;
  std::vector<CardCode> captured_;
  // Opened at the first dealer draw, so that storing at the match's end is one transaction and no more.
  std::unique_ptr<HistoryDatabase> database_;
};

}  // namespace pg
