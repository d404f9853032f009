// The editor window as the level maker uses it: drawing with clicks, drags and Shift strokes,
// one "Square is out of map." at a time, the extent and its scroll bars, the edit-code box and
// the title, who has the keyboard and what the Ctrl keys do wherever it is, undo and redo, the
// note for level makers and what the commands show afterwards. (The commands, undo and the close
// question are tested without the window; the test play is in the God's Tools tests.)
#include "windows/editor_window.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <optional>

#include "app/forms.h"
#include "board/session.h"
#include "gui/support/program_folder_fixture.h"
#include "gui/support/prompts_scope.h"
#include "state/level_file.h"
#include "state/tiles.h"
#include "ui/navigation.h"
#include "ui/picture_store.h"
#include "windows/board_window.h"
#include "windows/message_window.h"

namespace quobbles {

namespace fs = std::filesystem;

// Scripted answers, and something that happens while the message is on screen (as events that
// arrive while a real message box is open).
class PromptsWithMeanwhile : public testing::ScriptedPrompts {
 public:
  std::function<void()> meanwhile;
  Answer message(const std::string& text, const std::string& title, Buttons buttons, Icon icon,
                 bool systemModal) override {
    if (meanwhile) std::exchange(meanwhile, {})();
    return ScriptedPrompts::message(text, title, buttons, icon, systemModal);
  }
};

class EditorViewTest : public QObject {
  Q_OBJECT
  std::optional<testing::ProgramFolderFixture> folder;
  testing::ScriptedPromptsScope dialogs;
  EditorWindow* w = nullptr;

  template <class T = QLabel>
  T* child(const QString& name) {
    return w->findChild<T*>(name);
  }
  QLabel* square(int k) { return child(QStringLiteral("Ruutu%1").arg(k)); }
  bool shows(int k, int code) {
    return square(k)->pixmap().cacheKey() == ui::PictureStore::tile(code).cacheKey();
  }
  // The pointer moves over view square k with these keys (and buttons) held; a held button
  // keeps the mouse with the square it went down on, `from`.
  void moveOver(int k, Qt::KeyboardModifiers keys, Qt::MouseButtons buttons = Qt::NoButton, int from = -1) {
    QLabel* target = square(from < 0 ? k : from);
    const QPoint at = square(k)->pos() - target->pos() + QPoint(20, 20);
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::NoButton, buttons,
                     keys);
    QCoreApplication::sendEvent(target, &move);
  }
  // A key pressed where the keyboard is, as the window system delivers it.
  static void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus != nullptr);
    QTest::keyClick(focus, k, mods);
  }
  QLineEdit* box(int i) { return child<QLineEdit>(QStringLiteral("Text1_%1").arg(i)); }
  // The codes of squares from..to of row y, as "21 21 0".
  static QString codes(int y, int from, int to) {
    QStringList out;
    for (int x = from; x <= to; ++x) out << QString::number(sharedSession().game.code(x, y));
    return out.join(' ');
  }
  // Every question asked since the last call, as "title: text".
  QStringList said() {
    asked = std::exchange(dialogs.script.asked, {});
    QStringList out;
    for (const auto& a : asked) out << QString::fromStdString(a.title + ": " + a.text);
    return out;
  }
  std::vector<testing::Asked> asked;  // the questions said() last reported
  // Runs command Comm(index) with the dialogs answered as given; returns what it asked.
  QStringList run(int index, const std::vector<std::string>& inputs = {}, std::deque<Answer> answers = {}) {
    dialogs.script.inputs.assign(inputs.begin(), inputs.end());
    dialogs.script.answers = std::move(answers);
    app::showForm(w = Form2());
    w->Comm_Click(index);
    testing::settleEvents();
    return said();
  }

 private slots:
  void init() {
    folder.emplace();
    dialogs.script = {};
    sharedSession().game.level.LevelName = "Maze";
    app::showForm(w = Form2());
  }
  void cleanup() { folder.reset(); }

  void drawingInsideAndOutsideTheExtentAndShrinkingIt() {
    QCOMPARE(w->windowTitle(), QStringLiteral("Quobble - Level editor: 'MAZE'"));
    QTest::mouseClick(child("Textuuri66"), Qt::LeftButton);  // the palette's exit
    const std::pair<const char*, int> bars[] = {
        {"Kkokoko0", 20}, {"Kkokoko1", 30}, {"HScroll1", 20}, {"VScroll1", 30}};
    for (const auto& [bar, value] : bars) child<QScrollBar>(bar)->setValue(value);
    for (int k : {40, 41, 49}) QTest::mouseClick(square(k), Qt::LeftButton);  // (20, 30), (21, 30), (20, 31)
    QCOMPARE(said().size(), 2);
    QCOMPARE(int(sharedSession().game.code(20, 30)), int(tile::Exit));
    QVERIFY(shows(40, tile::Exit));
    child<QScrollBar>("Kkokoko0")->setValue(10);  // the view is pulled back to the new edge
    QCOMPARE(int(sharedSession().game.PlayerPos.x), 10);
    QVERIFY(shows(41, tile::PermanentWall));  // x = 11 lies beyond the extent
    QVERIFY(testing::saveShot(w, QStringLiteral("editor")));
  }

  void shiftPaintsAStrokeAndDoubleClickClears() {
    editor::sharedEditor().SelectedTile = 21;
    for (int k = 36; k <= 44; ++k) moveOver(k, Qt::ShiftModifier);  // view row 4 is map row 0
    QCOMPARE(codes(0, 0, 5), QStringLiteral("21 21 21 21 21 0"));
    QCOMPARE(said(), QStringList{"Editor: Square is out of map."});  // once for the stroke
    moveOver(49, Qt::ShiftModifier | Qt::ControlModifier);           // Shift with Ctrl only tracks
    QCOMPARE(codes(1, 0, 0), QStringLiteral("0"));
    QTest::mouseDClick(square(44), Qt::LeftButton);
    QCOMPARE(codes(0, 4, 4), QStringLiteral("0"));
    QVERIFY(shows(44, tile::Empty));
  }

  void theCodeBoxKeepsOnlyANumber() {
    QLineEdit* box = child<QLineEdit>("Text1_1");
    box->setText(QStringLiteral("-12x"));  // the letter goes
    QCOMPARE(box->text() + " / " + QString::number(sharedSession().game.level.EditCode),
             QStringLiteral("-12 / -12"));
    box->setText(QStringLiteral("../7"));  // cut back to nothing: the code stays
    QCOMPARE(box->text() + " / " + QString::number(sharedSession().game.level.EditCode),
             QStringLiteral(" / -12"));
  }

  void commandsShowWhatTheyChangedAndTheLabyrinthMovesTheFrame() {
    // A save puts the saved name into the title and the box; the labyrinth clears both.
    QCOMPARE(run(1, {"Round"}), QStringList{"Save level: Name:"});
    QCOMPARE(w->windowTitle() + " " + child<QLineEdit>("Text1_0")->text(),
             QStringLiteral("Quobble - Level editor: 'ROUND' Round"));
    QVERIFY(fs::exists(folder->folder("Levels") / "Round.lev"));
    dialogs.script.answers = {Answer::kYes};
    w->Image1_Click();
    QCOMPARE(w->windowTitle(), QStringLiteral("Quobble - Level editor: ''"));
    QVERIFY(shows(50, tile::PermanentWall));  // square (1, 1), walled with the plain wall
    // The frame stands on the tile the labyrinth chose.
    QCOMPARE(child<QFrame>("Shape1")->pos(), child("Textuuri60")->pos() - QPoint(3, 3));
    QVERIFY(testing::saveShot(w, QStringLiteral("editor_labyrinth")));
    // A paste redraws the squares it wrote.
    sharedSession().game.code(0, 0) = tile::Star;
    run(6, {"0", "0", "0", "0"});
    run(7, {"2", "0"}, {Answer::kYes});
    QVERIFY(shows(4 * 9 + 6, tile::Star));  // square (2, 0) in view row 4
  }

  void oneSquareIsOutOfMapAtATimeAndTheMouseWaitsMeanwhile() {
    // A double click off the map is one message, not one for the click and one for the double.
    QTest::mouseDClick(square(0), Qt::LeftButton);  // the top-left view square is (-4, -4)
    QCOMPARE(said(), QStringList{"Editor: Square is out of map."});
    QCOMPARE(asked[0].icon, Icon::kInformation);
    QCOMPARE(child("Label1")->text(), QStringLiteral("-4,-4"));
    // While the message is open, what the mouse does on the view is dropped.
    PromptsWithMeanwhile meanwhile;
    ui::setPrompts(&meanwhile);
    editor::sharedEditor().SelectedTile = tile::Star;
    meanwhile.meanwhile = [&] {
      QTest::mouseClick(square(40), Qt::LeftButton);  // (0, 0)
      QTest::mouseDClick(square(1), Qt::LeftButton);
      moveOver(41, Qt::ShiftModifier);
    };
    QTest::mouseClick(square(0), Qt::LeftButton);
    ui::setPrompts(&dialogs.script);
    QCOMPARE(meanwhile.asked.size(), std::size_t{1});
    QCOMPARE(codes(0, 0, 1), QStringLiteral("0 0"));
    QTest::mouseClick(square(40), Qt::LeftButton);  // afterwards the mouse draws again
    QCOMPARE(codes(0, 0, 1), QStringLiteral("15 0"));
  }

  void dragPaintingIsOneStepThatTheUndoButtonsTakeBackAndBringAgain() {
    editor::sharedEditor().SelectedTile = tile::Star;
    auto* undo = child<QPushButton>("Undo");
    auto* redo = child<QPushButton>("Redo");
    QVERIFY(undo->toolTip().contains("Ctrl+Z") && redo->toolTip().contains("Ctrl+Y") &&
            redo->toolTip().contains("Ctrl+Shift+Z"));  // the buttons name their keys
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    // Down on (0, 0), across (1, 0) and (2, 0), off the map at (-1, 0) and back: no message.
    QTest::mousePress(square(40), Qt::LeftButton);
    for (int k : {41, 42, 33, 43}) moveOver(k, Qt::NoModifier, Qt::LeftButton, 40);
    QTest::mouseRelease(square(40), Qt::LeftButton, {},
                        square(43)->pos() - square(40)->pos() + QPoint(20, 20));
    QCOMPARE(codes(0, 0, 4), QStringLiteral("15 15 15 15 0"));
    QCOMPARE(codes(1, 2, 2), QStringLiteral("0"));  // square 33 is (2, -1), off the map
    QVERIFY(said().isEmpty());
    moveOver(44, Qt::NoModifier);  // moving without the button paints nothing
    QCOMPARE(codes(0, 4, 4), QStringLiteral("0"));
    QVERIFY(undo->isEnabled());
    QTest::mouseClick(undo, Qt::LeftButton);
    QCOMPARE(codes(0, 0, 4), QStringLiteral("0 0 0 0 0"));
    QVERIFY(shows(40, tile::Empty) && redo->isEnabled() && !undo->isEnabled());
    QTest::mouseClick(redo, Qt::LeftButton);
    QCOMPARE(codes(0, 0, 4), QStringLiteral("15 15 15 15 0"));
    QVERIFY(shows(43, tile::Star) && !redo->isEnabled());
    // A click and the double click that follows it on the same square are one step too.
    editor::sharedEditor().SelectedTile = tile::Exit;
    QTest::mouseDClick(square(43), Qt::LeftButton);
    QCOMPARE(codes(0, 0, 4), QStringLiteral("15 15 15 0 0"));
    w->Undo_Click();
    QCOMPARE(codes(0, 0, 4), QStringLiteral("15 15 15 15 0"));
    w->Undo_Click();
    QCOMPARE(codes(0, 0, 4), QStringLiteral("0 0 0 0 0"));
    // Clicks on two squares are two steps.
    QTest::mouseClick(square(40), Qt::LeftButton);
    QTest::mouseClick(square(41), Qt::LeftButton);
    w->Undo_Click();
    QCOMPARE(codes(0, 0, 4), QStringLiteral("66 0 0 0 0"));
  }

  void theKeyboardIsTheWindowsUntilABoxIsClickedAndCtrlKeysRunTheirCommandsFromAnywhere() {
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::focusWidget(), w);
    // Tab takes the keyboard into no box: only a click does.
    for (Qt::KeyboardModifiers forwardOrBack : {Qt::NoModifier, Qt::ShiftModifier}) {
      key(Qt::Key_Tab, forwardOrBack);
      QCOMPARE(QApplication::focusWidget(), w);
    }
    // The view keys move the view and type nowhere.
    for (Qt::Key k : {Qt::Key_D, Qt::Key_D, Qt::Key_X, Qt::Key_W, Qt::Key_X, Qt::Key_A}) key(k);
    QCOMPARE(sharedSession().game.PlayerPos, (BytePos{1, 1}));
    QCOMPARE(box(0)->text(), QStringLiteral("Maze"));
    // Clicked into, a box types the letters, which still move the view.
    QTest::mouseClick(box(0), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), box(0));
    box(0)->end(false);
    key(Qt::Key_D);
    QCOMPARE(box(0)->text() + " " + QString::number(sharedSession().game.PlayerPos.x),
             QStringLiteral("Mazed 2"));
    // Ctrl+S from the box saves; the box keeps its text and gives the keyboard back.
    dialogs.script.inputs = {"Kept"};
    key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(said(), QStringList{"Save level: Name:"});
    QVERIFY(fs::exists(folder->folder("Levels") / "Kept.lev"));
    QCOMPARE(box(0)->text(), QStringLiteral("Kept"));
    QCOMPARE(QApplication::focusWidget(), w);
    // So do Ctrl+L and Ctrl+P (Cancel at their first question leaves the level alone), and Ctrl+N.
    for (const auto& [k, first] :
         {std::pair{Qt::Key_L, "Load level: Name:"}, {Qt::Key_P, "Save level: Name:"}}) {
      QTest::mouseClick(box(0), Qt::LeftButton);
      key(k, Qt::ControlModifier);
      QCOMPARE(said(), QStringList{first});
      QCOMPARE(box(0)->text(), QStringLiteral("Kept"));
    }
    QTest::mouseClick(box(0), Qt::LeftButton);
    key(Qt::Key_N, Qt::ControlModifier);  // nothing drawn since the save: no question
    QCOMPARE(box(0)->text() + w->windowTitle(), QStringLiteral("Quobble - Level editor: ''"));
    key(Qt::Key_Z, Qt::ControlModifier);  // the new level undone
    QCOMPARE(box(0)->text() + w->windowTitle(), QStringLiteral("KeptQuobble - Level editor: 'KEPT'"));
    QVERIFY(said().isEmpty());
    // In a box, Ctrl+Z and Ctrl+Y undo and redo the editor's changes, not the box's own typing.
    editor::sharedEditor().SelectedTile = tile::Star;
    QTest::mouseClick(square(40), Qt::LeftButton);
    QTest::mouseClick(box(0), Qt::LeftButton);
    box(0)->end(false);
    key(Qt::Key_Q);
    key(Qt::Key_Z, Qt::ControlModifier);  // the typed name goes back
    QCOMPARE(box(0)->text(), QStringLiteral("Kept"));
    key(Qt::Key_Z, Qt::ControlModifier);  // then the drawn square, while the box stays as it is
    QCOMPARE(box(0)->text() + " " + codes(0, 0, 0), QStringLiteral("Kept 0"));
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(box(0)->text() + " " + codes(0, 0, 0), QStringLiteral("Keptq 15"));
    QCOMPARE(QString::fromStdString(sharedSession().game.level.LevelName), QStringLiteral("Keptq"));
    QVERIFY(said().isEmpty());
    // Ctrl+C with text selected in the box closes the editor and copies nothing.
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    box(0)->selectAll();
    dialogs.script.answers = {Answer::kNo};
    key(Qt::Key_C, Qt::ControlModifier);
    testing::settleEvents();
    QCOMPARE(said(), QStringList{"Editor:: Save changes to the level?"});
    QCOMPARE(testing::openForms(), QList<int>{3});
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
  }

  void backFromATestPlayNoBoxHasTheKeyboardAndTheHistoryIsKept() {
    editor::sharedEditor().SelectedTile = tile::Star;
    QTest::mouseClick(square(40), Qt::LeftButton);
    QTest::mouseClick(box(0), Qt::LeftButton);
    QCOMPARE(run(0, {"Trip"}), QStringList{"Save level: Name:"});  // save and play
    QCOMPARE(testing::openForms(), (QList<int>{1, 8}));
    QTest::keyClick(Form1(), Qt::Key_Escape);
    testing::settleEvents();
    QCOMPARE(testing::openForms(), QList<int>{2});
    w = Form2();
    QVERIFY(QTest::qWaitForWindowActive(w));
    QCOMPARE(QApplication::focusWidget(), w);
    key(Qt::Key_X);
    QCOMPARE(box(0)->text(), QStringLiteral("Trip"));
    key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(codes(0, 0, 0), QStringLiteral("0"));
  }

  void theNoteClosesUnderAClickThatStillDoesWhatItWasAimedAt() {
    // A press on the editor closes the note before the press acts.
    editor::sharedEditor().SelectedTile = tile::Star;
    w->Comm_Click(5);
    QVERIFY(QTest::qWaitForWindowActive(Form9()));
    QTest::mouseClick(square(40), Qt::LeftButton);
    testing::settleEvents();
    QCOMPARE(testing::openForms(), QList<int>{2});
    QCOMPARE(codes(0, 0, 0), QStringLiteral("15"));
    QVERIFY(QTest::qWaitForWindowActive(w));  // and the keyboard goes where the click went
    // Qt's own dialogs belong to the editor: the note closing (as it does when the dialog takes
    // the focus) neither closes nor destroys the dialog under the running command.
    ui::setPrompts(nullptr);
    w->Comm_Click(5);
    QVERIFY(QTest::qWaitForWindowActive(Form9()));
    QWidget* parentOfBox = nullptr;
    bool boxLivedOn = false;
    QTimer::singleShot(0, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      parentOfBox = box->parentWidget();
      if (QWidget* note = app::loadedForm(9)) ui::navigation().closeWindow(note);
      testing::settleEvents();
      boxLivedOn = QApplication::activeModalWidget() == box && box->isVisible();
      box->button(QMessageBox::No)->click();
    });
    w->Image1_Click();
    ui::setPrompts(&dialogs.script);
    testing::settleEvents();
    QCOMPARE(parentOfBox, w);
    QVERIFY(boxLivedOn);
    QCOMPARE(testing::openForms(), QList<int>{2});
    QCOMPARE(codes(0, 0, 0), QStringLiteral("15"));  // No: the labyrinth was not made
  }
};

}  // namespace quobbles

QTEST_MAIN(quobbles::EditorViewTest)
#include "editor_window_test.moc"
