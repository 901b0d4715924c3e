// The high-score tables on screen; the page last chosen stays chosen for the next showing.
#include "ui/form_score.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/caption_chars.h"
#include "engine/game.h"
#include "engine/text.h"
#include "play/hi_score.h"
#include "rules/match_score.h"
#include "ui/core_text.h"
#include "ui/label_item.h"
#include "ui/language.h"

namespace pg::ui {

namespace {

constexpr int kYakuLines = 8;
constexpr int kLineChars = 10;
constexpr const char* kPlaces[] = {QT_TRID_NOOP("　１位　"), QT_TRID_NOOP("　２位　"), QT_TRID_NOOP("　３位　")};

QLabel* Label(const QString& text, Qt::Alignment alignment = Qt::AlignLeft) {
  auto* label = new QLabel(text);
  label->setFont(GameFont(10));
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

void SetName(QLabel* label, const std::string& name, bool bold) {
  label->setText(Q(name));
  QFont font = label->font();
  font.setBold(bold);
  label->setFont(font);
}

// The yaku list's fixed pitch lines up the points of the ten-character lines.
QFont ListFont() {
  QFont font("Noto Sans Mono CJK JP");
  font.setStyleHint(QFont::TypeWriter);
  font.setPixelSize(12);
  return font;
}

// A best month's yaku in English, in the fixed-pitch columns of the Japanese rows: the romaji on
// the left, the points on the right, the gloss in the row's tip.
void ListInEnglish(QListWidget& list, std::string_view stored) {
  const int columns = 2 * kLineChars;
  for (const BestMonthRow& row : BestMonthRows(stored)) {
    const QString name = Q(row.name);
    const QString points = Q(row.points);
    const QString romaji = name.section(" (", 0, 0);
    const int room = std::max(1, columns - static_cast<int>(points.size()) - 1);
    auto* item = new QListWidgetItem(romaji.leftJustified(room, ' ', true) + ' ' + points, &list);
    item->setToolTip(name);
  }
}

}  // namespace

FormScore::FormScore(const Game& game, QWidget* parent)
    : CoreDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      game_(game) {
  setWindowTitle(qtTrId("ﾊｲｽｺｱ"));
  setModal(true);
}

// Built at its first showing: its fixed-pitch list face and bold names would otherwise load at start,
// for a window most games never open.
void FormScore::CreateControls() {
  tabs_ = new QTabWidget(this);
  tabs_->setFont(GameFont(10));
  tabs_->addTab(CreateTotalPage(), qtTrId("総合"));
  tabs_->addTab(CreateGamePage(), qtTrId("一勝負"));
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { FormScoreOk(game_); });
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(tabs_);
  layout->addWidget(ok, 0, Qt::AlignRight);
}

QWidget* FormScore::CreateTotalPage() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->setHorizontalSpacing(14);
  const QString headers[] = {qtTrId("【順位】"), qtTrId("【名前】"), qtTrId("自分の得点(文)"), qtTrId("相手の得点(文)"), qtTrId("得点差(文)")};
  // Number columns are right-aligned under right-aligned headers.
  for (int c = 0; c < 5; ++c) grid->addWidget(Label(headers[c], c < 2 ? Qt::AlignHCenter : Qt::AlignRight), 0, c);
  for (int r = 0; r < kTotalRows; ++r) {
    grid->addWidget(Label(QString::number(r + 1), Qt::AlignHCenter), r + 1, 0);
    nam_[r] = Label("");
    nam_[r]->setMinimumWidth(120);
    yten_[r] = Label("", Qt::AlignRight);
    cten_[r] = Label("", Qt::AlignRight);
    ten_[r] = Label("", Qt::AlignRight);
    grid->addWidget(nam_[r], r + 1, 1);
    grid->addWidget(yten_[r], r + 1, 2);
    grid->addWidget(cten_[r], r + 1, 3);
    grid->addWidget(ten_[r], r + 1, 4);
  }
  grid->setRowStretch(kTotalRows + 1, 1);
  return page;
}

QWidget* FormScore::CreateGamePage() {
  auto* page = new QWidget;
  auto* row = new QHBoxLayout(page);
  for (int r = 0; r < kGameRows; ++r) {
    auto* frame = new QGroupBox(qtTrId(kPlaces[r]));
    auto* grid = new QGridLayout(frame);
    gten_[r] = Label("", Qt::AlignRight);
    gnam_[r] = Label("");
    glist_[r] = new QListWidget;
    glist_[r]->setFont(ListFont());
    glist_[r]->setFocusPolicy(Qt::NoFocus);
    glist_[r]->setSelectionMode(QAbstractItemView::NoSelection);
    const QFontMetrics metrics(ListFont());
    glist_[r]->setFixedSize(metrics.horizontalAdvance(QString(kLineChars, QChar(0x3000))) + 12,
                            metrics.lineSpacing() * kYakuLines + 12);
    grid->addWidget(Label(qtTrId("[名前]")), 0, 0);
    grid->addWidget(gten_[r], 0, 1);
    grid->addWidget(gnam_[r], 1, 0, 1, 2);
    grid->addWidget(Label(qtTrId("[完成役]")), 2, 0, 1, 2);
    grid->addWidget(glist_[r], 3, 0, 1, 2);
    grid->setRowStretch(4, 1);
    row->addWidget(frame);
  }
  return page;
}

void FormScore::SyncFromCore() {
  if (!tabs_) CreateControls();
  const ScoreDialogState& score = game_.scoreDialog;
  if (score.page) tabs_->setCurrentIndex(*score.page == ScorePage::Total ? 0 : 1);
  for (int r = 0; r < kTotalRows; ++r) {
    SetName(nam_[r], score.total.name[r], score.totalBold[r]);
    yten_[r]->setText(Q(NumText(score.total.Yten[r])));
    cten_[r]->setText(Q(NumText(score.total.Cten[r])));
    ten_[r]->setText(Q(NumText(score.total.ten[r])));
  }
  for (int r = 0; r < kGameRows; ++r) {
    SetName(gnam_[r], score.game.name[r], score.gameBold[r]);
    gten_[r]->setText(qtTrId("%1文").arg(Q(Digits(score.game.points[r]))));
    glist_[r]->clear();
    if (SpeaksEnglish()) {
      ListInEnglish(*glist_[r], score.game.yaku[r]);
      continue;
    }
    // Eight lines of ten characters; a shorter text leaves its last lines empty.
    std::string_view text = score.game.yaku[r];
    for (int line = 0; line < kYakuLines; ++line) {
      const std::string_view slice = FirstChars(text, kLineChars);
      glist_[r]->addItem(Q(std::string(slice)));
      text.remove_prefix(slice.size());
    }
  }
}

void FormScore::closeEvent(QCloseEvent* event) {
  event->ignore();
  FormScoreOk(game_);
}

void FormScore::reject() { FormScoreOk(game_); }

}  // namespace pg::ui
