// The name dialog on screen. The box takes only what the status file can store: sixteen characters
// of its code page.
#include "ui/form_input_name.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include "engine/game.h"
#include "play/hi_score.h"
#include "records/cp932.h"
#include "ui/label_item.h"

namespace pg::ui {

namespace {

constexpr int kWidth = 248;
constexpr int kHeight = 184;

class Cp932Validator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return FitsCp932(input.toStdString()) ? Acceptable : Invalid;
  }
};

QLabel* CentredLabel(QWidget* parent, const QString& text, int top) {
  auto* label = new QLabel(text, parent);
  label->setFont(GameFont(10));
  label->setAlignment(Qt::AlignCenter);
  label->setGeometry(0, top, kWidth, 18);
  return label;
}

}  // namespace

FormInputName::FormInputName(Game& game, QWidget* parent)
    : CoreDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), game_(game) {
  setWindowTitle("名前入力");
  setModal(true);
  setFixedSize(kWidth, kHeight);
  total_ = CentredLabel(this, "", 14);
  gameLine_ = CentredLabel(this, "", 34);
  CentredLabel(this, "入賞しています。", 62);
  CentredLabel(this, "名前を入力して下さい。", 90);
  inputName_ = new QLineEdit(this);
  inputName_->setGeometry(44, 114, 160, 24);
  inputName_->setFont(GameFont(10));
  inputName_->setMaxLength(kNameChars);
  inputName_->setValidator(new Cp932Validator(inputName_));
  connect(inputName_, &QLineEdit::textChanged, this,
          [this](const QString& text) { game_.inputName.InputName = text.toStdString(); });
  auto* ok = new QPushButton("OK", this);
  ok->setGeometry(160, 148, 72, 26);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { InputNameOk(game_); });
  connect(inputName_, &QLineEdit::returnPressed, this, [this] { InputNameOk(game_); });
}

void FormInputName::SyncFromCore() {
  const NameDialogState& dialog = game_.inputName;
  total_->setText(QString::fromStdString(dialog.Total));
  total_->setVisible(dialog.totalVisible);
  gameLine_->setText(QString::fromStdString(dialog.Game));
  gameLine_->setVisible(dialog.gameVisible);
  if (inputName_->text().toStdString() != dialog.InputName) inputName_->setText(QString::fromStdString(dialog.InputName));
}

// Centred over the main window, with the focus in the name box.
void FormInputName::showEvent(QShowEvent* event) {
  CoreDialog::showEvent(event);
  CentreOverParent();
  inputName_->setFocus();
  inputName_->selectAll();
}

void FormInputName::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace pg::ui
