// The one QApplication the widget tests share, created on first use.
#pragma once

#include <QApplication>

namespace pg::test {

inline bool EnsureApplication() {
  static int argc = 1;
  static char name[] = "petalgame_ui_tests";
  static char* argv[] = {name, nullptr};
  if (!QApplication::instance()) new QApplication(argc, argv);
  return true;
}

}  // namespace pg::test
