// The title shown while the game prepares itself.
#pragma once

#include <QWidget>

namespace pg {
struct Game;
}

namespace pg::ui {

class TitleWindow : public QWidget {
 public:
  // Shows the title centred on the screen at once.
  TitleWindow();
  // Runs the game's setup, and after two seconds shows `main` and closes the title.
  void Start(Game& game, QWidget& main);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace pg::ui
