// A dialog whose controls show the core's state: it is redrawn from that state whenever the core asks.
#pragma once

#include <QDialog>

namespace pg::ui {

class CoreDialog : public QDialog {
 public:
  using QDialog::QDialog;
  // Takes every caption, position and enabled state from the core.
  virtual void SyncFromCore() = 0;

 protected:
  // Over the middle of the main window, as the small dialogs open.
  void CentreOverParent() {
    if (QWidget* main = parentWidget()) {
      const QRect frame = main->frameGeometry();
      move(frame.left() + (frame.width() - width()) / 2, frame.top() + (frame.height() - height()) / 2);
    }
  }
};

}  // namespace pg::ui
