// God's Tools during a test play: the window's design, every button's action on the game state
// followed by a redraw of the board, and every key handed on to the board.
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "board/board_window.h"
#include "editor/editor_window.h"
#include "gui/support/program_folder_fixture.h"
#include "state/tiles.h"
#include "ui/forms.h"
#include "ui/scripted_dialogs.h"
#include "ui/twips.h"
#include "world/gods_tools_window.h"

namespace quobbles {

using testing::ProgramFolderFixture;
using testing::settleEvents;

class GodsToolsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ProgramFolderFixture> folder;

  // A test play of the level in memory: the board and God's Tools, as the editor opens them.
  GodsToolsWindow* startTestPlay() {
    sharedGame().EditorTestPlay = kTrue;
    ui::showForm(Form1());
    ui::showForm(Form8());
    return Form8();
  }
  void click(int index) { QTest::mouseClick(Form8()->button(index), Qt::LeftButton); }
  BoardModel& board() { return sharedBoard(); }

 private slots:
  void init() { folder = std::make_unique<ProgramFolderFixture>(); }
  void cleanup() { folder.reset(); }

  void theWindowIsBuiltAsDesigned() {
    GodsToolsWindow* w = startTestPlay();
    QCOMPARE(w->windowTitle(), QStringLiteral("God's Tools"));
    QCOMPARE(w->size(), QSize(ui::px(2490), ui::px(1995)));
    QCOMPARE(w->pos().x(), ui::px(8000));
    const QStringList captions = {
        "Back to life!", ">", "^", "<", "V", "Destroy", "S1", "S2", "S3", "S4", "S5"};
    const QRect places[] = {ui::twipsRect(120, 120, 1095, 375),  ui::twipsRect(1800, 600, 375, 375),
                            ui::twipsRect(1320, 120, 375, 375),  ui::twipsRect(840, 600, 375, 375),
                            ui::twipsRect(1320, 1080, 375, 375), ui::twipsRect(120, 1080, 1095, 375),
                            ui::twipsRect(120, 1560, 375, 375),  ui::twipsRect(600, 1560, 375, 375),
                            ui::twipsRect(1080, 1560, 375, 375), ui::twipsRect(1560, 1560, 375, 375),
                            ui::twipsRect(2040, 1560, 375, 375)};
    for (int i = 0; i < 11; ++i) {
      QCOMPARE(w->button(i)->text(), captions[i]);
      QCOMPARE(w->button(i)->geometry(), places[i]);
      QCOMPARE(w->button(i)->focusPolicy(), Qt::NoFocus);  // keys stay with the window
    }
    QCOMPARE(w->findChildren<QFrame*>(QRegularExpression("^Shape1_\\d$")).size(), 6);
    QVERIFY(testing::saveShot(w, QStringLiteral("gods_tools")));
  }

  void backToLifeDestroyAndTheCounters() {
    startTestPlay();
    sharedGame().PlayState = 1;  // killed by a block standing on his square
    sharedGame().PlayerPos = {3, 3};
    sharedGame().code(3, 3) = tile::BrownBlock;
    sharedGame().state(3, 3) = 3;
    board().controls.figureVisible = false;
    board().controls.messageVisible = board().controls.escHintVisible = true;
    Form1()->render();
    click(0);
    QCOMPARE(int(sharedGame().PlayState), 0);
    QVERIFY(board().controls.figureVisible);
    QVERIFY(!board().controls.escHintVisible);
    QVERIFY(!Form1()->messageLabel()->isVisible());

    click(5);  // "Destroy" empties the map square only; the mover's direction stays
    QCOMPARE(int(sharedGame().code(3, 3)), int(tile::Empty));
    QCOMPARE(int(sharedGame().state(3, 3)), 3);
    QCOMPARE(int(board().controls.view[40]), int(tile::Empty));

    for (int i = 6; i <= 10; ++i)
      for (int times = 0; times <= i - 6; ++times) click(i);
    for (int counter = 0; counter < 5; ++counter)
      QCOMPARE(Form1()->counterLabel(counter)->text(), QString::number(counter + 1));
  }

  void arrowsShiftThePlayerButNeverOffTheGrid() {
    sharedGame().code(1, 0) = tile::Star;
    sharedGame().code(1, 1) = tile::PermanentWall;
    startTestPlay();
    click(3);  // "<" at x = 0
    click(2);  // "^" at y = 0
    QCOMPARE(sharedGame().PlayerPos, (BytePos{0, 0}));
    click(1);  // ">"
    QCOMPARE(sharedGame().PlayerPos, (BytePos{1, 0}));
    QCOMPARE(int(sharedGame().code(1, 0)), int(tile::Star));    // nothing is collected
    QCOMPARE(int(board().controls.view[40]), int(tile::Star));  // the board was redrawn around him
    click(4);                                                   // "V" into a wall: he stands in it
    QCOMPARE(sharedGame().PlayerPos, (BytePos{1, 1}));
    sharedGame().PlayerPos = {49, 49};
    click(1);
    click(4);
    QCOMPARE(sharedGame().PlayerPos, (BytePos{49, 49}));
  }

  void everyKeyIsHandedToTheBoard() {
    ui::ScriptedDialogsScope dialogs;
    sharedGame().level.LevelName = "played";
    GodsToolsWindow* w = startTestPlay();
    QTest::keyClick(w, Qt::Key_6);
    QCOMPARE(sharedGame().PlayerPos, (BytePos{1, 0}));
    QTest::keyClick(w, Qt::Key_2);
    QCOMPARE(sharedGame().PlayerPos, (BytePos{1, 1}));
    QTest::keyClick(w, Qt::Key_D);  // a view key of the board
    QCOMPARE(int(board().vars.ViewShift.x), 5);
    QTest::keyClick(w, Qt::Key_Space);  // help opens as from the board
    QVERIFY(ui::loadedForm(5));
    QVERIFY(ui::loadedForm(7));

    // Esc ends the test play: back to the editor, God's Tools and the board closed.
    QTest::keyClick(w, Qt::Key_Escape);
    settleEvents();
    QVERIFY(!ui::loadedForm(8));
    QVERIFY(!ui::loadedForm(1));
    QVERIFY(ui::loadedForm(2));
  }
};

}  // namespace quobbles

QTEST_MAIN(quobbles::GodsToolsTest)
#include "gods_tools_test.moc"
