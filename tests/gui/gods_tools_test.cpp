// God's Tools during a test play started from the editor: every button's action on the game
// state followed by a redraw of the board, every key handed on to the board (undo too, each press
// one step), and Esc back to the editor with the map as it was saved.
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <optional>

#include "app/forms.h"
#include "board/session.h"
#include "gui/support/program_folder_fixture.h"
#include "gui/support/prompts_scope.h"
#include "state/level_file.h"
#include "state/tiles.h"
#include "windows/board_window.h"
#include "windows/editor_window.h"
#include "windows/gods_tools_window.h"

namespace quobbles {

class GodsToolsTest : public QObject {
  Q_OBJECT
  std::optional<testing::ProgramFolderFixture> folder;
  testing::ScriptedPromptsScope dialogs;

  // Clicks the button with this caption; none of them may take the keys away from the window.
  static void click(const QString& caption) {
    for (QPushButton* b : Form8()->findChildren<QPushButton*>())
      if (b->text() == caption && b->focusPolicy() == Qt::NoFocus)
        return QTest::mouseClick(b, Qt::LeftButton);
    QFAIL(qPrintable("no button " + caption));
  }
  static BoardControls& shown() { return sharedSession().board.controls; }

 private slots:
  // The level maker saves a level as "played" and plays it: the board and God's Tools open.
  void init() {
    folder.emplace();
    sharedSession().game.code(1, 1) = tile::Star;
    sharedSession().game.code(1, 2) = tile::PermanentWall;
    dialogs.script.inputs = {"played"};
    app::showForm(Form2());
    Form2()->Comm_Click(0);
    testing::settleEvents();
    QVERIFY(app::loadedForm(1) && app::loadedForm(8) && !app::loadedForm(2));
  }
  void cleanup() { folder.reset(); }

  void everyButtonActsOutsideTheRulesAndRedrawsTheBoard() {
    GameState& g = sharedSession().game;
    g.PlayState = 1;  // dead, with "Game over." shown
    shown().figureVisible = false;
    shown().messageVisible = true;
    Form1()->render();
    click("Back to life!");
    QCOMPARE(int(g.PlayState), 0);
    QVERIFY(shown().figureVisible && !Form1()->messageLabel()->isVisible());
    g.PlayerPos = {3, 3};
    g.code(3, 3) = tile::BrownBlock;
    g.state(3, 3) = 3;
    click("Destroy");  // empties the map square only; the mover's direction stays
    QCOMPARE(int(g.code(3, 3)), int(tile::Empty));
    QCOMPARE(int(g.state(3, 3)), 3);
    QCOMPARE(int(shown().view[40]), int(tile::Empty));
    for (int i = 1; i <= 5; ++i)
      for (int times = 0; times < i; ++times) click(QStringLiteral("S%1").arg(i));
    for (int counter = 0; counter < 5; ++counter)
      QCOMPARE(Form1()->counterLabel(counter)->text(), QString::number(counter + 1));

    g.PlayerPos = {0, 0};  // the arrows shift him without playing a turn, never off the grid
    click("<");
    click("^");  // at y = 0
    QCOMPARE(sharedSession().game.PlayerPos, (BytePos{0, 0}));
    click(">");
    click("V");                                        // onto the star, which is not collected
    QCOMPARE(int(shown().view[40]), int(tile::Star));  // the board was redrawn around him
    click("V");                                        // into the wall: he stands in it
    QCOMPARE(sharedSession().game.PlayerPos, (BytePos{1, 2}));
    QCOMPARE(int(sharedSession().game.code(1, 1)), int(tile::Star));
    sharedSession().game.PlayerPos = {49, 49};
    click(">");
    click("V");
    QCOMPARE(sharedSession().game.PlayerPos, (BytePos{49, 49}));
    QVERIFY(testing::saveShot(Form8(), QStringLiteral("gods_tools")));
  }

  void keysGoToTheBoardEachPressIsOneStepAndEscReturnsToTheMapAsSaved() {
    const std::optional<Level> saved = ReadLevel(folder->folder("Levels") / "played.lev").value;
    QTest::keyClick(Form8(), Qt::Key_6);
    QTest::keyClick(Form8(), Qt::Key_Down);  // onto the star, which is collected
    QCOMPARE(sharedSession().game.PlayerPos, (BytePos{1, 1}));
    QCOMPARE(int(sharedSession().game.code(1, 1)), int(tile::Empty));
    const Session moved = sharedSession();
    click(">");
    click("S1");
    QTest::keyClick(Form8(), Qt::Key_Backspace);  // undoes S1, then Ctrl+Z the arrow
    QCOMPARE(Form1()->counterLabel(kInvisibilityCounter)->text(), QStringLiteral("0"));
    QCOMPARE(sharedSession().game.PlayerPos, (BytePos{2, 1}));
    QTest::keyClick(Form8(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(sharedSession() == moved);
    QTest::keyClick(Form8(), Qt::Key_Escape);
    testing::settleEvents();
    QVERIFY(app::loadedForm(2) && !app::loadedForm(1) && !app::loadedForm(8));
    QCOMPARE(std::optional(sharedSession().game.level), saved);
    QCOMPARE(Form2()->windowTitle(), QStringLiteral("Quobble - Level editor: 'PLAYED'"));
  }
};

}  // namespace quobbles

QTEST_MAIN(quobbles::GodsToolsTest)
#include "gods_tools_test.moc"
