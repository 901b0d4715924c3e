// The main window: the menu bar over the table.
#pragma once

#include <QWidget>

namespace pg {
struct Game;
}

namespace pg::ui {

class BoardView;
class QtPlatform;

class FormMain : public QWidget {
  Q_OBJECT

 public:
  FormMain(Game& game, QtPlatform& platform);

  BoardView* Board() const { return board_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateMenu();
  // Runs one event of the game, then shows the board as the core left it. A request to end made
  // while its cards flew is answered once they have landed.
  template <typename Handler>
  void Run(Handler handler);

  Game& game_;
  QtPlatform& platform_;
  BoardView* board_;
};

}  // namespace pg::ui
