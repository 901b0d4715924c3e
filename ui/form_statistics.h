// The statistics window 「成績」: the player's counters, koi-koi figures and four charts over the
// stored matches, with filters and the exports.
#pragma once

#include <QDialog>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "records/history_database.h"
#include "records/history_statistics.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace pg {
struct Game;
}

namespace pg::ui {

class BarChart;
class MatchListModel;
class ShareLineChart;

// What the player asked of a match in the list when the window closed.
struct MatchRequest {
  enum class Kind { None, Replay, DealAgain, Review, Code, Daily };
  Kind kind = Kind::None;
  std::int64_t id = 0;
};

class FormStatistics : public QDialog {
 public:
  FormStatistics(std::filesystem::path historyPath, QWidget* parent);

  // Reads history.db again; false when it could not be opened (the player has been told why).
  bool Reload();
  MatchRequest Request() const { return request_; }

 private:
  void Refresh();
  void Ask(MatchRequest::Kind kind);
  // The selected match, or null.
  const HistoryRow* Selected() const;
  void CopyCode();
  void ShowDaily();
  void Export(bool jsonLines);
  StatisticsFilter Filter() const;

  std::filesystem::path historyPath_;
  // Open while the window is: the figures and the list are counted and read from it as filtered.
  std::unique_ptr<HistoryDatabase> database_;
  // Matches of a damaged file that could not be carried into the one that replaced it.
  int lost_ = 0;
  std::vector<RuleSettings> ruleSets_;
  QComboBox* level_;
  QComboBox* rules_;
  QComboBox* period_;
  // All matches, those without hints or counsel, or those with.
  QComboBox* aid_;
  QLabel* counters_;
  QLabel* koiKoi_;
  QLabel* daily_;
  ShareLineChart* share_;
  BarChart* yaku_;
  BarChart* margins_;
  BarChart* months_;
  MatchListModel* list_;
  QTableView* listView_;
  QPushButton* replay_;
  QPushButton* review_;
  QPushButton* dealAgain_;
  QPushButton* copyCode_;
  // Says what was copied, or why the selected match has no code.
  QLabel* copied_;
  MatchRequest request_;
};

// The menu's 成績 command: opens the window over the history beside the game's STATUS.DAT, and
// tells what the player asked of a match, if anything.
MatchRequest ShowStatisticsWindow(Game& game);

}  // namespace pg::ui
