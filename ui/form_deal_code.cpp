// Asking for a deal code, with the refusal of a typo said in Japanese.
#include "ui/form_deal_code.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace pg::ui {

namespace {

constexpr const char* kTitle = QT_TRID_NOOP("コードで対戦");

}  // namespace

std::optional<DealCode> AskDealCode(QWidget* parent) {
  QString typed;
  while (true) {
    QInputDialog dialog(parent);
    dialog.setObjectName("DealCodeDialog");
    dialog.setWindowTitle(qtTrId(kTitle));
    dialog.setLabelText(
        qtTrId("配りコード（8文字）を入力してください。\n") +
        qtTrId("同じコードなら、だれとでも同じ配りで対戦できます。"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(typed);
    dialog.setOkButtonText(qtTrId("対戦する"));
    dialog.setCancelButtonText(qtTrId("キャンセル"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    typed = dialog.textValue();
    const DealCodeRead read = ReadDealCode(typed.toStdString());
    if (read.code) return read.code;
    QMessageBox::warning(parent, qtTrId(kTitle), QString::fromStdString(read.refusal));
  }
}

}  // namespace pg::ui
