// A bare Qt Widgets window showing a Japanese label, which quits by itself once it has been painted.
// The game's resident memory at start is measured against this one's, each run with
// PETALGAME_QUIT_WHEN_SHOWN=1 set for the game, under the same display:
//   /usr/bin/time -v petalgame32-bare-window
//   PETALGAME_QUIT_WHEN_SHOWN=1 /usr/bin/time -v petalgame32
#include <QApplication>
#include <QLabel>
#include <QTimer>

namespace {

// Quits after the first paint has reached the screen, as the game does when told to.
class Label : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    QTimer::singleShot(0, qApp, &QApplication::quit);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  Label label("花札こいこい");
  label.resize(240, 80);
  label.show();
  return QApplication::exec();
}
