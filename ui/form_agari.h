// The win dialog 「出来役」 on screen: it shows the core's WinDialogState and passes clicks back.
#pragma once

#include <array>

#include "ui/core_dialog.h"

class QCloseEvent;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace pg {
struct Game;
}

namespace pg::ui {

class FormAgari : public CoreDialog {
 public:
  FormAgari(pg::Game& game, QWidget* parent);

  void SyncFromCore() override;

 protected:
  // The dialog ends only when the core's timer ends it: not from the title bar, not by Escape.
  void closeEvent(QCloseEvent* event) override;
  void reject() override {}

 private:
  static constexpr int kRows = 8;

  pg::Game& game_;
  QGroupBox* nam_;
  std::array<QLabel*, kRows> yakunam_{};
  std::array<QLabel*, kRows> yakuten_{};
  QFrame* line1_;
  QLabel* label1_;
  QLabel* sum_;
  QLabel* bonus_;
  std::array<QPushButton*, 3> command1_{};
};

}  // namespace pg::ui
