// The name dialog 「名前入力」: the places the match took, and the name for them.
#pragma once

#include "ui/core_dialog.h"

class QCloseEvent;
class QLabel;
class QLineEdit;

namespace pg {
struct Game;
}

namespace pg::ui {

class FormInputName : public CoreDialog {
 public:
  FormInputName(Game& game, QWidget* parent);

  void SyncFromCore() override;

 protected:
  void showEvent(QShowEvent* event) override;
  // "OK" with a name is the only way out.
  void closeEvent(QCloseEvent* event) override;
  void reject() override {}

 private:
  Game& game_;
  QLabel* total_;
  QLabel* gameLine_;
  QLineEdit* inputName_;
  QLabel* bytesLeft_;
};

}  // namespace pg::ui
