// The main window: the menu bar over the table.
#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

#include "play/lesson.h"
#include "play/replay.h"

class QLabel;

namespace pg {
struct Game;
class MatchRecorder;
}

namespace pg::ui {

class BoardView;
class LessonPanel;
class QtPlatform;
class ReplayBar;

class FormMain : public QWidget {
  Q_OBJECT

 public:
  FormMain(Game& game, QtPlatform& platform);

  BoardView* Board() const { return board_; }
  // Shows an opened replay on the table with its controls and banner, or tells why it was refused.
  // The review window opens its replays through OpenReplayAt and this, with no replay open (a
  // replay opened over another would keep the other's table to go back to). `afterLeaving` runs
  // when the player leaves the replay by its bar, or at once when it was refused.
  void ShowReplay(ReplayOpened replay, std::function<void()> afterLeaving = {});
  // The replay's controls while a stored match is shown on the table; null otherwise.
  ReplayBar* Replaying() const;
  // Takes the table over for 「はじめてのこいこい」 at the step it was left at; a replay is left first.
  void OpenLesson();
  // At a first start (no STATUS.DAT) the player is asked, once the window is shown, whether to
  // begin with the lesson.
  void OfferLessonWhenShown() { offerLesson_ = true; }
  // With a match kept from the last time, the player is asked instead whether to play it on;
  // `recorder` (none where no records are kept) follows it as it is played again.
  void OfferKeptMatchWhenShown(MatchRecorder* recorder) {
    offerKeptMatch_ = true;
    recorder_ = recorder;
  }
  // Leaves a replay or the lesson, so that the match on the table is the player's own.
  void PutGameBack() {
    LeaveReplay();
    LeaveLesson();
  }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void CreateMenu();
  void ScaleMenu(qreal zoom);
  void CreateBanner();
  // The 成績 window, and what the player asked of a match there.
  void OpenStatistics();
  void StartReplay(std::int64_t id);
  void DealAgain(std::int64_t id);
  // The 配り button's menu, and its two commands: a match from a typed code, and the day's deal.
  void ShowDealMenu();
  void PlayCode();
  void PlayDaily();
  // Puts the game back as the replay found it, if one is open.
  void LeaveReplay();
  // Puts the game back as the lesson found it, if one is open.
  void LeaveLesson();
  void ShowLessonCaption(const LessonCaption* caption);
  void PlaceBanner();
  // Runs one event of the game, then shows the board as the core left it. A request to end made
  // while its cards flew is answered once they have landed.
  template <typename Handler>
  void Run(Handler handler);

  Game& game_;
  QtPlatform& platform_;
  BoardView* board_;
  QPointer<ReplayBar> replayBar_;
  QLabel* banner_ = nullptr;
  std::function<void()> afterLeaving_;
  std::unique_ptr<Lesson> lesson_;
  QPointer<LessonPanel> lessonPanel_;
  bool offerLesson_ = false;
  bool offerKeptMatch_ = false;
  MatchRecorder* recorder_ = nullptr;
};

}  // namespace pg::ui
