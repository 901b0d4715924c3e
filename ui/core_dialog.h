// A dialog whose controls show the core's state: it is redrawn from that state whenever the core asks.
#pragma once

#include <QDialog>

namespace pg::ui {

class CoreDialog : public QDialog {
 public:
  using QDialog::QDialog;
  // Takes every caption, position and enabled state from the core.
  virtual void SyncFromCore() = 0;
};

}  // namespace pg::ui
