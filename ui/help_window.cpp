// The help window: a browser over the document in the help resource, with back, forward and contents.
#include "ui/help_window.h"

#include "ui/language.h"

#include <QAction>
#include <QFile>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

// Outside any namespace because Q_INIT_RESOURCE declares a global symbol; the call is what keeps
// the resource object in the link when the library is static.
static void LoadHelpResources() { Q_INIT_RESOURCE(help); }

namespace pg::ui {

namespace {

// Small enough that the window and its frame fit a 640 x 480 screen.
constexpr QSize kPreferredSize(600, 420);
constexpr int kFrameAllowance = 40;
constexpr int kPageMargin = 10;

// The contents link to the lesson with this scheme; the browser itself has no page for it.
constexpr const char* kLessonScheme = "lesson";

std::function<void()>& LessonOpener() {
  static std::function<void()> open;
  return open;
}

QString StyleSheet() {
  QFile file(":/help/help.css");
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

QUrl PageInLanguage(const QUrl& url, bool english) {
  static const QString kJapanese = "/help/", kEnglish = "/help/en/";
  const QString path = url.path();
  if (url.scheme() != "qrc" || !path.startsWith(kJapanese)) return url;
  const QString name = path.startsWith(kEnglish) ? path.mid(kEnglish.size()) : path.mid(kJapanese.size());
  if (name.contains('/')) return url;
  QUrl page = url;
  page.setPath((english && QFile::exists(":" + kEnglish + name) ? kEnglish : kJapanese) + name);
  return page;
}

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
  setWindowTitle(qtTrId("Petalgame 32 ヘルプ"));
  setMinimumSize(320, 240);

  browser_ = new QTextBrowser(this);
  // The pages share one style sheet; it applies to every page the browser loads after this.
  browser_->document()->setDefaultStyleSheet(StyleSheet());
  browser_->document()->setDocumentMargin(kPageMargin);

  auto* tools = new QToolBar(this);
  tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QAction* back =
      tools->addAction(style()->standardIcon(QStyle::SP_ArrowBack), qtTrId("戻る"), browser_, &QTextBrowser::backward);
  QAction* forward =
      tools->addAction(style()->standardIcon(QStyle::SP_ArrowForward), qtTrId("進む"), browser_, &QTextBrowser::forward);
  // Home is the first page the browser showed: the contents.
  tools->addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView), qtTrId("目次"), browser_, &QTextBrowser::home);
  tools->addSeparator();
  QAction* lesson = tools->addAction(style()->standardIcon(QStyle::SP_MediaPlay), qtTrId("はじめてのこいこい"), this, [] {
    if (LessonOpener()) LessonOpener()();
  });
  lesson->setToolTip(qtTrId("札を打ちながら遊び方を覚えるレッスン（約5分）を始めます"));
  back->setShortcut(QKeySequence::Back);
  forward->setShortcut(QKeySequence::Forward);
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tools);
  layout->addWidget(browser_);

  // Links are followed here, so the lesson's link opens the lesson instead of a page.
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
  browser_->setSource(PageInLanguage(QUrl(kHelpContents), SpeaksEnglish()));
  PlaceOver(owner);
}

HelpWindow* HelpWindow::Open(QWidget* owner) {
  static const bool loaded = (LoadHelpResources(), true);
  Q_UNUSED(loaded);
  static QPointer<HelpWindow> window;
  if (!window) window = new HelpWindow(owner);
  // Asking again means asking for the contents; the page read before stays one step back.
  const QUrl contents = PageInLanguage(QUrl(kHelpContents), SpeaksEnglish());
  if (window->browser_->source() != contents) window->browser_->setSource(contents);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

void HelpWindow::SetLessonOpener(std::function<void()> open) { LessonOpener() = std::move(open); }

void HelpWindow::FollowLink(const QUrl& url) {
  if (url.scheme() == kLessonScheme) {
    if (LessonOpener()) LessonOpener()();
    return;
  }
  browser_->setSource(PageInLanguage(browser_->source().resolved(url), SpeaksEnglish()));
}

// Centred over the game's window where there is one, and never larger than the screen.
void HelpWindow::PlaceOver(const QWidget* owner) {
  const QScreen* screen = owner ? owner->screen() : this->screen();
  const QRect area = screen->availableGeometry();
  const QSize size = kPreferredSize.boundedTo(area.size() - QSize(kFrameAllowance / 2, kFrameAllowance));
  QRect place(QPoint(), size);
  place.moveCenter(owner ? owner->frameGeometry().center() : area.center());
  place.moveLeft(std::clamp(place.left(), area.left(), area.right() - size.width()));
  place.moveTop(std::clamp(place.top(), area.top() + kFrameAllowance / 2, area.bottom() - size.height()));
  setGeometry(place);
}

}  // namespace pg::ui
