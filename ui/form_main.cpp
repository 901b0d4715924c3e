// Main window: forwards clicks on cards and on the table to the game, and lays out the menu.
#include "ui/form_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QShortcut>
#include <QShowEvent>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "engine/game.h"
#include "play/ending.h"
#include "play/coded_match.h"
#include "play/hi_score.h"
#include "play/keyboard.h"
#include "play/kept_match.h"
#include "play/menu.h"
#include "play/option_dialog.h"
#include "play/pointer.h"
#include "play/replay.h"
#include "play/setup.h"
#include "play/show_how.h"
#include "records/history_database.h"
#include "ui/art/artwork.h"
#include "ui/board_view.h"
#include "ui/form_agari.h"
#include "ui/form_deal_code.h"
#include "ui/form_input_name.h"
#include "ui/form_option.h"
#include "ui/form_review.h"
#include "ui/form_rule.h"
#include "ui/form_score.h"
#include "ui/form_statistics.h"
#include "ui/form_version.h"
#include "ui/form_wait.h"
#include "ui/help_window.h"
#include "ui/lesson_panel.h"
#include "ui/picture_button.h"
#include "ui/qt_platform.h"
#include "ui/replay_bar.h"

namespace pg::ui {

namespace {

// The menu frame's separator pairs group the buttons as [play, end], [options, rules, scores], [help, info],
// [statistics, deals].
class MenuFrame : public QFrame {
 public:
  using QFrame::QFrame;
  // The menu grows with the table.
  void SetZoom(qreal zoom) {
    zoom_ = zoom;
    update();
  }
  // A button that would stick out of the frame is hidden: 配り has no room in the 640 x 480 mode,
  // where its commands are reached by their keys and from 成績.
  void FitButtons() {
    for (QWidget* button : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      button->setVisible(button->geometry().right() < width());
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QFrame::resizeEvent(event);
    FitButtons();
  }
  void paintEvent(QPaintEvent* event) override {
    QFrame::paintEvent(event);
    QPainter painter(this);
    for (int x : {160, 392, 548}) {
      const int at = qRound(x * zoom_);
      painter.setPen(palette().dark().color());
      painter.drawLine(at, qRound(2 * zoom_), at, qRound(42 * zoom_));
      painter.setPen(palette().light().color());
      painter.drawLine(at + 1, qRound(2 * zoom_), at + 1, qRound(42 * zoom_));
    }
  }

 private:
  qreal zoom_ = 1.0;
};

struct MenuEntry {
  const char* name;
  MenuPicture picture;
  const char* tip;
  int left;
  const char* shortcut;
};

constexpr MenuEntry kMenu[] = {
    {"MenuPlay", MenuPicture::Play, QT_TRID_NOOP("新しいゲームを始めます"), 8, "F2"},
    {"MenuEnd", MenuPicture::End, QT_TRID_NOOP("Petalgame 32 を終了します"), 80, "Ctrl+Q"},
    {"MenuOption", MenuPicture::Option, QT_TRID_NOOP("オプション"), 168, "Ctrl+O"},
    {"MenuRule", MenuPicture::Rule, QT_TRID_NOOP("ルールの変更"), 240, "Ctrl+R"},
    {"MenuHiScore", MenuPicture::HiScore, QT_TRID_NOOP("ハイスコア"), 312, "Ctrl+H"},
    {"MenuHelp", MenuPicture::Help, QT_TRID_NOOP("ヘルプ"), 400, "F1"},
    {"MenuInfo", MenuPicture::Info, QT_TRID_NOOP("バージョン情報"), 472, "Ctrl+I"},
    {"MenuRecord", MenuPicture::Record, QT_TRID_NOOP("成績"), 554, "Ctrl+T"},
    {"MenuDeal", MenuPicture::Deal, QT_TRID_NOOP("コードで対戦・今日の配り"), 602, nullptr},
};

constexpr const char* kCodeShortcut = "Ctrl+K";
constexpr const char* kDailyShortcut = "Ctrl+D";

using MenuCommand = void (*)(Game&);

MenuCommand Command(MenuPicture picture) {
  switch (picture) {
    case MenuPicture::Play:
      return MenuPlay;
    case MenuPicture::End:
      return MenuEnd;
    case MenuPicture::Option:
      return MenuOption;
    case MenuPicture::Rule:
      return MenuRule;
    case MenuPicture::HiScore:
      return MenuHiScore;
    case MenuPicture::Help:
      return MenuHelp;
    case MenuPicture::Info:
      return MenuInfo;
    case MenuPicture::Record:
    case MenuPicture::Deal:
      return nullptr;
  }
  return nullptr;
}

constexpr const char* kTitle = "Petalgame 32";

// One stored match, whole. What opening or reading the file found (damage, the file kept aside) is
// told first: the match may be among those that could not be carried over.
std::optional<HistoryMatch> StoredMatch(QWidget* parent, const std::filesystem::path& path, std::int64_t id) {
  HistoryOpened opened = HistoryDatabase::Open(path);
  std::optional<HistoryMatch> match = opened.database ? opened.database->LoadMatch(id) : std::nullopt;
  const std::string found = opened.notice + (opened.database ? opened.database->TakeNotice() : std::string());
  if (!found.empty()) QMessageBox::warning(parent, kTitle, QString::fromStdString(found));
  return match;
}

}  // namespace

FormMain::FormMain(Game& game, QtPlatform& platform) : game_(game), platform_(platform), board_(nullptr) {
  setWindowTitle("Petalgame 32");
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(kPlayWidth, kPlayHeight);
  board_ = new BoardView(game, this);
  board_->move(0, 0);
  // Keys go to the table, whatever was clicked last.
  setFocusProxy(board_);
  platform.Attach(&game, board_);
  // The dialogs whose handlers change the table redraw it.
  auto redrawing = [this](CoreDialog* dialog) {
    dialog->SetBoardRedraw([this] { board_->Sync(); });
    return dialog;
  };
  platform.RegisterDialog(
      Dialog::Agari, [this, redrawing, &game] { return redrawing(new FormAgari(game, this)); }, Window::Agari);
  platform.RegisterDialog(
      Dialog::Rule, [this, redrawing, &game] { return redrawing(new FormRule(game, this)); }, Window::Rule);
  platform.RegisterDialog(
      Dialog::Option, [this, redrawing, &game] { return redrawing(new FormOption(game, *board_, this)); },
      Window::Option);
  platform.RegisterDialog(
      Dialog::Score, [this, &game] { return new FormScore(game, this); }, Window::Score);
  platform.RegisterDialog(
      Dialog::Version, [this, &game] { return new FormVersion(game, this); }, Window::Version);
  platform.RegisterDialog(Dialog::InputName, [this, &game] { return new FormInputName(game, this); });
  platform.RegisterDialog(Dialog::Wait, [this, &game] { return new FormWait(game, this); });
  platform.RegisterWindow(Window::Main, this);
  CreateMenu();
  // A replayed match is read-only: the table answers no click and no key of play.
  connect(board_, &BoardView::Pressed, this, [this](ControlId control) {
    if (!replayBar_) PointerPressed(game_, control);
  });
  // In the lesson a click goes to the lesson, which lets only the taught one through.
  connect(board_, &BoardView::Released, this, [this](ControlId control) {
    if (lesson_) {
      Run([&] { lesson_->Released(control); });
    } else if (!replayBar_) {
      Run([&] { PointerReleased(game_, control); });
    }
  });
  connect(board_, &BoardView::ReviewRequested, this, [this] {
    if (!replayBar_) ShowReviewWindow(game_, kNewestMatch);
  });
  // A line of a review opens the replay at the moment it names, the better card framed.
  SetReviewReplay([this](Game& game, const HistoryMatch& match, int month, int move, std::optional<CardCode> marked) {
    const auto played = std::find_if(match.months.begin(), match.months.end(),
                                     [month](const HistoryMonth& m) { return m.month == month; });
    const int index = played == match.months.end() ? 0 : static_cast<int>(played - match.months.begin());
    LeaveReplay();
    ShowReplay(OpenReplayAt(game, match, index, move, marked));
  });
  // 「こう打てば」 shows its line as a replay; leaving it by its bar goes back to the same review.
  SetReviewShowHow([this](Game& game, const HistoryMatch& match, const computer::ReviewLine& line,
                          const computer::MatchReview& review) {
    LeaveReplay();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ReplayOpened opened = OpenShowHow(game, match, line);
    QApplication::restoreOverrideCursor();
    ShowReplay(std::move(opened), [this, match, review] { ShowReviewWindow(game_, match, review, this); });
  });
  connect(board_, &BoardView::Zoomed, this, &FormMain::ScaleMenu);
  connect(board_, &BoardView::KeyCommand, this, [this](Key key) {
    if (lesson_) {
      Run([&] { lesson_->KeyPressed(key); });
    } else if (!replayBar_) {
      Run([&] { KeyPressed(game_, key); });
    }
  });
  platform.ShowLessonWith([this](const LessonCaption* caption) { ShowLessonCaption(caption); });
  HelpWindow::SetLessonOpener([this] { OpenLesson(); });
}

void FormMain::OpenLesson() {
  LeaveReplay();
  if (lesson_) {
    activateWindow();
    return;
  }
  if (!lessonPanel_) {
    lessonPanel_ = new LessonPanel(
        this, [this] { Run([this] { if (lesson_) lesson_->Restart(); }); }, [this] { LeaveLesson(); });
  }
  show();
  raise();
  activateWindow();
  Run([this] { lesson_ = Lesson::Open(game_, game_.lessonStep); });
}

void FormMain::LeaveLesson() {
  if (!lesson_) return;
  // Taken off first: a click arriving while the table is put back finds no lesson.
  std::unique_ptr<Lesson> left = std::move(lesson_);
  left->Leave();
  board_->Sync();
}

void FormMain::ShowLessonCaption(const LessonCaption* caption) {
  board_->SetLessonMarks(caption ? caption->marked : std::vector<int>{});
  if (!lessonPanel_) return;
  if (caption) {
    lessonPanel_->Show(*caption);
  } else {
    // Made anew for the next lesson, which the window manager then places like a new window.
    lessonPanel_->hide();
    lessonPanel_->deleteLater();
    lessonPanel_ = nullptr;
  }
}

void FormMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (offerKeptMatch_) {
    offerKeptMatch_ = false;
    QTimer::singleShot(0, this, [this] { Run([this] { OfferKeptMatch(game_, recorder_); }); });
    return;
  }
  if (!offerLesson_) return;
  offerLesson_ = false;
  QTimer::singleShot(0, this, [this] {
    if (AskForLesson(game_)) OpenLesson();
  });
}

ReplayBar* FormMain::Replaying() const { return replayBar_; }

void FormMain::CreateBanner() {
  if (banner_) return;
  banner_ = new QLabel(qtTrId("再生中"), this);
  banner_->setObjectName("ReplayBanner");
  banner_->setAlignment(Qt::AlignCenter);
  banner_->setStyleSheet(
      "QLabel { background: rgba(160, 20, 20, 210); color: white; font-weight: bold;"
      " border: 1px solid white; border-radius: 4px; padding: 2px 10px; }");
  banner_->hide();
}

void FormMain::OpenStatistics() {
  LeaveReplay();
  const MatchRequest request = ShowStatisticsWindow(game_);
  if (request.kind == MatchRequest::Kind::Replay) StartReplay(request.id);
  if (request.kind == MatchRequest::Kind::DealAgain) DealAgain(request.id);
  if (request.kind == MatchRequest::Kind::Review) ShowReviewWindow(game_, request.id);
  if (request.kind == MatchRequest::Kind::Code) PlayCode();
  if (request.kind == MatchRequest::Kind::Daily) PlayDaily();
}

void FormMain::ShowDealMenu() {
  LeaveReplay();
  const pg::LocalDate today = Today();
  QMenu menu(this);
  menu.setObjectName("DealMenu");
  QAction* code = menu.addAction(qtTrId("コードで対戦…"));
  code->setShortcut(QKeySequence(kCodeShortcut));
  QAction* daily = menu.addAction(QString(qtTrId("今日の配り（%1月%2日）")).arg(today.month).arg(today.day));
  daily->setShortcut(QKeySequence(kDailyShortcut));
  const QWidget* button = findChild<QWidget*>("MenuDeal");
  ArmMenuGuard(game_);
  const QAction* chosen = menu.exec(button ? button->mapToGlobal(QPoint(0, button->height())) : QCursor::pos());
  ArmMenuGuard(game_);
  if (chosen == code) PlayCode();
  if (chosen == daily) PlayDaily();
}

void FormMain::PlayCode() {
  LeaveReplay();
  LeaveLesson();
  ArmMenuGuard(game_);
  const std::optional<DealCode> code = AskDealCode(this);
  ArmMenuGuard(game_);
  if (code) Run([&] { StartCodedGame(game_, *code); });
}

void FormMain::PlayDaily() {
  LeaveReplay();
  LeaveLesson();
  Run([&] { StartDailyGame(game_, Today()); });
}

void FormMain::StartReplay(std::int64_t id) {
  const std::optional<HistoryMatch> match = StoredMatch(this, HistoryPathBeside(game_.statusPath), id);
  if (!match) {
    QMessageBox::warning(this, kTitle, qtTrId("この対戦を記録から読めませんでした。"));
    return;
  }
  ShowReplay(Replay::Open(game_, *match));
}

void FormMain::ShowReplay(ReplayOpened replay, std::function<void()> afterLeaving) {
  if (!replay.replay) {
    QMessageBox::warning(this, kTitle, QString::fromStdString(replay.refusal));
    if (afterLeaving) afterLeaving();
    return;
  }
  afterLeaving_ = std::move(afterLeaving);
  board_->Sync();
  replayBar_ = new ReplayBar(
      game_, std::move(replay.replay), this, [this](const std::function<void()>& command) { Run(command); },
      [this] {
        platform_.AnswerWinDialog(nullptr);
        platform_.LetInputThrough(nullptr);
        if (banner_) banner_->hide();
        board_->Sync();
        if (replayBar_) replayBar_->deleteLater();
        replayBar_ = nullptr;
        // Once the bar's own event has ended: the window to go back to runs its own event loop.
        if (auto after = std::exchange(afterLeaving_, {})) QTimer::singleShot(0, this, after);
      });
  platform_.AnswerWinDialog([bar = replayBar_] { return bar ? bar->WinDialogButton() : -1; });
  platform_.LetInputThrough(replayBar_);
  // Made at the first replay: a style sheet costs memory the game need not hold from the start.
  CreateBanner();
  PlaceBanner();
  banner_->show();
  banner_->raise();
  replayBar_->show();
  activateWindow();
}

void FormMain::DealAgain(std::int64_t id) {
  const std::optional<HistoryMatch> match = StoredMatch(this, HistoryPathBeside(game_.statusPath), id);
  if (!match || match->months.empty()) {
    QMessageBox::warning(this, kTitle, qtTrId("この対戦を記録から読めませんでした。"));
    return;
  }
  Run([&] {
    if (const auto refusal = PlayDealAgain(game_, *match))
      QMessageBox::warning(this, kTitle, QString::fromStdString(*refusal));
  });
}

void FormMain::PlaceBanner() {
  banner_->adjustSize();
  const QWidget* menu = findChild<QWidget*>("MenuFrame");
  const QRect bar = menu ? menu->geometry() : QRect(0, 0, width(), 44);
  const int right = std::min(bar.right(), width() - 1);
  const QWidget* deal = findChild<QWidget*>("MenuDeal");
  const QWidget* last = deal && deal->isVisible() ? deal : findChild<QWidget*>("MenuRecord");
  const int free = last ? last->geometry().right() : right;
  // In the menu bar's free end, where it hides no card; in the 640 x 480 mode the bar has no room,
  // and the banner sits in the table's bottom corner instead, where a capture pile ends last.
  if (right - free > banner_->width() + 16) {
    banner_->move(right - banner_->width() - 8, bar.center().y() - banner_->height() / 2);
  } else {
    banner_->move(width() - banner_->width() - 4, height() - banner_->height() - 4);
  }
}

void FormMain::LeaveReplay() {
  // Left by the game for something else: not back to where the replay was opened from.
  afterLeaving_ = {};
  if (replayBar_) replayBar_->Leave();
}

template <typename Handler>
void FormMain::Run(Handler handler) {
  handler();
  board_->SetFlying(false);
  board_->Sync();
  if (!platform_.FinishFlights()) return;
  if (replayBar_ || lesson_) {
    // The replay's or the lesson's own command is still running: the question waits until the
    // game is put back.
    QTimer::singleShot(0, this, [this] {
      LeaveReplay();
      LeaveLesson();
      Run(std::function<void()>([this] { Form_QueryUnload(game_); }));
    });
    return;
  }
  Form_QueryUnload(game_);
  platform_.FinishFlights();
  board_->Sync();
}

void FormMain::CreateMenu() {
  auto* frame = new MenuFrame(this);
  frame->setObjectName("MenuFrame");
  frame->setAccessibleName(qtTrId("メニュー"));
  frame->setGeometry(1, 1, 758, 44);
  const qreal dpr = devicePixelRatioF();
  for (const MenuEntry& entry : kMenu) {
    auto* button = new AXButtonCtl(frame);
    button->setObjectName(entry.name);
    button->move(entry.left, 2);
    button->SetPicture(MenuButtonPicture(entry.picture, dpr));
    button->setToolTip(qtTrId(entry.tip));
    button->SetHoverGuard([this] { return game_.HelpJudge; });
    const MenuCommand command = Command(entry.picture);
    // A menu command during a replay or the lesson first puts the game back; the help leaves either open.
    const bool keepsReplay = entry.picture == MenuPicture::Help;
    const bool deals = entry.picture == MenuPicture::Deal;
    const std::function<void()> run = [this, command, keepsReplay, deals] {
      if (!keepsReplay) {
        LeaveReplay();
        LeaveLesson();
      }
      if (command) {
        Run([&] { command(game_); });
      } else if (deals) {
        ShowDealMenu();
      } else {
        OpenStatistics();
      }
    };
    // Any mouse button released after a press on the button runs its command.
    connect(button, &AXButtonCtl::MouseUp, this, run);
    if (!entry.shortcut) continue;
    // A held key runs the command once, as one press of the button would.
    auto* shortcut = new QShortcut(QKeySequence(entry.shortcut), this);
    shortcut->setAutoRepeat(false);
    connect(shortcut, &QShortcut::activated, this, run);
  }
  // The deal menu's two commands have keys of their own, which work in both screen modes.
  auto* codeKey = new QShortcut(QKeySequence(kCodeShortcut), this);
  auto* dailyKey = new QShortcut(QKeySequence(kDailyShortcut), this);
  for (QShortcut* key : {codeKey, dailyKey}) key->setAutoRepeat(false);
  connect(codeKey, &QShortcut::activated, this, &FormMain::PlayCode);
  connect(dailyKey, &QShortcut::activated, this, &FormMain::PlayDaily);
}

// Each button's picture is drawn anew at its larger size, so the menu stays as sharp as the table.
void FormMain::ScaleMenu(qreal zoom) {
  auto* frame = findChild<MenuFrame*>("MenuFrame");
  frame->SetZoom(zoom);
  frame->setGeometry(1, 1, frame->width(), qRound(44 * zoom));
  const qreal dpr = devicePixelRatioF();
  for (const MenuEntry& entry : kMenu) {
    auto* button = frame->findChild<AXButtonCtl*>(entry.name);
    QPixmap picture = MenuButtonPicture(entry.picture, dpr * zoom);
    picture.setDevicePixelRatio(dpr);
    button->SetPicture(picture);
    button->move(qRound(entry.left * zoom), qRound(2 * zoom));
  }
  frame->FitButtons();
}

// The request itself is refused: the game ends only through its question.
void FormMain::closeEvent(QCloseEvent* event) {
  event->ignore();
  LeaveReplay();
  LeaveLesson();
  Run([&] { Form_QueryUnload(game_); });
}

}  // namespace pg::ui
