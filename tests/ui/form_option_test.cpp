// The options dialog's file box and the message it may raise, and Qt's own texts in Japanese.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "engine/game.h"
#include "play/option_dialog.h"
#include "play/setup.h"
#include "tests/ui/test_application.h"
#include "ui/form_main.h"
#include "ui/qt_platform.h"

namespace pg::test {
namespace {

class FormOptionTest : public ::testing::Test {
 protected:
  FormOptionTest() {
    platform.SetStepInterval(0);
    setup(game);
    game.options.Wall = 3;
  }

  // Opens the options dialog, types a file that is not there into its box with その他 chosen, and
  // runs `act` on the box; the dialog is closed afterwards.
  void WithATypedMissingFile(const std::function<void(QLineEdit*)>& act) {
    QTimer::singleShot(0, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      auto* box = dialog->findChild<QLineEdit*>();
      box->setFocus();
      QTest::keyClicks(box, "nosuch.png");
      act(box);
      if (QApplication::activeModalWidget() == dialog) dialog->close();
    });
    MenuOption(game);
  }

  // Answers every message box with one Enter, as the player would, and notes its text.
  void AnswerMessagesWithOneEnter() {
    QObject::connect(&answerer, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || box == answered) return;
      answered = box;
      messages.push_back(box->text());
      // A button held when the box opened is let go over the box, which now has the pointer.
      if (buttonHeld) QTest::mouseRelease(box, Qt::LeftButton);
      buttonHeld = false;
      QTest::keyClick(box, Qt::Key_Return);
      if (QApplication::activeModalWidget() != box) return;
      enterIgnored = true;
      box->done(0);
    });
    answerer.start(0);
  }

  // Lets the handlers that wait for the event that asked for them run.
  static void Settle() { QCoreApplication::processEvents(); }

  bool applicationReady = EnsureApplication();
  ui::QtPlatform platform;
  Game game{platform};
  ui::FormMain form{game, platform};
  QTimer answerer;
  QMessageBox* answered = nullptr;
  std::vector<QString> messages;
  bool enterIgnored = false;
  // The left button is down and no message has taken its release yet.
  bool buttonHeld = false;
};

TEST_F(FormOptionTest, SwitchingToAnotherWindowLeavesAHalfTypedFileAlone) {
  WithATypedMissingFile([&](QLineEdit* box) {
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(box, &away);
    EXPECT_EQ(box->text(), "nosuch.png");
    EXPECT_EQ(game.options.Wall, 3);
    // The close applies what was typed, with the dialog still there for the message.
    AnswerMessagesWithOneEnter();
  });
  EXPECT_EQ(messages, std::vector<QString>{"ﾌｧｲﾙが見つかりません。"});
  EXPECT_EQ(game.options.WFileName, "");
}

TEST_F(FormOptionTest, EnterInTheFileBoxAppliesItOnceAndOneEnterClosesTheMessage) {
  WithATypedMissingFile([&](QLineEdit* box) {
    AnswerMessagesWithOneEnter();
    QTest::keyClick(box, Qt::Key_Return);
    Settle();
    EXPECT_EQ(messages, std::vector<QString>{"ﾌｧｲﾙが見つかりません。"});
    EXPECT_FALSE(enterIgnored) << "the first Enter closes the message box";
    EXPECT_TRUE(box->window()->isVisible()) << "the Enter did not press OK as well";
    EXPECT_EQ(box->text(), "");
  });
  EXPECT_EQ(messages.size(), 1u) << "closing does not report the file again";
}

TEST_F(FormOptionTest, AMessageRaisedByAClickLeavesNoButtonPressedSoTheNextKeyCounts) {
  game.options.Wall = 0;
  game.options.WFileName = "nosuch.png";
  bool closedByEscape = false;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    QRadioButton* other = nullptr;
    for (QRadioButton* radio : dialog->findChildren<QRadioButton*>()) {
      if (radio->text() == "その他") other = radio;
    }
    ASSERT_NE(other, nullptr);
    // A click gives the focus only in the active window.
    QApplication::setActiveWindow(dialog);
    AnswerMessagesWithOneEnter();
    buttonHeld = true;
    QTest::mousePress(other, Qt::LeftButton);
    if (buttonHeld) QTest::mouseRelease(other, Qt::LeftButton);
    buttonHeld = false;
    // The message comes once the click is over.
    Settle();
    EXPECT_EQ(messages, std::vector<QString>{"ﾌｧｲﾙが見つかりません。"});
    EXPECT_FALSE(enterIgnored);
    EXPECT_FALSE(other->isDown());
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog, Qt::Key_Escape);
    closedByEscape = !dialog->isVisible();
    if (!closedByEscape) dialog->close();
  });
  MenuOption(game);
  EXPECT_TRUE(closedByEscape) << "the first Escape after the message closes the dialog";
}

TEST(QtJapaneseTest, QtsOwnDialogsSpeakJapanese) {
  EnsureApplication();
  ui::QtPlatform platform;
  for (const auto& [context, text] : {std::pair{"QPlatformTheme", "Cancel"}, std::pair{"QFileDialog", "Look in:"},
                                      std::pair{"QFileDialog", "File &name:"}}) {
    const QString shown = QCoreApplication::translate(context, text);
    EXPECT_NE(shown, text);
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](QChar c) { return c.unicode() >= 0x3000; })) << text;
  }
}

}  // namespace
}  // namespace pg::test
