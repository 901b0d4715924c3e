// The high-score window 「ﾊｲｽｺｱ」: both tables on two tabs, the rows entered just now in bold.
#pragma once

#include <array>

#include "ui/core_dialog.h"

class QCloseEvent;
class QGroupBox;
class QLabel;
class QListWidget;
class QTabWidget;

namespace pg {
struct Game;
}

namespace pg::ui {

class FormScore : public CoreDialog {
 public:
  FormScore(const Game& game, QWidget* parent);

  void SyncFromCore() override;

 protected:
  // The close box only hides it, as "OK" does.
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  static constexpr int kTotalRows = 5;
  static constexpr int kGameRows = 3;

  void CreateControls();
  QWidget* CreateTotalPage();
  QWidget* CreateGamePage();

  const Game& game_;
  QTabWidget* tabs_ = nullptr;
  std::array<QLabel*, kTotalRows> nam_{};
  std::array<QLabel*, kTotalRows> yten_{};
  std::array<QLabel*, kTotalRows> cten_{};
  std::array<QLabel*, kTotalRows> ten_{};
  std::array<QLabel*, kGameRows> gnam_{};
  std::array<QLabel*, kGameRows> gten_{};
  std::array<QListWidget*, kGameRows> glist_{};
};

}  // namespace pg::ui
