// Installs the English catalogue built from translations/, and the core's look-up through it.
#include "ui/language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>
#include <string>

#include "records/player_text.h"
#include "records/settings_file.h"
#include "ui/art/artwork.h"

namespace pg::ui {

namespace {

bool english = false;

// The catalogue is keyed by the Japanese text itself; a text it lacks stays Japanese.
std::string LookUp(const char* japanese) {
  if (*japanese == '\0') return {};
  return qtTrId(japanese).toStdString();
}

}  // namespace

void InstallLanguage(std::string_view choice) {
  const bool wantsEnglish = choice == kLanguageEnglish ||
                            (choice != kLanguageJapanese && QLocale::system().language() != QLocale::Japanese);
  if (!wantsEnglish || english) return;
  auto* catalogue = new QTranslator(QCoreApplication::instance());
  if (!catalogue->load(":/translations/petalgame32_en.qm")) {
    delete catalogue;
    return;
  }
  QCoreApplication::installTranslator(catalogue);
  SetTextLookup(LookUp);
  LetterInEnglish();
  english = true;
}

bool SpeaksEnglish() { return english; }

}  // namespace pg::ui
