// A dialog whose controls show the core's state: it is redrawn from that state whenever the core asks.
#pragma once

#include <QDialog>
#include <functional>
#include <utility>

namespace pg::ui {

class CoreDialog : public QDialog {
 public:
  using QDialog::QDialog;
  // Takes every caption, position and enabled state from the core.
  virtual void SyncFromCore() = 0;
  // How the main window's table is redrawn once a handler of the dialog has run.
  void SetBoardRedraw(std::function<void()> redraw) { redrawBoard_ = std::move(redraw); }

 protected:
  // Runs a handler of the core, then shows the table and the dialog as the core left them.
  void CallCore(const std::function<void()>& handler) {
    handler();
    if (redrawBoard_) redrawBoard_();
    SyncFromCore();
  }

  // Over the middle of the main window, as the small dialogs open.
  void CentreOverParent() {
    if (QWidget* main = parentWidget()) {
      const QRect frame = main->frameGeometry();
      move(frame.left() + (frame.width() - width()) / 2, frame.top() + (frame.height() - height()) / 2);
    }
  }

 private:
  std::function<void()> redrawBoard_;
};

}  // namespace pg::ui
