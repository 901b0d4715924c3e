// The rule dialog 「ルールの変更」: four button pairs and two point controls, which are the rules.
#pragma once

#include <array>

#include "ui/core_dialog.h"

class QCloseEvent;
class QLabel;
class QRadioButton;
class QSpinBox;
class QWidget;

namespace pg {
struct Game;
}

namespace pg::ui {

class FormRule : public CoreDialog {
 public:
  FormRule(Game& game, QWidget* parent);

  void SyncFromCore() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // The close box only hides it, as "OK" does.
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  Game& game_;
  std::array<std::array<QRadioButton*, 2>, 4> options_{};
  std::array<QWidget*, 2> pointFrames_{};
  std::array<QSpinBox*, 2> points_{};
  QWidget* ok_;
  bool syncing_ = false;
};

}  // namespace pg::ui
