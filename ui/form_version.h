// The version dialog 「ﾊﾞｰｼﾞｮﾝ情報」: the picture, the credits and "OK".
#pragma once

#include "ui/core_dialog.h"

class QCloseEvent;

namespace pg {
struct Game;
}

namespace pg::ui {

class FormVersion : public CoreDialog {
 public:
  FormVersion(const Game& game, QWidget* parent);

  void SyncFromCore() override {}

 protected:
  // The close box only hides it, as "OK" does.
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  const Game& game_;
};

}  // namespace pg::ui
