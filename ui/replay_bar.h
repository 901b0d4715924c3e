// The replay's controls, in a small window under the main window's table: step back and forward a
// move, go to a month, play on by itself at the card speed, and leave. The keyboard works too:
// Left and Right step, Space starts and stops, Esc leaves.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace pg {
struct Game;
class Replay;
}  // namespace pg

namespace pg::ui {

class ReplayBar : public QWidget {
 public:
  // `run` runs one event of the game as the main window runs a click; `left` is called once the
  // replay has put the game back, and the bar may be deleted then.
  ReplayBar(Game& game, std::unique_ptr<Replay> replay, QWidget* mainWindow,
            std::function<void(const std::function<void()>&)> run, std::function<void()> left);
  ~ReplayBar() override;

  void Forward();
  void Back();
  void ToggleAutoplay();
  void Leave();
  // The win dialog's button that answers as the match was played, or -1.
  int WinDialogButton() const;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Runs a replay command unless one is still running (its cards may still be flying).
  void Do(const std::function<void()>& command);
  void SetAutoplay(bool on);
  void StopAutoplay();
  void ShowPosition();
  void PlaceUnder();

  Game& game_;
  std::unique_ptr<Replay> replay_;
  QWidget* mainWindow_;
  std::function<void(const std::function<void()>&)> run_;
  std::function<void()> left_;
  QPushButton* back_;
  QPushButton* forward_;
  QPushButton* autoplay_;
  QComboBox* month_;
  QLabel* position_;
  QTimer* timer_;
  bool busy_ = false;
};

}  // namespace pg::ui
