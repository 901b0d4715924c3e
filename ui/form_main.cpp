// Main window: forwards clicks on cards and on the table to the game, and lays out the menu.
#include "ui/form_main.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPainter>
#include <QShortcut>

#include "engine/game.h"
#include "play/ending.h"
#include "play/hi_score.h"
#include "play/keyboard.h"
#include "play/menu.h"
#include "play/option_dialog.h"
#include "play/pointer.h"
#include "play/setup.h"
#include "ui/art/artwork.h"
#include "ui/board_view.h"
#include "ui/form_agari.h"
#include "ui/form_input_name.h"
#include "ui/form_option.h"
#include "ui/form_rule.h"
#include "ui/form_score.h"
#include "ui/form_review.h"
#include "ui/form_statistics.h"
#include "ui/form_version.h"
#include "ui/form_wait.h"
#include "ui/picture_button.h"
#include "ui/qt_platform.h"

namespace pg::ui {

namespace {

// The menu frame's separator pairs group the buttons as [play, end], [options, rules, scores], [help, info],
// [statistics].
class MenuFrame : public QFrame {
 public:
  using QFrame::QFrame;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QFrame::paintEvent(event);
    QPainter painter(this);
    for (int x : {160, 392, 548}) {
      painter.setPen(palette().dark().color());
      painter.drawLine(x, 2, x, 42);
      painter.setPen(palette().light().color());
      painter.drawLine(x + 1, 2, x + 1, 42);
    }
  }
};

struct MenuEntry {
  const char* name;
  MenuPicture picture;
  const char* tip;
  int left;
  const char* shortcut;
};

constexpr MenuEntry kMenu[] = {
    {"MenuPlay", MenuPicture::Play, "新しいゲームを始めます", 8, "F2"},
    {"MenuEnd", MenuPicture::End, "Petalgame 32 を終了します", 80, "Ctrl+Q"},
    {"MenuOption", MenuPicture::Option, "オプション", 168, "Ctrl+O"},
    {"MenuRule", MenuPicture::Rule, "ルールの変更", 240, "Ctrl+R"},
    {"MenuHiScore", MenuPicture::HiScore, "ハイスコア", 312, "Ctrl+H"},
    {"MenuHelp", MenuPicture::Help, "ヘルプ", 400, "F1"},
    {"MenuInfo", MenuPicture::Info, "バージョン情報", 472, "Ctrl+I"},
    {"MenuRecord", MenuPicture::Record, "成績", 554, "Ctrl+T"},
};

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
      return ShowStatisticsWindow;
  }
  return nullptr;
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
  platform.RegisterDialog(Dialog::Agari, [this, redrawing, &game] { return redrawing(new FormAgari(game, this)); }, Window::Agari);
  platform.RegisterDialog(Dialog::Rule, [this, redrawing, &game] { return redrawing(new FormRule(game, this)); }, Window::Rule);
  platform.RegisterDialog(Dialog::Option, [this, redrawing, &game] { return redrawing(new FormOption(game, *board_, this)); },
                          Window::Option);
  platform.RegisterDialog(Dialog::Score, [this, &game] { return new FormScore(game, this); }, Window::Score);
  platform.RegisterDialog(Dialog::Version, [this, &game] { return new FormVersion(game, this); }, Window::Version);
  platform.RegisterDialog(Dialog::InputName, [this, &game] { return new FormInputName(game, this); });
  platform.RegisterDialog(Dialog::Wait, [this, &game] { return new FormWait(game, this); });
  platform.RegisterWindow(Window::Main, this);
  CreateMenu();
  connect(board_, &BoardView::Pressed, this, [this](ControlId control) { PointerPressed(game_, control); });
  connect(board_, &BoardView::Released, this, [this](ControlId control) { Run([&] { PointerReleased(game_, control); }); });
  connect(board_, &BoardView::ReviewRequested, this, [this] { ShowReviewWindow(game_, kNewestMatch); });
  connect(board_, &BoardView::KeyCommand, this, [this](Key key) { Run([&] { KeyPressed(game_, key); }); });
}

template <typename Handler>
void FormMain::Run(Handler handler) {
  handler();
  board_->SetFlying(false);
  board_->Sync();
  if (!platform_.FlightsOver()) return;
  Form_QueryUnload(game_);
  platform_.FlightsOver();
  board_->Sync();
}

void FormMain::CreateMenu() {
  auto* frame = new MenuFrame(this);
  frame->setObjectName("MenuFrame");
  frame->setGeometry(1, 1, 758, 44);
  const qreal dpr = devicePixelRatioF();
  for (const MenuEntry& entry : kMenu) {
    auto* button = new AXButtonCtl(frame);
    button->setObjectName(entry.name);
    button->move(entry.left, 2);
    button->SetPicture(MenuButtonPicture(entry.picture, dpr));
    button->setToolTip(entry.tip);
    button->SetHoverGuard([this] { return game_.HelpJudge; });
    const MenuCommand command = Command(entry.picture);
    // Any mouse button released after a press on the button runs its command.
    connect(button, &AXButtonCtl::MouseUp, this, [this, command] { Run([&] { command(game_); }); });
    // A held key runs the command once, as one press of the button would.
    auto* shortcut = new QShortcut(QKeySequence(entry.shortcut), this);
    shortcut->setAutoRepeat(false);
    connect(shortcut, &QShortcut::activated, this, [this, command] { Run([&] { command(game_); }); });
  }
}

// The request itself is refused: the game ends only through its question.
void FormMain::closeEvent(QCloseEvent* event) {
  event->ignore();
  Run([&] { Form_QueryUnload(game_); });
}

}  // namespace pg::ui
