// The lesson's words under the table: the step (its title), what to do, why a click was refused, the twelve
// months as a row of cards, and the ways to begin again or to leave.
#pragma once

#include <QWidget>
#include <functional>

#include "engine/platform.h"

class QLabel;

namespace pg::ui {

class LessonPanel : public QWidget {
  Q_OBJECT

 public:
  LessonPanel(QWidget* mainWindow, std::function<void()> restart, std::function<void()> leave);
  void Show(const LessonCaption& caption);
  // Under the table where the screen has room, else over its foot.
  void PlaceUnder();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* MonthStrip();

  QWidget* mainWindow_;
  std::function<void()> leave_;
  QLabel* instruction_;
  QLabel* note_;
  QWidget* strip_;
};

}  // namespace pg::ui
