// The wait window 「しばらくお待ちください」, shown while another copy holds the status file's lock.
#pragma once

#include "ui/core_dialog.h"

class QCloseEvent;
class QPushButton;

namespace pg {
struct Game;
}

namespace pg::ui {

class FormWait : public CoreDialog {
 public:
  FormWait(const Game& game, QWidget* parent);

  void SyncFromCore() override;

 protected:
  void showEvent(QShowEvent* event) override;
  // Only the core's timer, or the way back, ends it.
  void closeEvent(QCloseEvent* event) override;
  void reject() override {}

 private:
  const Game& game_;
  QPushButton* wayBack_;
};

}  // namespace pg::ui
