// The game speaks only Japanese, so Qt's translations are loaded whatever the desktop's language.
#include "ui/qt_japanese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace pg::ui {

bool InstallQtJapanese() {
  static QTranslator* translator = nullptr;
  if (translator) return true;
  auto* loaded = new QTranslator(QCoreApplication::instance());
  if (!loaded->load("qtbase_ja", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete loaded;
    return false;
  }
  QCoreApplication::installTranslator(loaded);
  translator = loaded;
  return true;
}

}  // namespace pg::ui
