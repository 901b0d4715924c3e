// The help window: our own document in a browser, standing in for the platform's help viewer.
#pragma once

#include <QUrl>
#include <QWidget>
#include <functional>

class QTextBrowser;

namespace pg::ui {

// The contents page, where every request for help opens the document.
inline constexpr const char* kHelpContents = "qrc:/help/index.html";

// The page of `url` in the reader's language: in English the page of the same name under help/en, and the
// Japanese one while that page has no English yet; in Japanese always the Japanese one. Anchors are kept.
QUrl PageInLanguage(const QUrl& url, bool english);

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  // Shows the one help window at the contents: made over `owner` the first time, raised after that.
  static HelpWindow* Open(QWidget* owner);
  // What the lesson's button and the contents' link do: the main window opens the lesson.
  static void SetLessonOpener(std::function<void()> open);

 private:
  explicit HelpWindow(QWidget* owner);
  void PlaceOver(const QWidget* owner);
  void FollowLink(const QUrl& url);

  QTextBrowser* browser_;
};

}  // namespace pg::ui
