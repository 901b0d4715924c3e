// Qt side of the platform. Animation steps run a short event loop that paints but drops input, so
// clicks made while a card flies are lost rather than queued.
#include "ui/qt_platform.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcutEvent>
#include <QTimer>
#include <QWindow>

#include <atomic>
#include <thread>

#include "engine/game.h"
#include "engine/geometry.h"
#include "engine/window_place.h"
#include "play/agari.h"
#include "play/timers.h"
#include "ui/art/artwork.h"
#include "ui/board_accessible.h"
#include "ui/language.h"
#include "ui/board_view.h"
#include "ui/core_dialog.h"
#include "ui/core_text.h"
#include "ui/help_window.h"
#include "ui/picture_file.h"
#include "ui/qt_japanese.h"
#include "ui/system_sound.h"

namespace pg::ui {

namespace {

int PixelsOf(double twips) { return qRound(twips / kTwipsPerPixel); }
double TwipsOf(int pixels) { return pixels * static_cast<double>(kTwipsPerPixel); }

// A title bar and thin borders, as most window managers draw them.
constexpr QMargins kUsualFrame(4, 24, 4, 4);

bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

// Input is dropped at the native window, before any widget sees it, so the widget is looked up.
bool PressedOn(QEvent* event, const char* name) {
  const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
  for (const QWidget* widget = QApplication::widgetAt(at); widget; widget = widget->parentWidget()) {
    if (widget->objectName() == name) return true;
  }
  return false;
}

// "description|patterns|description|patterns" as the file dialog's "description (patterns);;…".
QString FilterOf(std::string_view filter) {
  const QStringList parts = Q(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    filters << QString("%1 (%2)").arg(parts[i], patterns);
  }
  return filters.join(";;");
}

QMargins MarginsOf(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                  frame.bottom() - client.bottom());
}

// The window manager draws a frame only once a window is shown; until then the main window's
// frame, or a usual one, stands in.
QMargins FrameMargins(const QWidget& window) {
  if (window.isVisible() && !MarginsOf(window).isNull()) return MarginsOf(window);
  const QWidget* main = window.parentWidget() ? window.parentWidget()->window() : nullptr;
  if (main && main->isVisible() && !MarginsOf(*main).isNull()) return MarginsOf(*main);
  // Frames are drawn in the screen's own pixels, which a scale factor makes smaller.
  return kUsualFrame / window.devicePixelRatioF();
}

WindowFrame FrameOfWidget(const QWidget& window) {
  // A dialog takes its size from its layout when first shown.
  const QSize size = window.isVisible() || window.testAttribute(Qt::WA_Resized)
                         ? window.size()
                         : window.sizeHint().expandedTo(window.minimumSize());
  const QMargins margins = FrameMargins(window);
  return WindowFrame{size.width(), size.height(), margins.left(), margins.top(), margins.right(), margins.bottom()};
}

}  // namespace

QtPlatform::QtPlatform() {
  qApp->installEventFilter(this);
  if (!SpeaksEnglish()) InstallQtJapanese();
  InstallAccessibility();
}

void QtPlatform::Attach(Game* game, BoardView* view) {
  game_ = game;
  view_ = view;
}

void QtPlatform::RegisterDialog(Dialog which, std::function<CoreDialog*()> make, std::optional<Window> window) {
  dialogs_[which] = {std::move(make), window};
}

CoreDialog* QtPlatform::DialogOf(Dialog which) {
  const auto it = dialogs_.find(which);
  if (it == dialogs_.end()) return nullptr;
  LazyDialog& dialog = it->second;
  if (!dialog.made) {
    dialog.made = dialog.make();
    if (dialog.window) {
      RegisterWindow(*dialog.window, dialog.made);
      const auto place = unmadePlaces_.find(*dialog.window);
      if (place != unmadePlaces_.end()) {
        PlaceWindow(*dialog.window, static_cast<int>(place->second.left), static_cast<int>(place->second.top));
        unmadePlaces_.erase(place);
      }
    }
  }
  return dialog.made;
}

void QtPlatform::RegisterWindow(Window which, QWidget* window) { windows_[which] = window; }

// Qt places a window whose native window does not exist yet by its frame, and one that exists by
// its client area; creating it first makes every place a client place, the kind that is saved.
void QtPlatform::PlaceWindow(Window window, int leftTwips, int topTwips) {
  const auto it = windows_.find(window);
  if (it == windows_.end()) {
    for (const auto& [which, dialog] : dialogs_) {
      if (dialog.window == window)
        unmadePlaces_[window] = {static_cast<double>(leftTwips), static_cast<double>(topTwips)};
    }
    return;
  }
  QWidget* widget = it->second;
  widget->winId();
  widget->move(PixelsOf(leftTwips), PixelsOf(topTwips));
}

// The client area's place, as a minimised window would still have it restored.
std::optional<WindowOrigin> QtPlatform::NormalWindowOrigin(Window window) {
  const auto it = windows_.find(window);
  if (it == windows_.end()) {
    const auto place = unmadePlaces_.find(window);
    if (place != unmadePlaces_.end()) return place->second;
    return std::nullopt;
  }
  const QWidget* widget = it->second;
  const QPoint origin = widget->isMinimized() ? widget->normalGeometry().topLeft() : widget->geometry().topLeft();
  return WindowOrigin{TwipsOf(origin.x()), TwipsOf(origin.y())};
}

std::optional<WindowFrame> QtPlatform::FrameOf(Window window) {
  const auto it = windows_.find(window);
  if (it == windows_.end()) return std::nullopt;
  return FrameOfWidget(*it->second);
}

std::vector<ScreenArea> QtPlatform::AvailableScreens() { return AvailableScreenAreas(); }

std::vector<ScreenArea> AvailableScreenAreas() {
  std::vector<ScreenArea> areas;
  QList<QScreen*> screens = QGuiApplication::screens();
  if (QScreen* primary = QGuiApplication::primaryScreen()) {
    screens.removeAll(primary);
    screens.prepend(primary);
  }
  for (const QScreen* screen : screens) {
    const QRect area = screen->availableGeometry();
    areas.push_back({area.x(), area.y(), area.width(), area.height()});
  }
  return areas;
}

void KeepOnScreen(QWidget& window) {
  const QPoint client = window.geometry().topLeft();
  const WindowOrigin origin{TwipsOf(client.x()), TwipsOf(client.y())};
  const WindowOrigin place = PlaceOnScreen(origin, FrameOfWidget(window), AvailableScreenAreas());
  if (place.left != origin.left || place.top != origin.top) {
    window.move(PixelsOf(place.left), PixelsOf(place.top));
  }
}

void QtPlatform::SetScreenMode(bool small) {
  if (!view_) return;
  view_->SetSmallMode(small);
  QWidget* main = view_->window();
  main->setFixedSize(view_->size());
  // The menu bar's ground spans the table; its buttons keep their size.
  if (auto* frame = main->findChild<QWidget*>("MenuFrame")) frame->resize(view_->width() - 2, frame->height());
}

void QtPlatform::Announce(std::string_view utf8) {
  if (view_) AnnounceOnTable(view_, QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

void QtPlatform::SetTableSize(int percent) {
  if (!view_) return;
  QWidget* main = view_->window();
  view_->SetZoom(percent / 100.0);
  main->setFixedSize(view_->size());
  if (auto* frame = main->findChild<QWidget*>("MenuFrame")) frame->resize(view_->width() - 2, frame->height());
  // Grown at its place, the window may reach past the screen's edge: brought back as at start.
  if (main->isVisible()) KeepOnScreen(*main);
}

int QtPlatform::ScreenWidthPixels() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().width() : 0;
}

void QtPlatform::SetWaitCursor(bool waiting) {
  if (waiting) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

namespace {

// The quit button and the close box are the only input that reaches the game while it thinks: a
// quit waits for the thought to end, since the thinking thread still reads the game.
bool AnswersWhileThinking(const QObject* watched, QEvent::Type type) {
  if (type == QEvent::Close) return true;
  const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease;
  return mouse && watched->objectName() == "MenuEnd";
}

}  // namespace

bool QtPlatform::eventFilter(QObject* watched, QEvent* event) {
  if (thinking_ && AnswersWhileThinking(watched, event->type())) return QObject::eventFilter(watched, event);
  const auto* widget = qobject_cast<const QWidget*>(watched);
  const bool through = inputThrough_ && widget && widget->window() == inputThrough_;
  if (dropInput_ && IsInput(event->type()) && !through) {
    NoteInputWhileFlying(watched, event);
    event->ignore();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

void QtPlatform::SyncOpenDialogs() {
  for (auto& [which, dialog] : dialogs_) {
    if (dialog.made && dialog.made->isVisible()) dialog.made->SyncFromCore();
  }
}

void QtPlatform::NoteInputWhileFlying(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const auto* key = type == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
  // With the keyboard focus on the board the key comes as the menu's shortcut, not as a key press.
  const bool endKey =
      (key && key->key() == Qt::Key_Q && key->modifiers() == Qt::ControlModifier) ||
      (type == QEvent::Shortcut && static_cast<QShortcutEvent*>(event)->key() == QKeySequence(Qt::CTRL | Qt::Key_Q));
  const bool endButton = type == QEvent::MouseButtonPress && PressedOn(event, "MenuEnd");
  // The close box's request reaches the main window's native window before the widget.
  QWidget* main = view_ ? view_->window() : nullptr;
  const bool closeBox = type == QEvent::Close && main && (watched == main || watched == main->windowHandle());
  if (endKey || endButton || closeBox) endRequested_ = true;
  if (endRequested_ || type == QEvent::MouseButtonPress || (key && key->key() == Qt::Key_Escape)) {
    landing_ = true;
    if (stepLoop_) stepLoop_->quit();
  }
}

bool QtPlatform::FinishFlights() {
  landing_ = false;
  const bool end = endRequested_;
  endRequested_ = false;
  return end;
}

bool QtPlatform::ShowStep() {
  if (landing_) return false;
  ShowFor(stepMs_);
  return !landing_;
}

void QtPlatform::ShowPaced(int ms) { ShowFor(stepMs_ == 0 ? 0 : ms); }

void QtPlatform::ShowFor(int ms) {
  ++stepsShown_;
  if (view_) {
    view_->SetFlying(true);
    view_->Sync();
  }
  SyncOpenDialogs();
  dropInput_ = true;
  QEventLoop loop;
  stepLoop_ = &loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
  stepLoop_ = nullptr;
  dropInput_ = false;
}

void QtPlatform::Think(std::function<void()> work) {
  QEventLoop loop;
  std::atomic<bool> done{false};
  std::thread worker([&] {
    work();
    done = true;
    QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
  });
  if (view_) view_->Sync();
  const bool dropping = dropInput_;
  dropInput_ = thinking_ = true;
  // The loop also ends early when the application quits; the thread is still waited for.
  if (!done) loop.exec();
  worker.join();
  thinking_ = false;
  dropInput_ = dropping;
}

void QtPlatform::RunInBackground(std::function<std::function<void()>()> work) {
  background_.setMaxThreadCount(1);
  background_.start([this, work = std::move(work)] {
    std::function<void()> deliver = work();
    QMetaObject::invokeMethod(
        this,
        [this, deliver = std::move(deliver)] {
          deliver();
          if (view_) view_->Sync();
        },
        Qt::QueuedConnection);
  });
}

void QtPlatform::Redraw() {
  if (view_) view_->Sync();
  SyncOpenDialogs();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int QtPlatform::TextWidth(std::string_view utf8, int pointSize) {
  return view_ ? view_->TextWidth(Q(utf8), pointSize) : 0;
}

PictureLoad QtPlatform::LoadBackground(const std::string& path) {
  QPixmap picture;
  const PictureLoad load = LoadPictureFile(QString::fromStdString(path), picture);
  if (load == PictureLoad::Loaded && view_) view_->SetBackground(picture);
  return load;
}

void QtPlatform::ClearBackground() {
  if (view_) view_->SetBackground(QPixmap());
}

PictureLoad QtPlatform::LoadFace(int index, const std::string& path) {
  if (!view_) return PictureLoad::Failed;
  if (path.empty()) {
    view_->SetBuiltInFace(index);
    return PictureLoad::Loaded;
  }
  QPixmap picture;
  const PictureLoad load = LoadPictureFile(QString::fromStdString(path), picture);
  if (load == PictureLoad::Loaded) view_->SetFace(index, FitInSquare(picture, kFaceSize, view_->PictureRatio()));
  return load;
}

void QtPlatform::RunModal(Dialog which) {
  CoreDialog* dialog = DialogOf(which);
  if (!dialog) return;
  if (view_) view_->Sync();
  dialog->SyncFromCore();
  // Each showing brings the dialog onto a screen, now that the main window's frame tells how large
  // the dialog's will be.
  KeepOnScreen(*dialog);
  if (which == Dialog::Agari && winDialogAnswer_) {
    constexpr int kReadingMs = 1200;
    QTimer::singleShot(kReadingMs, dialog, [this] {
      const int button = winDialogAnswer_ ? winDialogAnswer_() : -1;
      if (game_ && button >= 0) AgariCommandClick(*game_, button);
    });
  }
  dialog->exec();
}

void QtPlatform::EndModal(Dialog dialog) {
  const auto it = dialogs_.find(dialog);
  if (it != dialogs_.end() && it->second.made) it->second.made->done(QDialog::Accepted);
}

void QtPlatform::StartTimer(Timer timer, int intervalMs) {
  QTimer*& qtimer = timers_[timer];
  if (!qtimer) {
    qtimer = new QTimer(this);
    connect(qtimer, &QTimer::timeout, this, [this, timer] {
      if (game_) TimerTick(*game_, timer);
    });
  }
  qtimer->start(intervalMs);
}

void QtPlatform::StopTimer(Timer timer) {
  const auto it = timers_.find(timer);
  if (it != timers_.end()) it->second->stop();
}

MessageAnswer QtPlatform::ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                                      MessageButtons buttons) {
  // Before the main window is shown (a missing wallpaper at start-up) the box centres on the screen.
  QWidget* main = view_ ? view_->window() : nullptr;
  QMessageBox box(main && main->isVisible() ? main : nullptr);
  box.setWindowTitle(Q(title));
  box.setText(Q(text));
  box.setIcon(icon == MessageIcon::Exclamation ? QMessageBox::Warning
              : icon == MessageIcon::Question  ? QMessageBox::Question
                                               : QMessageBox::Information);
  if (buttons != MessageButtons::Ok) {
    QPushButton* yes = box.addButton(qtTrId("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(qtTrId("いいえ(&N)"), QMessageBox::NoRole);
    if (buttons == MessageButtons::YesNoDefaultNo) box.setDefaultButton(no);
    box.exec();
    return box.clickedButton() == yes ? MessageAnswer::Yes : MessageAnswer::No;
  }
  QPushButton* ok = box.addButton("OK", QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
  return MessageAnswer::Ok;
}

std::optional<std::string> QtPlatform::PickFile(std::string_view filter) {
  const QString file =
      QFileDialog::getOpenFileName(view_ ? view_->window() : nullptr, qtTrId("ファイルを開く"), QString(), FilterOf(filter));
  if (file.isEmpty()) return std::nullopt;
  return file.toStdString();
}

void QtPlatform::PlaySystemSound(std::string_view name) { ui::PlaySystemSound(name); }

// Every help file the core asks for is our one document, opened at its contents.
void QtPlatform::ShowLesson(const LessonCaption* caption) {
  if (lessonShown_) lessonShown_(caption);
}

void QtPlatform::ShowHelp(std::string_view) { HelpWindow::Open(view_ ? view_->window() : nullptr); }

std::uint64_t QtPlatform::Now() { return static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()); }

void QtPlatform::Quit() { QApplication::exit(0); }

}  // namespace pg::ui
