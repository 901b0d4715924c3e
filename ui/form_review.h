// The review window 「振り返り」: the player's choices in a stored match that gave away at least five
// points of the chance of winning, worst first, worked out off the screen's thread.
#pragma once

#include <QDialog>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "computer/review.h"
#include "engine/card.h"
#include "records/history_match.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace pg {
struct Game;
}

namespace pg::ui {

// The newest finished match in the history: the one just played, at a match's end.
inline constexpr std::int64_t kNewestMatch = 0;

// Opens the replay of `match` at move `move` of month `month`, with `marked` (the better card)
// marked. Set by the program where it has replays; without one a line opens nothing.
using ReplayAt = std::function<void(Game&, const HistoryMatch&, int month, int move, std::optional<CardCode> marked)>;
void SetReviewReplay(ReplayAt replay);

// Plays the line's month on from its moment as the search would have (「こう打てば」) and shows it;
// `review` is the review to go back to. Set by the program where it has replays.
using ShowHowAt =
    std::function<void(Game&, const HistoryMatch&, const computer::ReviewLine&, const computer::MatchReview& review)>;
void SetReviewShowHow(ShowHowAt showHow);

class FormReview : public QDialog {
 public:
  // With `done`, the window shows that review at once instead of working one out.
  FormReview(Game& game, HistoryMatch match, QWidget* parent, std::optional<computer::MatchReview> done = {});
  ~FormReview() override;
  // Opens the replay at the line the player chose, if one was; called once the window has closed.
  void OpenChosenLine() {
    if (opening_) opening_();
  }

 private:
  void Start();
  void Progress(int done, int total);
  void Show(const computer::MatchReview& review);
  void OpenLine(int line);
  void ShowHowLine(int line);

  Game& game_;
  HistoryMatch match_;
  computer::MatchReview review_;
  // Set when the window goes: the search stops at its next choice.
  std::shared_ptr<std::atomic<bool>> cancelled_ = std::make_shared<std::atomic<bool>>(false);
  QLabel* summary_;
  QProgressBar* progress_;
  QTreeWidget* list_;
  QLabel* note_;
  QPushButton* showHow_;
  std::function<void()> opening_;
};

// Reads the match from history.db beside STATUS.DAT and shows its review; kNewestMatch for the
// latest finished one. The player is told when there is none or the file cannot be read.
void ShowReviewWindow(Game& game, std::int64_t matchId);
// Shows a review already worked out over `parent`: the way back from a 「こう打てば」 line.
void ShowReviewWindow(Game& game, const HistoryMatch& match, const computer::MatchReview& review, QWidget* parent);

}  // namespace pg::ui
