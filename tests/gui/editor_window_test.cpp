// The editor window as the level maker uses it: drawing with clicks and Shift strokes, the
// extent and its scroll bars, the edit-code box and the title, what the commands show afterwards
// and where the close box leads. (The commands themselves are tested without the window; the
// test play and the return from it are in the God's Tools tests.)
#include "windows/editor_window.h"

#include <QMouseEvent>
#include <QtTest>
#include <filesystem>
#include <optional>

#include "app/forms.h"
#include "board/session.h"
#include "gui/support/program_folder_fixture.h"
#include "gui/support/prompts_scope.h"
#include "state/level_file.h"
#include "state/tiles.h"
#include "ui/picture_store.h"

namespace quobbles {

namespace fs = std::filesystem;

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
  // The pointer moves over view square k with these keys held.
  void moveOver(int k, Qt::KeyboardModifiers keys) {
    QMouseEvent move(QEvent::MouseMove, QPointF(20, 20), QPointF(square(k)->mapToGlobal(QPoint(20, 20))),
                     Qt::NoButton, Qt::NoButton, keys);
    QCoreApplication::sendEvent(square(k), &move);
  }
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
    QTest::mouseClick(square(0), Qt::LeftButton);            // the top-left view square is (-4, -4)
    QCOMPARE(child("Label1")->text(), QStringLiteral("-4,-4"));
    QCOMPARE(said(), QStringList{"Editor: Square is out of map."});
    QCOMPARE(asked[0].icon, Icon::kInformation);
    const std::pair<const char*, int> bars[] = {
        {"Kkokoko0", 20}, {"Kkokoko1", 30}, {"HScroll1", 20}, {"VScroll1", 30}};
    for (const auto& [bar, value] : bars) child<QScrollBar>(bar)->setValue(value);
    for (int k : {40, 41, 49}) QTest::mouseClick(square(k), Qt::LeftButton);  // (20, 30), (21, 30), (20, 31)
    QCOMPARE(said().size(), 2);
    QCOMPARE(int(sharedSession().game.code(20, 30)), int(tile::Exit));
    QVERIFY(shows(40, tile::Exit));
    QVERIFY(editor::sharedEditor().LevelChanged);
    child<QScrollBar>("Kkokoko0")->setValue(10);  // the view is pulled back to the new edge
    QCOMPARE(int(sharedSession().game.PlayerPos.x), 10);
    QVERIFY(shows(41, tile::PermanentWall));  // x = 11 lies beyond the extent
    QVERIFY(testing::saveShot(w, QStringLiteral("editor")));
  }

  void shiftPaintsAStrokeAndDoubleClickClears() {
    editor::sharedEditor().SelectedTile = 21;
    for (int k = 36; k <= 44; ++k) moveOver(k, Qt::ShiftModifier);  // view row 4 is map row 0
    QCOMPARE(codes(0, 0, 5), QStringLiteral("21 21 21 21 21 0"));
    QCOMPARE(said().size(), 4);                             // the four squares left of the map
    moveOver(49, Qt::ShiftModifier | Qt::ControlModifier);  // Shift with Ctrl only tracks
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
    QVERIFY(testing::saveShot(w, QStringLiteral("editor_labyrinth")));
    // A paste redraws the squares it wrote.
    sharedSession().game.code(0, 0) = tile::Star;
    run(6, {"0", "0", "0", "0"});
    run(7, {"2", "0"}, {Answer::kYes});
    QVERIFY(shows(4 * 9 + 6, tile::Star));  // square (2, 0) in view row 4
  }

  void theCloseBoxAndCtrlCCloseTheEditorToTheMainMenuAfterTheQuestion() {
    editor::sharedEditor().LevelChanged = true;
    dialogs.script.answers = {Answer::kCancel};
    w->close();  // Cancel: the editor stays
    testing::settleEvents();
    QCOMPARE(testing::openForms(), QList<int>{2});
    QCOMPARE(said(), QStringList{"Editor:: Save changes to the level?"});
    dialogs.script.answers = {Answer::kNo};
    QTest::keyClick(w, Qt::Key_C, Qt::ControlModifier);
    testing::settleEvents();
    QCOMPARE(testing::openForms(), QList<int>{3});
    QCOMPARE(sharedSession().game.level, Level{});
  }
};

}  // namespace quobbles

QTEST_MAIN(quobbles::EditorViewTest)
#include "editor_window_test.moc"
