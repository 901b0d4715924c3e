// The replay's controls. Each command runs as a click on the table runs, so a flight shows step by
// step and a request to end made meanwhile is answered once the cards have landed.
#include "ui/replay_bar.h"
#include "ui/core_text.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/game.h"
#include "play/replay.h"

namespace pg::ui {

namespace {

// The pause between two moves of the autoplay is a card's flight across the table at the options'
// card speed (Slider pixels about every 10 ms), within bounds the eye can follow.
int AutoplayPauseMs(const Game& game) {
  constexpr int kFlightPixels = 300;
  constexpr int kStepMs = 10;
  return std::clamp(kFlightPixels * kStepMs / std::max<int>(1, game.options.Slider), 400, 1500);
}

}  // namespace

ReplayBar::ReplayBar(Game& game, std::unique_ptr<Replay> replay, QWidget* mainWindow,
                     std::function<void(const std::function<void()>&)> run, std::function<void()> left)
    : QWidget(mainWindow, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      game_(game),
      replay_(std::move(replay)),
      mainWindow_(mainWindow),
      run_(std::move(run)),
      left_(std::move(left)),
      timer_(new QTimer(this)) {
  setWindowTitle(qtTrId("再生"));
  setObjectName("ReplayBar");
  back_ = new QPushButton(qtTrId("◀ 一手戻る"));
  forward_ = new QPushButton(qtTrId("一手進む ▶"));
  autoplay_ = new QPushButton(qtTrId("自動再生"));
  autoplay_->setCheckable(true);
  month_ = new QComboBox;
  position_ = new QLabel;
  auto* leave = new QPushButton(qtTrId("やめる"));
  back_->setToolTip(qtTrId("一手前に戻ります（←）"));
  forward_->setToolTip(qtTrId("一手進めます（→）"));
  autoplay_->setToolTip(qtTrId("札の速さで自動で進めます（スペース）"));
  month_->setToolTip(qtTrId("その月の配りへ移ります"));
  leave->setToolTip(qtTrId("再生をやめて、ゲームに戻ります（Esc）"));
  for (int m = 0; m < replay_->Months(); ++m) month_->addItem(QString(qtTrId("%1か月目")).arg(replay_->MonthNumber(m)));
  auto* layout = new QHBoxLayout;
  layout->addWidget(back_);
  layout->addWidget(forward_);
  layout->addWidget(autoplay_);
  layout->addWidget(month_);
  layout->addWidget(position_, 1);
  layout->addWidget(leave);
  auto* column = new QVBoxLayout(this);
  column->addLayout(layout);
  // A 「こう打てば」 line says what came of it under the controls.
  if (!replay_->Notes().empty()) {
    setWindowTitle(qtTrId("こう打てば"));
    QStringList lines;
    for (const std::string& note : replay_->Notes()) lines << Q(note);
    auto* notes = new QLabel(lines.join('\n'));
    notes->setObjectName("ReplayNotes");
    notes->setWordWrap(true);
    column->addWidget(notes);
  }
  // The keys work wherever the focus is, the table's window or this one, and only while it is open.
  const std::pair<Qt::Key, void (ReplayBar::*)()> keys[] = {{Qt::Key_Right, &ReplayBar::Forward},
                                                            {Qt::Key_Left, &ReplayBar::Back},
                                                            {Qt::Key_Space, &ReplayBar::ToggleAutoplay},
                                                            {Qt::Key_Escape, &ReplayBar::Leave}};
  for (const auto& [key, command] : keys) {
    auto* shortcut = new QShortcut(QKeySequence(key), this);
    shortcut->setContext(Qt::ApplicationShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, command] { (this->*command)(); });
  }
  for (QWidget* control : std::initializer_list<QWidget*>{back_, forward_, autoplay_, month_, leave}) {
    control->setFocusPolicy(Qt::NoFocus);
  }
  connect(back_, &QPushButton::clicked, this, [this] { Back(); });
  connect(forward_, &QPushButton::clicked, this, [this] { Forward(); });
  connect(autoplay_, &QPushButton::clicked, this, [this](bool checked) { SetAutoplay(checked); });
  connect(leave, &QPushButton::clicked, this, [this] { Leave(); });
  connect(month_, &QComboBox::activated, this, [this](int month) {
    StopAutoplay();
    Do([this, month] { replay_->GoToMonth(month); });
  });
  timer_->setSingleShot(true);
  connect(timer_, &QTimer::timeout, this, [this] {
    Do([this] { replay_->Forward(); });
    if (!replay_ || replay_->AtEnd()) StopAutoplay();
    if (autoplay_->isChecked()) timer_->start(AutoplayPauseMs(game_));
  });
  ShowPosition();
  PlaceUnder();
}

ReplayBar::~ReplayBar() = default;

void ReplayBar::PlaceUnder() {
  adjustSize();
  const QRect main = mainWindow_->frameGeometry();
  const QRect screen = mainWindow_->screen()->availableGeometry();
  // Under the table where the screen has room, else over its foot.
  const int x =
      std::clamp(main.center().x() - width() / 2, screen.left(), std::max(screen.left(), screen.right() - width()));
  const int below = main.bottom() + 4;
  const int y =
      below + height() + 40 <= screen.bottom() ? below : std::max(screen.top(), main.bottom() - height() - 40);
  move(x, y);
}

void ReplayBar::Do(const std::function<void()>& command) {
  if (busy_ || !replay_) return;
  busy_ = true;
  run_(command);
  busy_ = false;
  ShowPosition();
}

void ReplayBar::Forward() {
  StopAutoplay();
  Do([this] { replay_->Forward(); });
}

void ReplayBar::Back() {
  StopAutoplay();
  Do([this] { replay_->Back(); });
}

void ReplayBar::ToggleAutoplay() { SetAutoplay(!autoplay_->isChecked()); }

void ReplayBar::SetAutoplay(bool on) {
  if (!on || !replay_ || replay_->AtEnd()) {
    StopAutoplay();
    return;
  }
  autoplay_->setChecked(true);
  // A step still running goes on by itself once it ends.
  if (!busy_) timer_->start(0);
}

void ReplayBar::StopAutoplay() {
  timer_->stop();
  autoplay_->setChecked(false);
}

void ReplayBar::Leave() {
  if (!replay_) return;
  StopAutoplay();
  // A command still running (cards in flight) finishes on a table that is then put back.
  if (busy_) {
    QTimer::singleShot(0, this, [this] { Leave(); });
    return;
  }
  replay_->Leave();
  replay_.reset();
  hide();
  left_();
}

int ReplayBar::WinDialogButton() const { return replay_ ? replay_->WinDialogButton() : -1; }

void ReplayBar::ShowPosition() {
  if (!replay_) return;
  const int month = replay_->Month();
  position_->setText(QString(qtTrId("%1か月目　%2 / %3手%4"))
                         .arg(replay_->MonthNumber(month))
                         .arg(replay_->MovesMade())
                         .arg(replay_->MovesIn(month))
                         .arg(replay_->AtEnd() ? qtTrId("　（終わり）") : ""));
  const QSignalBlocker quiet(month_);
  month_->setCurrentIndex(month);
  back_->setEnabled(!replay_->AtStart());
  forward_->setEnabled(!replay_->AtEnd());
}

void ReplayBar::closeEvent(QCloseEvent* event) {
  event->ignore();
  Leave();
}

}  // namespace pg::ui
