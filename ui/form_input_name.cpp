// The name dialog on screen. The box takes only what the status file can store: sixteen bytes of
// its code page, so a full-width character counts twice.
#include "ui/form_input_name.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include "engine/game.h"
#include "play/hi_score.h"
#include "records/high_scores.h"
#include "ui/board_view.h"
#include "ui/label_item.h"
#include "ui/language.h"
#include "ui/qt_platform.h"

namespace pg::ui {

namespace {

constexpr int kWidth = 248;
// English says where the match entered in longer lines: "Single-month table: ranks 1, 2 and 3".
constexpr int kEnglishWidth = 300;
constexpr int kHeight = 184;
// Between the dialog's lower edge and the first result line.
constexpr int kGap = 8;

class NameValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    const std::optional<int> left = NameBytesLeft(input.toStdString());
    return left && *left >= 0 ? Acceptable : Invalid;
  }
};

// In half-width characters, the unit the player can count on the keyboard.
QString BytesLeftText(const QString& name) {
  return QString(qtTrId("あと半角%1文字")).arg(NameBytesLeft(name.toStdString()).value_or(0));
}

QLabel* CentredLabel(QWidget* parent, const QString& text, int top) {
  auto* label = new QLabel(text, parent);
  label->setFont(GameFont(10));
  label->setAlignment(Qt::AlignCenter);
  label->setGeometry(0, top, parent->width(), 18);
  return label;
}

}  // namespace

FormInputName::FormInputName(Game& game, QWidget* parent)
    : CoreDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), game_(game) {
  setWindowTitle(qtTrId("名前入力"));
  setModal(true);
  const int width = SpeaksEnglish() ? kEnglishWidth : kWidth;
  // Everything is placed as in the narrower Japanese dialog, moved right by half the extra width.
  const int shift = (width - kWidth) / 2;
  setFixedSize(width, kHeight);
  total_ = CentredLabel(this, "", 14);
  gameLine_ = CentredLabel(this, "", 34);
  CentredLabel(this, qtTrId("入賞しています。"), 62);
  CentredLabel(this, qtTrId("名前を入力して下さい。"), 90);
  inputName_ = new QLineEdit(this);
  inputName_->setGeometry(44 + shift, 114, 160, 24);
  inputName_->setFont(GameFont(10));
  inputName_->setMaxLength(kNameChars);
  inputName_->setValidator(new NameValidator(inputName_));
  inputName_->setToolTip(qtTrId("全角は半角２文字分です"));
  bytesLeft_ = new QLabel(BytesLeftText(""), this);
  bytesLeft_->setFont(GameFont(9));
  bytesLeft_->setGeometry(16 + shift, 152, 136, 18);
  connect(inputName_, &QLineEdit::textChanged, this, [this](const QString& text) {
    game_.inputName.InputName = text.toStdString();
    bytesLeft_->setText(BytesLeftText(text));
  });
  auto* ok = new QPushButton("OK", this);
  ok->setGeometry(160 + shift, 148, 72, 26);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { InputNameOk(game_); });
  connect(inputName_, &QLineEdit::returnPressed, this, [this] { InputNameOk(game_); });
}

void FormInputName::SyncFromCore() {
  const NameDialogState& dialog = game_.inputName;
  total_->setText(QString::fromStdString(dialog.totalLine));
  total_->setVisible(dialog.totalVisible);
  gameLine_->setText(QString::fromStdString(dialog.gameLine));
  gameLine_->setVisible(dialog.gameVisible);
  if (inputName_->text().toStdString() != dialog.InputName)
    inputName_->setText(QString::fromStdString(dialog.InputName));
}

// Centred across the main window and above the result lines, with the focus in the name box.
void FormInputName::showEvent(QShowEvent* event) {
  CoreDialog::showEvent(event);
  CentreOverParent();
  if (const auto* board = parentWidget() ? parentWidget()->findChild<BoardView*>() : nullptr) {
    const int resultTop = board->mapToGlobal(board->mapFromScene(0, game_.inputName.resultTop)).y();
    const int frameBelowClient = frameGeometry().bottom() - geometry().bottom();
    move(x(), resultTop - kGap - frameBelowClient - height());
  }
  KeepOnScreen(*this);
  inputName_->setFocus();
  inputName_->selectAll();
}

void FormInputName::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace pg::ui
