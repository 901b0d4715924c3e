// The help window: our own document in a browser, standing in for the platform's help viewer.
#pragma once

#include <QWidget>

class QTextBrowser;

namespace pg::ui {

// The contents page, where every request for help opens the document.
inline constexpr const char* kHelpContents = "qrc:/help/index.html";

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // Shows the one help window at the contents: made over `owner` the first time, raised after that.
  static HelpWindow* Open(QWidget* owner);

 private:
  explicit HelpWindow(QWidget* owner);
  void PlaceOver(const QWidget* owner);

  QTextBrowser* browser_;
};

}  // namespace pg::ui
