// The review runs on the application's thread pool; its progress and result come back to the
// window through queued calls, which a window already closed never receives.
#include "ui/form_review.h"
#include "ui/core_text.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QThreadPool>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>

#include "computer/advisor.h"
#include "engine/game.h"
#include "play/menu.h"
#include "records/history_database.h"

namespace pg::ui {

namespace {

constexpr const char* kTitle = QT_TRID_NOOP("振り返り");

ReplayAt& Replay() {
  static ReplayAt replay;
  return replay;
}

ShowHowAt& ShowHow() {
  static ShowHowAt showHow;
  return showHow;
}

// Opens the window and, once it has closed, the line the player chose there.
void RunWindow(FormReview& window, Game& game) {
  window.exec();
  ArmMenuGuard(game);
  window.OpenChosenLine();
}

QString PercentText(double chance) { return QString("%1%").arg(computer::Percent(chance)); }

}  // namespace

void SetReviewReplay(ReplayAt replay) { Replay() = std::move(replay); }
void SetReviewShowHow(ShowHowAt showHow) { ShowHow() = std::move(showHow); }

FormReview::FormReview(Game& game, HistoryMatch match, QWidget* parent, std::optional<computer::MatchReview> done)
    : QDialog(parent), game_(game), match_(std::move(match)) {
  setWindowTitle(qtTrId(kTitle));
  auto* layout = new QVBoxLayout(this);
  summary_ = new QLabel(qtTrId("あなたの手を一手ずつ調べています…"));
  summary_->setWordWrap(true);
  layout->addWidget(summary_);
  progress_ = new QProgressBar;
  progress_->setRange(0, 0);
  layout->addWidget(progress_);
  list_ = new QTreeWidget;
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels({qtTrId("月"), qtTrId("打った手"), qtTrId("勝率"), qtTrId("よりよい手"), qtTrId("勝率"), qtTrId("差")});
  list_->header()->setStretchLastSection(false);
  list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
  list_->header()->setSectionResizeMode(3, QHeaderView::Stretch);
  list_->setMinimumHeight(220);
  layout->addWidget(list_, 1);
  note_ = new QLabel(
      qtTrId("勝率は、見えていない札の配りを何通りも試した見積もりです。") +
      qtTrId("同じ場面を調べ直したときのぶれより小さい差は挙げていません。"));
  note_->setWordWrap(true);
  layout->addWidget(note_);
  auto* buttons = new QHBoxLayout;
  showHow_ = new QPushButton(qtTrId("こう打てば"));
  showHow_->setToolTip(qtTrId("選んだ行の場面から、よりよい手で月の終わりまで打ち進めた様子を盤で見せます"));
  showHow_->setEnabled(false);
  showHow_->setVisible(static_cast<bool>(ShowHow()));
  buttons->addWidget(showHow_);
  buttons->addStretch(1);
  auto* close = new QPushButton(qtTrId("閉じる"));
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(list_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { OpenLine(list_->indexOfTopLevelItem(item)); });
  // A line the player picked, not the current one a list takes by itself when it gets the focus.
  connect(list_, &QTreeWidget::itemSelectionChanged, this,
          [this] { showHow_->setEnabled(!list_->selectedItems().isEmpty()); });
  connect(showHow_, &QPushButton::clicked, this, [this] {
    const QList<QTreeWidgetItem*> picked = list_->selectedItems();
    if (!picked.isEmpty()) ShowHowLine(list_->indexOfTopLevelItem(picked.front()));
  });
  resize(600, 420);
  if (done) {
    Show(*done);
  } else {
    Start();
  }
}

FormReview::~FormReview() { *cancelled_ = true; }

void FormReview::Start() {
  QPointer<FormReview> window(this);
  const auto cancelled = cancelled_;
  const HistoryMatch match = match_;
  // Seeded from the match, so the same match is always reviewed alike.
  const auto seed = static_cast<std::uint64_t>(match.id) * 0x9E3779B97F4A7C15ull + 1;
  QThreadPool::globalInstance()->start([window, cancelled, match, seed] {
    const computer::MatchReview review =
        computer::ReviewMatch(match, seed, {computer::kReviewIterations}, [window, cancelled](int done, int total) {
          QMetaObject::invokeMethod(
              qApp,
              [window, done, total] {
                if (window) window->Progress(done, total);
              },
              Qt::QueuedConnection);
          return !*cancelled;
        });
    if (*cancelled) return;
    QMetaObject::invokeMethod(
        qApp,
        [window, review] {
          if (window) window->Show(review);
        },
        Qt::QueuedConnection);
  });
}

void FormReview::Progress(int done, int total) {
  progress_->setRange(0, std::max(total, 1));
  progress_->setValue(done);
}

void FormReview::Show(const computer::MatchReview& review) {
  review_ = review;
  progress_->setRange(0, 1);
  progress_->setValue(1);
  progress_->hide();
  QString summary = QString(qtTrId("あなたが選んだ%1手のうち、勝率を5ポイント以上下げた手は%2手でした。"))
                        .arg(review.choicesWeighed)
                        .arg(review.lines.size());
  if (review.lines.empty()) summary += qtTrId("\n大きな悪手はありませんでした。");
  if (Replay() && !review.lines.empty()) summary += qtTrId("\n行をダブルクリックすると、その場面の再生を開きます。");
  if (ShowHow() && !review.lines.empty()) {
    summary += qtTrId("\n「こう打てば」では、よりよい手からその月の終わりまで打ち進めた様子を見られます。");
  }
  if (!review.stoppedShort.empty()) summary += "\n" + Q(review.stoppedShort);
  summary_->setText(summary);
  for (const computer::ReviewLine& line : review.lines) {
    auto* item = new QTreeWidgetItem(
        QStringList{QString(qtTrId("%1月")).arg(line.month), Q(computer::MoveText(line.played)), PercentText(line.playedChance),
                    Q(computer::MoveText(line.better)), PercentText(line.betterChance),
                    QString("−%1").arg(computer::Percent(line.betterChance) - computer::Percent(line.playedChance))});
    for (int column : {2, 4, 5}) item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    list_->addTopLevelItem(item);
  }
}

void FormReview::OpenLine(int line) {
  const ReplayAt& replay = Replay();
  if (!replay || line < 0 || line >= static_cast<int>(review_.lines.size())) return;
  const computer::ReviewLine& chosen = review_.lines[static_cast<std::size_t>(line)];
  const std::uint8_t card = computer::MarkedCard(chosen.better);
  std::optional<CardCode> marked;
  if (card < kCardCount) marked = CodeOf(card);
  // The replay opens on the table once this window has closed, so the replay bar takes the clicks.
  opening_ = [this, replay, month = chosen.month, move = chosen.move, marked] {
    replay(game_, match_, month, move, marked);
  };
  accept();
}

void FormReview::ShowHowLine(int line) {
  const ShowHowAt& showHow = ShowHow();
  if (!showHow || line < 0 || line >= static_cast<int>(review_.lines.size())) return;
  opening_ = [this, showHow, chosen = review_.lines[static_cast<std::size_t>(line)]] {
    showHow(game_, match_, chosen, review_);
  };
  accept();
}

void ShowReviewWindow(Game& game, std::int64_t matchId) {
  ArmMenuGuard(game);
  QWidget* parent = QApplication::activeWindow();
  HistoryOpened opened = HistoryDatabase::Open(HistoryPathBeside(game.statusPath));
  if (!opened.notice.empty()) QMessageBox::warning(parent, qtTrId(kTitle), Q(opened.notice));
  if (!opened.database) return;
  std::int64_t id = matchId;
  if (id == kNewestMatch) {
    const std::vector<HistoryMatch> matches = opened.database->Load(HistoryDetail::Matches);
    const auto newest = std::find_if(matches.rbegin(), matches.rend(),
                                     [](const HistoryMatch& m) { return m.result != MatchOutcome::Abandoned; });
    if (newest != matches.rend()) id = newest->id;
  }
  std::optional<HistoryMatch> match = id == kNewestMatch ? std::nullopt : opened.database->LoadMatch(id);
  if (!match) {
    QMessageBox::information(parent, qtTrId(kTitle), qtTrId("振り返る対戦が記録にありません。"));
    return;
  }
  FormReview window(game, std::move(*match), parent);
  RunWindow(window, game);
}

void ShowReviewWindow(Game& game, const HistoryMatch& match, const computer::MatchReview& review, QWidget* parent) {
  ArmMenuGuard(game);
  FormReview window(game, match, parent, review);
  RunWindow(window, game);
}

}  // namespace pg::ui
