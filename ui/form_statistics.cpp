// The statistics window 「成績」 over history.db.
#include "ui/form_statistics.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDateTime>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

#include "computer/level.h"
#include "engine/game.h"
#include "play/coded_match.h"
#include "play/menu.h"
#include "records/daily_best.h"
#include "records/history_database.h"
#include "records/history_export.h"
#include "ui/core_text.h"
#include "ui/replay_match_list.h"
#include "ui/statistics_charts.h"

namespace pg::ui {

namespace {

constexpr const char* kTitle = QT_TRID_NOOP("成績");
constexpr int kMostMarginBins = 12;

QString LevelName(const std::string& level) { return QString::fromUtf8(LevelLabel(level)); }

QString Share(int part, int whole) { return whole ? QString("%1%").arg(qRound(100.0 * part / whole)) : QString("―"); }

QString Signed(double value) { return (value > 0 ? "+" : "") + QString::number(value, 'f', 1); }

// Said where a chart or a figure has no match to count.
QString NothingText(const MatchStatistics& s) {
  if (s.stored == 0) return s.skipped ? qtTrId("読める対戦の記録がありません") : qtTrId("まだ対戦の記録がありません");
  if (s.played == 0) return qtTrId("条件に合う対戦がありません");
  return qtTrId("終わった対戦がありません");
}

QString CountersText(const MatchStatistics& s) {
  QString text;
  if (s.played == 0 && (s.stored > 0 || s.skipped > 0)) text = "<b>" + NothingText(s) + qtTrId("。</b><br>");
  text += QString(qtTrId("対戦 %1局　勝ち %2　負け %3（うち中断 %4）　引き分け %5<br>"))
              .arg(s.played)
              .arg(s.won)
              .arg(s.lost)
              .arg(s.abandoned)
              .arg(s.level);
  text += QString(qtTrId("勝率 %1　いまの連勝 %2　最長の連勝 %3<br>"))
              .arg(Share(s.won, s.played))
              .arg(s.currentStreak)
              .arg(s.longestStreak);
  // Abandoned matches stopped at no score of their own, so the means are over finished ones.
  if (s.scored) {
    text += QString(qtTrId("1局の平均 %1文　相手との差の平均 %2文（中断を除く）<br>"))
                .arg(QString::number(s.meanScore, 'f', 1), Signed(s.meanMargin));
  } else {
    text += qtTrId("1局の平均 ―　相手との差の平均 ―<br>");
  }
  if (s.bestId) {
    text += QString(qtTrId("いちばんの勝ち　%1　%2文 対 %3文<br>"))
                .arg(LocalDate(s.bestDate))
                .arg(s.bestScores[0])
                .arg(s.bestScores[1]);
  }
  text += QString(qtTrId("親で勝った月 %1 / %2（%3）　子で勝った月 %4 / %5（%6）"))
              .arg(s.monthsWonAsDealer)
              .arg(s.monthsAsDealer)
              .arg(Share(s.monthsWonAsDealer, s.monthsAsDealer))
              .arg(s.monthsWonAsNonDealer)
              .arg(s.monthsAsNonDealer)
              .arg(Share(s.monthsWonAsNonDealer, s.monthsAsNonDealer));
  if (s.skipped)
    text += QString(qtTrId("<br><font color=#a00000>読めない記録 %1件は集計から除きました。</font>")).arg(s.skipped);
  if (!s.complete) text += qtTrId("<br><font color=#a00000>記録を最後まで読めなかったため、集計は途中までです。</font>");
  return text;
}

QString KoiKoiText(const MatchStatistics& s) {
  QString text = QString(qtTrId("こいこい %1回、うち実った %2回（%3）<br>"))
                     .arg(s.KoiKoiCalls())
                     .arg(s.KoiKoiPaidOff())
                     .arg(Share(s.KoiKoiPaidOff(), s.KoiKoiCalls()));
  const QString bands[kCallBands] = {qtTrId("1〜2文"), qtTrId("3〜4文"), qtTrId("5〜6文"), qtTrId("7文以上")};
  QStringList parts;
  for (int b = 0; b < kCallBands; ++b) {
    const KoiKoiBand& band = s.koiKoi[static_cast<std::size_t>(b)];
    parts << QString(qtTrId("%1で %2 / %3")).arg(bands[b]).arg(band.paidOff).arg(band.calls);
  }
  text += qtTrId("持ち点ごとに実った数：") + parts.join(qtTrId("、")) + "<br>";
  text += QString(qtTrId("7文以上で倍 %1回　手四 %2回　くっつき %3回")).arg(s.doublings).arg(s.yaku[12]).arg(s.yaku[13]);
  return text;
}

// Bins of a width in whole tens, so the histogram never has more than kMostMarginBins bars; each is
// labelled with the margins it holds. Counted in 64 bits: the margins span up to twice a score.
void FillMargins(BarChart& chart, const std::vector<int>& margins) {
  if (margins.empty()) return chart.SetBars({}, {});
  const auto [low, high] = std::minmax_element(margins.begin(), margins.end());
  const std::int64_t from = static_cast<std::int64_t>(std::floor(*low / 10.0)) * 10;
  const std::int64_t span = *high - from + 1;
  const std::int64_t width =
      std::max<std::int64_t>(10, static_cast<std::int64_t>(std::ceil(span / 10.0 / kMostMarginBins)) * 10);
  const std::int64_t bins = (span + width - 1) / width;
  std::vector<double> counts(static_cast<std::size_t>(bins));
  for (int margin : margins) ++counts[static_cast<std::size_t>((margin - from) / width)];
  QStringList labels;
  for (std::int64_t b = 0; b < bins; ++b)
    labels << QString(qtTrId("%1〜\n%2")).arg(from + b * width).arg(from + (b + 1) * width - 1);
  chart.SetBars(labels, counts);
}

// The levels from the weakest to the strongest; names this version does not know come last.
std::vector<std::string> ByStrength(std::vector<std::string> levels) {
  const auto rank = [](const std::string& level) {
    const std::optional<Level> known = LevelNamed(level);
    return known ? static_cast<int>(*known) : static_cast<int>(kLevels.size());
  };
  std::stable_sort(levels.begin(), levels.end(),
                   [&](const std::string& a, const std::string& b) { return rank(a) < rank(b); });
  return levels;
}

QString Scores(const std::array<int, 2>& scores) { return QString(qtTrId("%1文 対 %2文")).arg(scores[0]).arg(scores[1]); }

// What the list says of the selected match's deal code. A match begun with プレイ was dealt from the
// game's own shuffle, which no code can name.
QString CodeText(const HistoryRow& match) {
  if (match.dealCode.empty()) return qtTrId("「プレイ」で始めた対戦には、配りコードがありません。");
  const QString daily = match.dailyDate.empty()
                            ? QString()
                            : qtTrId("（") + QString::fromStdString(match.dailyDate).replace('-', '/') + qtTrId(" の今日の配り）");
  return "<b>" + QString::fromStdString(match.dealCode) + "</b>" + daily;
}

QString DailyText(const pg::LocalDate& today, const DailyRecord& record) {
  const std::string date = DateText(today);
  QString text = QString(qtTrId("今日（%1月%2日）の配りコード　<b>%3</b>　（最強と、ヒントなしで対戦）<br>"))
                     .arg(today.month)
                     .arg(today.day)
                     .arg(QString::fromStdString(DailyDealCode(today).Text()));
  const bool playedToday = !record.days.empty() && record.days.front().date == date;
  if (playedToday) {
    const DailyBest& day = record.days.front();
    text += QString(qtTrId("今日の成績　%1（%2）　%3回対戦<br>")).arg(Scores(day.scores), ResultName(day.result)).arg(day.plays);
  } else {
    text += qtTrId("今日の成績　まだ対戦していません<br>");
  }
  text += QString(qtTrId("続けて対戦した日数　%1日（最長 %2日）<br>")).arg(record.streak).arg(record.longestStreak);
  if (record.best) {
    const DailyBest& best = *record.best;
    text += QString(qtTrId("いちばんの日　%1　%2（%3文）"))
                .arg(QString::fromStdString(best.date).replace('-', '/'), Scores(best.scores), Signed(best.Margin()).chopped(2));
  } else {
    text += qtTrId("いちばんの日　―");
  }
  return text;
}

QGroupBox* Boxed(const QString& title, QWidget* content) {
  auto* box = new QGroupBox(title);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(content);
  return box;
}

}  // namespace

FormStatistics::FormStatistics(std::filesystem::path historyPath, QWidget* parent)
    : QDialog(parent), historyPath_(std::move(historyPath)) {
  setWindowTitle(qtTrId(kTitle));
  auto* content = new QWidget;
  auto* layout = new QVBoxLayout(content);

  auto* filters = new QHBoxLayout;
  level_ = new QComboBox;
  rules_ = new QComboBox;
  period_ = new QComboBox;
  period_->addItems({qtTrId("すべて"), qtTrId("最近の100局"), qtTrId("最近の30日")});
  filters->addWidget(new QLabel(qtTrId("強さ")));
  filters->addWidget(level_);
  filters->addWidget(new QLabel(qtTrId("ルール")));
  filters->addWidget(rules_, 1);
  filters->addWidget(new QLabel(qtTrId("期間")));
  filters->addWidget(period_);
  aid_ = new QComboBox;
  aid_->addItems({qtTrId("すべて"), qtTrId("ヒントなし"), qtTrId("ヒントあり")});
  filters->addWidget(new QLabel(qtTrId("ヒント")));
  filters->addWidget(aid_);
  layout->addLayout(filters);

  counters_ = new QLabel;
  koiKoi_ = new QLabel;
  layout->addWidget(Boxed(qtTrId("対戦"), counters_));
  layout->addWidget(Boxed(qtTrId("こいこい"), koiKoi_));

  // The day's deal: its code, today's best, the streak and the best day, and the two ways to a
  // coded match, which the 640 x 480 mode's menu has no room for.
  daily_ = new QLabel;
  daily_->setObjectName("DailyDeal");
  daily_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* playDaily = new QPushButton(qtTrId("今日の配りで対戦"));
  auto* playCode = new QPushButton(qtTrId("コードで対戦…"));
  playDaily->setToolTip(qtTrId("今日の配りで、最強と対戦します（ヒントなし）"));
  playCode->setToolTip(qtTrId("配りコードを入力して、その配りで対戦します"));
  auto* dailyBox = new QWidget;
  auto* dailyLayout = new QVBoxLayout(dailyBox);
  dailyLayout->setContentsMargins(0, 0, 0, 0);
  dailyLayout->addWidget(daily_);
  auto* dailyButtons = new QHBoxLayout;
  dailyButtons->addWidget(playDaily);
  dailyButtons->addWidget(playCode);
  dailyButtons->addStretch(1);
  dailyLayout->addLayout(dailyButtons);
  layout->addWidget(Boxed(qtTrId("今日の配り"), dailyBox));
  connect(playDaily, &QPushButton::clicked, this, [this] {
    request_ = {MatchRequest::Kind::Daily, 0};
    accept();
  });
  connect(playCode, &QPushButton::clicked, this, [this] {
    request_ = {MatchRequest::Kind::Code, 0};
    accept();
  });

  share_ = new ShareLineChart(nullptr);
  yaku_ = new BarChart(nullptr, Qt::Horizontal, BarChart::Kind::Counts);
  margins_ = new BarChart(nullptr, Qt::Vertical, BarChart::Kind::Counts);
  months_ = new BarChart(nullptr, Qt::Vertical, BarChart::Kind::Shares);
  auto* charts = new QGridLayout;
  charts->addWidget(Boxed(qtTrId("勝率の移り変わり"), share_), 0, 0);
  charts->addWidget(Boxed(qtTrId("できた役"), yaku_), 0, 1, 2, 1);
  charts->addWidget(Boxed(qtTrId("1局の文の差"), margins_), 1, 0);
  charts->addWidget(Boxed(qtTrId("月ごとの勝ち月の割合"), months_), 2, 0, 1, 2);
  layout->addLayout(charts);

  // The matches, newest first: one is replayed on the table, or its first deal played again.
  list_ = new MatchListModel(this);
  listView_ = new QTableView;
  listView_->setObjectName("MatchList");
  listView_->setModel(list_);
  listView_->setSelectionBehavior(QAbstractItemView::SelectRows);
  listView_->setSelectionMode(QAbstractItemView::SingleSelection);
  listView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  listView_->verticalHeader()->hide();
  listView_->horizontalHeader()->setStretchLastSection(true);
  listView_->setWordWrap(false);
  // Widths from the longest texts, not from the rows: measuring thousands of rows would be slow.
  const QFontMetrics metrics = listView_->fontMetrics();
  const QString widest[] = {"2026/12/31 23:59", qtTrId("最強"), RulesName(RuleSettings{}), qtTrId("引き分け"), qtTrId("ヒント")};
  for (int column = 0; column < 5; ++column)
    listView_->setColumnWidth(column, metrics.horizontalAdvance(widest[column]) + 16);
  listView_->setMinimumHeight(listView_->fontMetrics().height() * 8);
  replay_ = new QPushButton(qtTrId("再生"));
  review_ = new QPushButton(qtTrId("振り返り"));
  dealAgain_ = new QPushButton(qtTrId("この配りでもう一度"));
  replay_->setToolTip(qtTrId("選んだ対戦を、場の上でもう一度見ます"));
  review_->setToolTip(qtTrId("選んだ対戦で、勝率を落とした手を調べます"));
  dealAgain_->setToolTip(qtTrId("選んだ対戦の1か月目と同じ配りで、新しい対戦を始めます"));
  copyCode_ = new QPushButton(qtTrId("配りコード"));
  copyCode_->setObjectName("CopyDealCode");
  copyCode_->setToolTip(qtTrId("選んだ対戦の配りコードをコピーします。「コードで対戦」に貼れば、同じ配りで対戦できます"));
  copied_ = new QLabel;
  copied_->setObjectName("CopiedDealCode");
  auto* listButtons = new QHBoxLayout;
  listButtons->addWidget(replay_);
  listButtons->addWidget(review_);
  listButtons->addWidget(dealAgain_);
  listButtons->addWidget(copyCode_);
  listButtons->addWidget(copied_, 1);
  auto* listBox = new QWidget;
  auto* listLayout = new QVBoxLayout(listBox);
  listLayout->setContentsMargins(0, 0, 0, 0);
  listLayout->addWidget(listView_);
  listLayout->addLayout(listButtons);
  layout->addWidget(Boxed(qtTrId("対戦の記録"), listBox));

  auto* buttons = new QHBoxLayout;
  auto* csv = new QPushButton(qtTrId("CSVで書き出す"));
  auto* jsonLines = new QPushButton(qtTrId("JSON Linesで書き出す"));
  auto* close = new QPushButton(qtTrId("閉じる"));
  buttons->addWidget(csv);
  buttons->addWidget(jsonLines);
  buttons->addStretch(1);
  buttons->addWidget(close);
  layout->addLayout(buttons);

  auto* scroll = new QScrollArea;
  scroll->setWidget(content);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(scroll);
  // On a 640 x 480 screen the window fits the screen and scrolls.
  const QSize wanted = content->sizeHint() + QSize(24, 8);
  const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
  resize(std::min(wanted.width(), screen.width() - 16), std::min(wanted.height(), screen.height() - 40));

  for (QComboBox* box : {level_, rules_, period_, aid_}) {
    connect(box, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
  }
  connect(csv, &QPushButton::clicked, this, [this] { Export(false); });
  connect(jsonLines, &QPushButton::clicked, this, [this] { Export(true); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(replay_, &QPushButton::clicked, this, [this] { Ask(MatchRequest::Kind::Replay); });
  connect(review_, &QPushButton::clicked, this, [this] { Ask(MatchRequest::Kind::Review); });
  connect(dealAgain_, &QPushButton::clicked, this, [this] { Ask(MatchRequest::Kind::DealAgain); });
  connect(listView_, &QTableView::doubleClicked, this, [this] { Ask(MatchRequest::Kind::Replay); });
  connect(copyCode_, &QPushButton::clicked, this, &FormStatistics::CopyCode);
  connect(listView_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    const HistoryRow* match = Selected();
    for (QPushButton* button : {replay_, review_, dealAgain_}) button->setEnabled(match);
    copyCode_->setEnabled(match && !match->dealCode.empty());
    copied_->setText(match ? CodeText(*match) : QString());
  });
  for (QPushButton* button : {replay_, review_, dealAgain_, copyCode_}) button->setEnabled(false);
}

const HistoryRow* FormStatistics::Selected() const {
  const QModelIndexList rows = listView_->selectionModel()->selectedRows();
  return rows.isEmpty() ? nullptr : list_->MatchAt(rows.front().row());
}

void FormStatistics::CopyCode() {
  const HistoryRow* match = Selected();
  if (!match || match->dealCode.empty()) return;
  const QString code = QString::fromStdString(match->dealCode);
  QGuiApplication::clipboard()->setText(code);
  copied_->setText(QString(qtTrId("配りコード %1 をコピーしました。")).arg(code));
}

void FormStatistics::ShowDaily() {
  const pg::LocalDate today = Today();
  daily_->setText(DailyText(today, ReadDailyRecord(*database_, DateText(today))));
}

void FormStatistics::Ask(MatchRequest::Kind kind) {
  const HistoryRow* match = Selected();
  if (!match) return;
  request_ = {kind, match->id};
  accept();
}

bool FormStatistics::Reload() {
  HistoryOpened opened = HistoryDatabase::Open(historyPath_);
  if (!opened.notice.empty()) QMessageBox::warning(this, qtTrId(kTitle), QString::fromStdString(opened.notice));
  if (!opened.database) return false;
  database_ = std::move(opened.database);
  HistoryChoices choices = FilterChoices(*database_);
  ruleSets_ = std::move(choices.rules);
  if (const std::string found = database_->TakeNotice(); !found.empty())
    QMessageBox::warning(this, qtTrId(kTitle), QString::fromStdString(found));
  lost_ = database_->TakeLost();
  for (QComboBox* box : {level_, rules_}) {
    const QSignalBlocker quiet(box);
    box->clear();
  }
  {
    const QSignalBlocker quiet(level_);
    level_->addItem(qtTrId("すべて"));
    for (const std::string& level : ByStrength(std::move(choices.levels)))
      level_->addItem(LevelName(level), QString::fromStdString(level));
  }
  {
    const QSignalBlocker quiet(rules_);
    rules_->addItem(qtTrId("すべて"));
    for (const RuleSettings& r : ruleSets_) rules_->addItem(RulesName(r));
  }
  Refresh();
  return true;
}

StatisticsFilter FormStatistics::Filter() const {
  StatisticsFilter filter;
  if (level_->currentIndex() > 0) filter.level = level_->currentData().toString().toStdString();
  if (rules_->currentIndex() > 0) filter.rules = ruleSets_.at(static_cast<std::size_t>(rules_->currentIndex() - 1));
  filter.period = static_cast<StatisticsPeriod>(std::max(0, period_->currentIndex()));
  filter.aid = static_cast<StatisticsAid>(std::max(0, aid_->currentIndex()));
  filter.now = QDateTime::currentDateTimeUtc().toString("yyyy-MM-ddTHH:mm:ssZ").toStdString();
  return filter;
}

void FormStatistics::Refresh() {
  const StatisticsFilter filter = Filter();
  MatchStatistics s = ComputeStatistics(*database_, filter);
  s.skipped += lost_;
  counters_->setText(CountersText(s));
  koiKoi_->setText(KoiKoiText(s));
  share_->SetEmptyText(NothingText(s));
  share_->SetLines(s.winShare, s.movingWinShare);
  for (BarChart* chart : {yaku_, margins_, months_}) chart->SetEmptyText(NothingText(s));
  QStringList names;
  std::vector<double> counts;
  QStringList months;
  std::vector<double> shares;
  if (s.played) {
    for (std::size_t i = 0; i < kStatisticsYaku.size(); ++i) {
      // The name without its gloss: "Hanami-zake (Flower viewing)" is charted as Hanami-zake.
      names << Q(Tr(kStatisticsYaku[i])).section(" (", 0, 0);
      counts.push_back(s.yaku[i]);
    }
    for (std::size_t m = 0; m < 12; ++m) {
      months << QString(qtTrId("%1月")).arg(m + 1);
      shares.push_back(s.monthsPlayed[m] ? static_cast<double>(s.monthsWon[m]) / s.monthsPlayed[m] : 0.0);
    }
  }
  yaku_->SetBars(names, counts);
  FillMargins(*margins_, s.margins);
  months_->SetBars(months, shares);
  list_->SetRows(FilteredRows(*database_, filter));
  for (QPushButton* button : {replay_, review_, dealAgain_, copyCode_}) button->setEnabled(false);
  copied_->clear();
  ShowDaily();
}

void FormStatistics::Export(bool jsonLines) {
  const QString file = QFileDialog::getSaveFileName(this, qtTrId(kTitle), jsonLines ? "history.jsonl" : "history.csv",
                                                    jsonLines ? "JSON Lines (*.jsonl)" : "CSV (*.csv)");
  if (file.isEmpty()) return;
  std::vector<std::int64_t> ids;
  for (int row = list_->rowCount() - 1; row >= 0; --row) ids.push_back(list_->MatchAt(row)->id);
  std::sort(ids.begin(), ids.end());
  // The lines are read and written off the window's thread, which shows how far they have got.
  QProgressDialog progress(qtTrId("書き出しています…"), qtTrId("やめる"), 0, static_cast<int>(ids.size()), this);
  progress.setWindowTitle(qtTrId(kTitle));
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  progress.setAutoReset(false);
  std::atomic<std::size_t> done{0};
  std::atomic<bool> cancel{false};
  std::atomic<bool> finished{false};
  ExportResult result;
  std::thread worker([&, target = std::filesystem::path(file.toStdString())] {
    result = ExportHistory(historyPath_, ids, jsonLines ? ExportFormat::JsonLines : ExportFormat::Csv, target,
                           [&](std::size_t count) {
                             done = count;
                             return !cancel;
                           });
    finished = true;
  });
  QTimer poll;
  connect(&poll, &QTimer::timeout, &progress, [&] {
    progress.setValue(static_cast<int>(done.load()));
    if (finished) progress.accept();
  });
  connect(&progress, &QProgressDialog::canceled, &progress, [&] { cancel = true; });
  poll.start(50);
  progress.exec();
  cancel = cancel || !finished;
  worker.join();
  poll.stop();
  // Its own timer would show it again over the message below: the bar never reached its end.
  progress.reset();
  if (result.cancelled) return;
  if (!result.failure.empty()) {
    QMessageBox::warning(this, qtTrId(kTitle), QString::fromStdString(result.failure));
    if (result.historyMoved) Reload();
    return;
  }
  QMessageBox::information(this, qtTrId(kTitle), QString(qtTrId("%1局を %2 に書き出しました。")).arg(result.written).arg(file));
}

MatchRequest ShowStatisticsWindow(Game& game) {
  ArmMenuGuard(game);
  FormStatistics window(HistoryPathBeside(game.statusPath), QApplication::activeWindow());
  if (window.Reload()) window.exec();
  ArmMenuGuard(game);
  return window.Request();
}

}  // namespace pg::ui
