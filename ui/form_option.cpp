// The options dialog on screen. A button's handler runs when it takes the focus, as a click or the
// arrow keys give it; every choice shows on the table at once.
#include "ui/form_option.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include "computer/level.h"
#include "engine/game.h"
#include "engine/geometry.h"
#include "play/hints.h"
#include "play/language_setting.h"
#include "play/level_setting.h"
#include "play/option_dialog.h"
#include "play/table_look.h"
#include "records/settings_file.h"
#include "ui/art/artwork.h"
#include "ui/board_view.h"
#include "ui/core_text.h"
#include "ui/label_item.h"

namespace pg::ui {

namespace {

QGroupBox* Group(const QString& caption) {
  auto* group = new QGroupBox(caption);
  group->setFont(GameFont(10));
  return group;
}

template <std::size_t N>
void MakeRadios(std::array<QRadioButton*, N>& buttons, const QString (&captions)[N], QObject* filter,
                QBoxLayout* layout) {
  auto* group = new QButtonGroup(layout);
  for (std::size_t i = 0; i < N; ++i) {
    buttons[i] = new QRadioButton(captions[i]);
    buttons[i]->installEventFilter(filter);
    group->addButton(buttons[i]);
    layout->addWidget(buttons[i]);
  }
}

// A face picture that answers the mouse: the left button picks a file, the right restores the
// built-in face.
class FaceLabel : public QLabel {
 public:
  explicit FaceLabel(std::function<void(bool)> released) : released_(std::move(released)) {
    setFixedSize(kFaceSize + 4, kFaceSize + 4);
    setAlignment(Qt::AlignCenter);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setCursor(Qt::PointingHandCursor);
    setToolTip(qtTrId("左クリック：画像を選ぶ　右クリック：元の顔に戻す"));
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
      released_(event->button() == Qt::LeftButton);
    }
  }

 private:
  std::function<void(bool)> released_;
};

}  // namespace

FormOption::FormOption(Game& game, BoardView& board, QWidget* parent)
    : CoreDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      game_(game),
      board_(board) {
  setWindowTitle(qtTrId("オプション"));
  setModal(true);
  setFont(GameFont(10));
  // Made first, "OK" comes first in the focus chain.
  auto* ok = new QPushButton("OK", this);
  ok->setDefault(true);
  ok->setMinimumWidth(80);
  connect(ok, &QPushButton::clicked, this, [this] { Close(); });

  auto* grid = new QGridLayout;
  // Compact enough to open whole on a 640x480 screen.
  grid->addWidget(CreateFaces(), 0, 0);
  grid->addWidget(CreateDisplayModes(), 0, 1);
  grid->addWidget(CreateScreenModes(), 1, 0);
  grid->addWidget(CreateSpeed(), 1, 1);
  grid->addWidget(CreateWallpapers(), 2, 0, 1, 2);
  // A column of its own: a row more would not fit a 640x480 screen.
  grid->addWidget(CreateLevels(), 0, 2, 2, 1);
  grid->addWidget(CreateHints(), 2, 2);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 8, 10, 10);
  layout->setSpacing(6);
  grid->setVerticalSpacing(4);
  layout->addLayout(grid);
  auto* bottom = new QHBoxLayout;
  bottom->addLayout(CreateLanguage());
  bottom->addStretch();
  bottom->addWidget(ok);
  layout->addLayout(bottom);
  SyncFromCore();
}

QWidget* FormOption::CreateFaces() {
  auto* group = Group(qtTrId("　　　顔のｸﾞﾗﾌｨｯｸ　"));
  auto* row = new QHBoxLayout(group);
  const QString names[] = {"COM", qtTrId("あなた")};
  for (int i = 0; i < 2; ++i) {
    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(names[i]), 0, Qt::AlignHCenter);
    faces_[i] = new FaceLabel([this, i](bool left) { CallCore([&] { FaceMouseUp(game_, i, left); }); });
    column->addWidget(faces_[i], 0, Qt::AlignHCenter);
    faceFiles_[i] = new QLabel;
    faceFiles_[i]->setAlignment(Qt::AlignHCenter);
    faceFiles_[i]->setFixedWidth(110);
    column->addWidget(faceFiles_[i]);
    row->addLayout(column);
  }
  return group;
}

QWidget* FormOption::CreateDisplayModes() {
  auto* group = Group(qtTrId("　　出来役状況　"));
  auto* column = new QVBoxLayout(group);
  const QString captions[] = {qtTrId("表示する"), qtTrId("残り１枚から表示する"), qtTrId("表示しない")};
  MakeRadios(dekiYaku_, captions, this, column);
  column->addStretch();
  // In the room this group has under its buttons: a row more would not fit a 640x480 screen.
  cardMarks_ = new QCheckBox(qtTrId("札に月と種類を表示"));
  connect(cardMarks_, &QCheckBox::toggled, this, [this](bool on) {
    if (!syncing_) CallCore([&] { SetCardMarks(game_, on); });
  });
  column->addWidget(cardMarks_);
  return group;
}

QWidget* FormOption::CreateScreenModes() {
  auto* group = Group(qtTrId("　　画面サイズ　"));
  auto* column = new QVBoxLayout(group);
  const QString captions[] = {qtTrId("（６４０×４８０）画面モード"), qtTrId("（８００×６００）以上画面モード")};
  MakeRadios(sOption_, captions, this, column);
  // The table's size, shown only where the screen can hold a larger one: on a small screen the
  // dialog keeps the height it fits in.
  tableSizeRow_ = new QWidget;
  auto* row = new QHBoxLayout(tableSizeRow_);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(new QLabel(qtTrId("大きさ：")));
  auto* exclusive = new QButtonGroup(row);
  for (std::size_t i = 0; i < tableSizes_.size(); ++i) {
    const int percent = kTableSizes[i];
    tableSizes_[i] = new QRadioButton(QString(qtTrId("%1％")).arg(percent));
    exclusive->addButton(tableSizes_[i]);
    connect(tableSizes_[i], &QRadioButton::toggled, this, [this, percent](bool on) {
      if (on && !syncing_) CallCore([&] { SetTableSize(game_, percent); });
    });
    row->addWidget(tableSizes_[i]);
  }
  row->addStretch();
  column->addWidget(tableSizeRow_);
  return group;
}

QWidget* FormOption::CreateWallpapers() {
  auto* group = Group(qtTrId("　　壁紙　"));
  auto* column = new QVBoxLayout(group);
  auto* buttons = new QHBoxLayout;
  const QString captions[] = {qtTrId("壁紙１"), qtTrId("壁紙２"), qtTrId("壁紙３"), qtTrId("その他")};
  MakeRadios(wall_, captions, this, buttons);
  column->addLayout(buttons);
  auto* file = new QHBoxLayout;
  file->addWidget(new QLabel(qtTrId("ﾌｧｲﾙ：")));
  wFileName_ = new QLineEdit;
  wFileName_->installEventFilter(this);
  connect(wFileName_, &QLineEdit::textEdited, this, [this](const QString& text) {
    game_.options.WFileName = text.toStdString();
    fileEdited_ = true;
  });
  file->addWidget(wFileName_, 1);
  auto* browse = new QPushButton(qtTrId("参照"));
  connect(browse, &QPushButton::clicked, this, [this] { CallCore([&] { WCommandClick(game_); }); });
  file->addWidget(browse);
  column->addLayout(file);
  return group;
}

QWidget* FormOption::CreateLevels() {
  auto* group = Group(qtTrId("　コンピュータの強さ"));
  auto* column = new QVBoxLayout(group);
  auto* buttons = new QVBoxLayout;
  auto* exclusive = new QButtonGroup(buttons);
  for (Level level : kLevels) {
    const std::string label = LevelLabel(level);
    auto* button = new QRadioButton(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())));
    button->installEventFilter(this);
    exclusive->addButton(button);
    buttons->addWidget(button);
    levels_.push_back(button);
  }
  buttons->addStretch();
  column->addLayout(buttons);
  levelNote_ = new QLabel;
  levelNote_->setWordWrap(true);
  levelNote_->setFixedWidth(110);
  column->addWidget(levelNote_);
  column->addStretch();
  return group;
}

QWidget* FormOption::CreateHints() {
  auto* group = Group(qtTrId("　ヒント"));
  auto* column = new QVBoxLayout(group);
  hints_ = new QCheckBox(qtTrId("勝率を表示する"));
  connect(hints_, &QCheckBox::toggled, this, [this](bool on) {
    if (!syncing_) CallCore([&] { SetHints(game_, on); });
  });
  column->addWidget(hints_);
  auto* note = new QLabel(qtTrId("ヒントを見た対戦はハイスコアに残りません。"));
  note->setWordWrap(true);
  note->setFixedWidth(110);
  column->addWidget(note);
  return group;
}

// Beside OK, where the dialog has room to spare even on a 640x480 screen. Named in both languages,
// so a player who cannot read the one shown finds it.
QLayout* FormOption::CreateLanguage() {
  auto* row = new QHBoxLayout;
  auto* label = new QLabel("言語 / Language");
  language_ = new QComboBox;
  language_->addItem(qtTrId("自動（デスクトップの言語）"), Q(kLanguageAuto));
  language_->addItem("日本語", Q(kLanguageJapanese));
  language_->addItem("English", Q(kLanguageEnglish));
  label->setBuddy(language_);
  connect(language_, &QComboBox::currentIndexChanged, this, [this](int index) {
    const std::string value = language_->itemData(index).toString().toStdString();
    if (!syncing_) CallCore([&] { SetLanguage(game_, value); });
  });
  row->addWidget(label);
  row->addWidget(language_);
  row->addWidget(new QLabel(qtTrId("次回の起動から")));
  return row;
}

QWidget* FormOption::CreateSpeed() {
  auto* group = Group(qtTrId("　　 　札の移動速度　"));
  auto* row = new QHBoxLayout(group);
  row->addWidget(new QLabel(qtTrId("遅")));
  slider_ = new QSlider(Qt::Horizontal);
  slider_->setRange(kSliderMin, kSliderMax);
  connect(slider_, &QSlider::valueChanged, this, [this](int value) {
    if (!syncing_) SliderChange(game_, value);
  });
  row->addWidget(slider_, 1);
  row->addWidget(new QLabel(qtTrId("速")));
  return group;
}

void FormOption::SyncFromCore() {
  syncing_ = true;
  const OptionControls& options = game_.options;
  for (int i = 0; i < 2; ++i) {
    faces_[i]->setPixmap(FitInSquare(board_.FacePixmap(i), kFaceSize, devicePixelRatioF()));
    const QString file = Q(options.FFileName[i]);
    faceFiles_[i]->setText(faceFiles_[i]->fontMetrics().elidedText(file, Qt::ElideMiddle, faceFiles_[i]->width()));
    faceFiles_[i]->setToolTip(file);
  }
  dekiYaku_[static_cast<int>(options.DekiYaku)]->setChecked(true);
  sOption_[options.SOption == 0 ? 0 : 1]->setChecked(true);
  sOption_[1]->setEnabled(options.SOption1Enabled);
  wall_[options.Wall]->setChecked(true);
  if (wFileName_->text() != Q(options.WFileName)) wFileName_->setText(Q(options.WFileName));
  slider_->setValue(options.Slider);
  for (std::size_t i = 0; i < levels_.size() && i < kLevels.size(); ++i) {
    if (kLevels[i] == game_.nextLevel) levels_[i]->setChecked(true);
  }
  hints_->setChecked(game_.hints);
  language_->setCurrentIndex(std::max(0, language_->findData(Q(game_.language))));
  cardMarks_->setChecked(game_.cardMarks);
  // A size the screen cannot hold is not offered.
  bool larger = false;
  for (std::size_t i = 0; i < tableSizes_.size(); ++i) {
    const bool fits = TableSizeFits(game_, kTableSizes[i]);
    tableSizes_[i]->setChecked(kTableSizes[i] == game_.tableSize);
    tableSizes_[i]->setEnabled(fits);
    larger = larger || (fits && kTableSizes[i] > 100);
  }
  tableSizeRow_->setVisible(larger || game_.tableSize > 100);
  // Kept in the layout when hidden, so the dialog does not change size as a match starts.
  levelNote_->setText(MatchUnderWay(game_) ? qtTrId("対戦中です。強さの変更は次の対戦から有効になります。") : "");
  syncing_ = false;
}

void FormOption::ApplyFileName() {
  fileEdited_ = applyQueued_ = false;
  CallCore([&] { WFileNameLostFocus(game_); });
}

// Applies a file name typed but not yet applied, then closes: a message about the file comes
// while the dialog is still there to take the player's answer.
void FormOption::Close() {
  if (fileEdited_ || applyQueued_) ApplyFileName();
  OCommandClick(game_);
}

// A handler may open a message box. Run inside the press or the focus change that caused it, the
// box took the press's release, and the control was left pressed: the next key (Escape, Enter)
// only let go of it and was lost. Run once the event is over, every key counts once.
void FormOption::HandleLater(std::function<void()> handler) {
  QTimer::singleShot(0, this, [this, handler = std::move(handler)] { CallCore(handler); });
}

// Focus taken or given back by another window (another application, a menu) is no choice of the
// player's within the dialog: a half-typed file name stays as typed.
bool FormOption::eventFilter(QObject* watched, QEvent* event) {
  if (syncing_ || opening_) return CoreDialog::eventFilter(watched, event);
  if (watched == wFileName_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    // Enter applies the name, once; it does not press "OK" as well.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      applyQueued_ = true;
      QTimer::singleShot(0, this, [this] {
        if (applyQueued_) ApplyFileName();
      });
      return true;
    }
  }
  if (watched == wFileName_ && event->type() == QEvent::FocusOut) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      applyQueued_ = true;
      QTimer::singleShot(0, this, [this] {
        if (applyQueued_) ApplyFileName();
      });
    }
  }
  const auto* focus = event->type() == QEvent::FocusIn ? static_cast<QFocusEvent*>(event) : nullptr;
  if (focus && focus->reason() != Qt::ActiveWindowFocusReason) {
    for (int i = 0; i < 3; ++i) {
      if (watched == dekiYaku_[i]) HandleLater([this, i] { DekiYakuFocus(game_, i); });
    }
    for (int i = 0; i < 2; ++i) {
      if (watched == sOption_[i]) HandleLater([this, i] { SOptionFocus(game_, i); });
    }
    for (int i = 0; i < 4; ++i) {
      if (watched == wall_[i]) HandleLater([this, i] { WallFocus(game_, i); });
    }
    for (std::size_t i = 0; i < levels_.size(); ++i) {
      if (watched == levels_[i]) CallCore([&] { LevelFocus(game_, static_cast<int>(i)); });
    }
  }
  return CoreDialog::eventFilter(watched, event);
}

// Showing a dialog hands its focus widget a focus-in of its own (as if tabbed to): without this
// guard the button that had the focus when the dialog last closed ran its handler again on every
// opening, and a missing wallpaper raised its message from inside the showing.
void FormOption::setVisible(bool visible) {
  opening_ = visible;
  CoreDialog::setVisible(visible);
  opening_ = false;
}

void FormOption::showEvent(QShowEvent* event) {
  CoreDialog::showEvent(event);
  FormOptionActivate(game_);
  SyncFromCore();
}

void FormOption::closeEvent(QCloseEvent* event) {
  event->ignore();
  Close();
}

void FormOption::reject() { Close(); }

}  // namespace pg::ui
