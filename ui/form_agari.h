// The win dialog 「出来役」 on screen: it shows the core's WinDialogState and passes clicks back.
#pragma once

#include <array>

#include "ui/core_dialog.h"

class QCloseEvent;
class QKeyEvent;
class QShowEvent;
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
  // No button holds the focus when the dialog opens, so a key pressed for the table cannot
  // choose; Tab and the arrows reach the buttons, Enter or Space presses the focused one.
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  static constexpr int kRows = 8;

  // The next (step 1) or previous (step -1) button that can be pressed, from the focused one.
  QPushButton* Beside(int step) const;

  pg::Game& game_;
  QGroupBox* nam_;
  std::array<QLabel*, kRows> yakunam_{};
  std::array<QLabel*, kRows> yakuten_{};
  QFrame* line1_;
  QLabel* label1_;
  QLabel* sum_;
  QLabel* decision_ = nullptr;
  QLabel* counsel_ = nullptr;
  QLabel* bonus_;
  std::array<QPushButton*, 3> command1_{};
};

}  // namespace pg::ui
