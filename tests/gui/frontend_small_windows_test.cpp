// The small windows: the help and texture help over the board (Space closes each, other keys
// play on), the credits (any key, the picture or "Back" lead to the main menu) and the note for
// level makers (closed by a click on a text or by another window taking the focus).
#include <QDir>
#include <QPlainTextEdit>
#include <QtTest>
#include <functional>
#include <memory>

#include "board/board_window.h"
#include "frontend/caption_label_widget.h"
#include "frontend/credits_window.h"
#include "frontend/help_text.h"
#include "frontend/help_window.h"
#include "frontend/main_menu_window.h"
#include "frontend/message_window.h"
#include "frontend/texture_help_window.h"
#include "gui/support/program_folder_fixture.h"
#include "support/ascii_map.h"
#include "ui/forms.h"
#include "ui/scripted_dialogs.h"

namespace quobbles {

namespace {

bool isOpen(int form) {
  return ui::loadedForm(form) && ui::loadedForm(form)->isVisible();
}

}  // namespace

class SmallWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<testing::ProgramFolderFixture>();
    dialogs_ = std::make_unique<ui::ScriptedDialogsScope>();
  }
  void cleanup() {
    dialogs_.reset();
    folder_.reset();
  }

  void spaceOnTheBoardOpensBothHelpWindowsThatPassKeysOn() {
    // A level from "Play other maps": Esc from it leads to the main menu.
    sharedGame().level = testing::levelFromPicture({"......E"});
    ui::showForm(Form1());
    QTest::keyClick(Form1(), Qt::Key_Space);
    QVERIFY(isOpen(7));
    QVERIFY(isOpen(5));
    auto* help = static_cast<HelpWindow*>(ui::loadedForm(5));
    QCOMPARE(help->windowTitle(), QStringLiteral("Quobbles - Help"));
    QCOMPARE(ui::loadedForm(7)->windowTitle(), QStringLiteral("Quobble - Help: Textures?"));
    QCOMPARE(help->textBox()->toPlainText(),
             QString::fromStdString(helpText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QVERIFY(help->textBox()->isReadOnly());
    QVERIFY(testing::saveShot(help, QStringLiteral("form5_help")));
    QVERIFY(testing::saveShot(ui::loadedForm(7), QStringLiteral("form7_texture_help")));

    // The text box has the focus in the help window: its keys still reach the board.
    QTest::keyClick(help->textBox(), Qt::Key_6);
    QCOMPARE(sharedGame().PlayerPos.x, 1);
    QTest::keyClick(help->textBox(), Qt::Key_PageDown);  // scrolls the text, plays nothing
    QCOMPARE(sharedGame().PlayerPos.x, 1);
    QTest::keyClick(help->textBox(), Qt::Key_Space);
    testing::settleEvents();
    QVERIFY(!ui::loadedForm(5));
    QVERIFY(isOpen(7));

    QTest::keyClick(ui::loadedForm(7), Qt::Key_6);
    QCOMPARE(sharedGame().PlayerPos.x, 2);
    QTest::keyClick(ui::loadedForm(7), Qt::Key_Space);
    testing::settleEvents();
    QVERIFY(!ui::loadedForm(7));
    QVERIFY(isOpen(1));
  }

  void escInTheHelpLeavesTheBoardAndClosesBothHelpWindows() {
    sharedGame().level = testing::levelFromPicture({"......E"});
    ui::showForm(Form1());
    QTest::keyClick(Form1(), Qt::Key_Space);
    QTest::keyClick(static_cast<HelpWindow*>(ui::loadedForm(5))->textBox(), Qt::Key_Escape);
    testing::settleEvents();
    QVERIFY(!ui::loadedForm(1));
    QVERIFY(!ui::loadedForm(5));
    QVERIFY(!ui::loadedForm(7));
    QVERIFY(isOpen(3));
  }

  void anyKeyThePictureOrBackLeaveTheCredits() {
    QVERIFY(testing::saveShot(Form6(), QStringLiteral("form6_credits")));
    QCOMPARE(Form6()->windowTitle(), QStringLiteral("Quobbles - Credits"));
    const auto back = [](const char* how, const std::function<void()>& action) {
      ui::showForm(Form6());
      action();
      testing::settleEvents();
      QVERIFY2(!ui::loadedForm(6), how);
      QVERIFY2(isOpen(3), how);
      ui::unloadForm(3);
      testing::settleEvents();
    };
    back("Esc", [] { QTest::keyClick(Form6(), Qt::Key_Escape); });
    back("Space", [] { QTest::keyClick(Form6(), Qt::Key_Space); });
    back("a letter", [] { QTest::keyClick(Form6(), Qt::Key_Q); });
    back("the picture", [] { QTest::mouseClick(Form6()->picture(), Qt::LeftButton, {}, QPoint(30, 30)); });
    // A click on a text goes through to the picture behind it (clicked on the window, so that
    // the window finds what lies under the pointer).
    back("a text", [] {
      QTest::mouseClick(Form6()->windowHandle(), Qt::LeftButton, {},
                        Form6()->findChild<QLabel*>("Viesti0")->geometry().center());
    });
    back("Back", [] { QTest::mouseClick(Form6()->backLabel(), Qt::LeftButton); });
  }

  void theNoteClosesOnAClickOrWhenAnotherWindowTakesTheFocus() {
    ui::showForm(Form9());
    QVERIFY(testing::saveShot(Form9(), QStringLiteral("form9_message")));
    QVERIFY(Form9()->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(
        Form9()->text(2)->text().contains(QStringLiteral("(quobbles-levels@example.invalid) Thank you.")));
    QVERIFY(Form9()->text(8)->text().startsWith(QStringLiteral("Congratulations! You have passed")));
    QCOMPARE(
        Form9()->text(1)->text(),
        QStringLiteral("Don't forget to pass your level once outside of editor (Mainmenu/Play other levels) "
                       "before putting it to net!!"));
    QTest::mouseClick(Form9()->text(1), Qt::LeftButton);
    testing::settleEvents();
    QVERIFY(!ui::loadedForm(9));

    ui::showForm(Form3());
    ui::showForm(Form9());
    QVERIFY(QTest::qWaitForWindowActive(Form9()));
    Form3()->activateWindow();
    QTRY_VERIFY(!ui::loadedForm(9));
    QVERIFY(isOpen(3));
  }

 private:
  std::unique_ptr<testing::ProgramFolderFixture> folder_;
  std::unique_ptr<ui::ScriptedDialogsScope> dialogs_;
};

}  // namespace quobbles

QTEST_MAIN(quobbles::SmallWindowsTest)
#include "frontend_small_windows_test.moc"
