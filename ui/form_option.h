// The options dialog 「オプション」: faces, yaku display, screen size, wallpaper, card speed and the
// computer's level.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "ui/core_dialog.h"

class QCheckBox;
class QComboBox;
class QLayout;
class QCloseEvent;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace pg {
struct Game;
}

namespace pg::ui {

class BoardView;

class FormOption : public CoreDialog {
 public:
  FormOption(Game& game, BoardView& board, QWidget* parent);

  void SyncFromCore() override;
  void setVisible(bool visible) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  // The close box only hides it, as "OK" does.
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  QWidget* CreateFaces();
  QWidget* CreateDisplayModes();
  QWidget* CreateScreenModes();
  QWidget* CreateWallpapers();
  QWidget* CreateSpeed();
  QWidget* CreateLevels();
  QWidget* CreateHints();
  QLayout* CreateLanguage();
  void HandleLater(std::function<void()> handler);
  void ApplyFileName();
  void Close();

  Game& game_;
  BoardView& board_;
  std::array<QLabel*, 2> faces_{};
  std::array<QLabel*, 2> faceFiles_{};
  std::array<QRadioButton*, 3> dekiYaku_{};
  std::array<QRadioButton*, 2> sOption_{};
  std::array<QRadioButton*, 4> wall_{};
  QLineEdit* wFileName_;
  QSlider* slider_;
  // One button a level kLevels lists, weakest first.
  std::vector<QRadioButton*> levels_;
  QLabel* levelNote_ = nullptr;
  QCheckBox* hints_ = nullptr;
  QComboBox* language_ = nullptr;
  QCheckBox* cardMarks_ = nullptr;
  QWidget* tableSizeRow_ = nullptr;
  std::array<QRadioButton*, 3> tableSizes_{};
  bool syncing_ = false;
  // A file name typed since the box last applied one.
  bool fileEdited_ = false;
  bool opening_ = false;
  // An application of the file name waits for the event that asked for it to end.
  bool applyQueued_ = false;
};

}  // namespace pg::ui
