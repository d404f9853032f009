// The editor window's view and controls: the palette, drawing with clicks and Shift strokes,
// double-click clearing, the extent and its scroll bars, the name and edit-code boxes, the title,
// and the keys that reach the window before the focused control.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "editor/editor_logic.h"
#include "editor/editor_window.h"
#include "gui/support/program_folder_fixture.h"
#include "state/tiles.h"
#include "ui/forms.h"
#include "ui/picture_store.h"
#include "ui/scripted_dialogs.h"

namespace quobbles {
namespace {

void sendMouse(QWidget* target, QEvent::Type type, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers,
               QPoint pos = QPoint(20, 20)) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), button, buttons, modifiers);
  QApplication::sendEvent(target, &event);
}

}  // namespace

class EditorViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::ProgramFolderFixture> folder;
  EditorWindow* w = nullptr;

  template <class T = QLabel>
  T* child(const QString& name) {
    T* c = w->findChild<T*>(name);
    if (!c) qFatal("no control %s", qPrintable(name));
    return c;
  }
  QLabel* square(int k) { return child(QStringLiteral("Ruutu%1").arg(k)); }
  void moveOver(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    sendMouse(square(k), QEvent::MouseMove, Qt::NoButton, modifiers);
  }
  void clickOn(int k) {
    moveOver(k);
    sendMouse(square(k), QEvent::MouseButtonPress, Qt::LeftButton, Qt::NoModifier);
    sendMouse(square(k), QEvent::MouseButtonRelease, Qt::NoButton, Qt::NoModifier);
  }
  void doubleClickOn(int k) {
    clickOn(k);
    sendMouse(square(k), QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::NoModifier);
    sendMouse(square(k), QEvent::MouseButtonRelease, Qt::NoButton, Qt::NoModifier);
  }
  // True when view square k shows the picture of tile code `code`.
  bool shows(int k, int code) {
    return square(k)->pixmap().cacheKey() == ui::PictureStore::tile(code).cacheKey();
  }
  void grab(const QString& name) {
    QVERIFY(testing::saveShot(w, name));
  }

 private slots:
  void init() {
    folder = std::make_unique<testing::ProgramFolderFixture>();
    sharedGame().level.LevelName = "Maze";
    ui::showForm(Form2());
    w = Form2();
  }
  void cleanup() { folder.reset(); }

  void paletteCaptionsCommandsAndTitle() {
    QCOMPARE(w->windowTitle(), QStringLiteral("Quobble - Level editor: 'MAZE'"));
    QCOMPARE(child("Textuuri12")->toolTip(), QStringLiteral("Remove block "));
    QCOMPARE(child("Textuuri23")->toolTip(), QStringLiteral("Wall (able to broke)"));
    QCOMPARE(child("Textuuri16")->toolTip(), QStringLiteral("Candle"));
    QCOMPARE(child("Image1")->toolTip(), QStringLiteral("Labyrinth tool"));
    for (int hidden : {2, 3, 8, 99})
      QVERIFY(!w->findChild<QLabel*>(QStringLiteral("Textuuri%1").arg(hidden)));
    const QStringList captions = {"Save and &Play level", "&Save level", "&Load level", "&Close editor",
                                  "&New level",           "Click here",  "Copy",        "Paste"};
    for (int i = 0; i < 8; ++i)
      QCOMPARE(child<QPushButton>(QStringLiteral("Comm%1").arg(i))->text(), captions[i]);
    QCOMPARE(child<QPushButton>("Comm5")->toolTip(), QStringLiteral("MESSAGE FOR YOU!"));

    // The title shows the record as refreshed, not the name box while it is typed in.
    QTest::keyClicks(child<QLineEdit>("Text1_0"), "Q");
    QCOMPARE(sharedGame().level.LevelName, std::string("MazeQ"));
    QCOMPARE(w->windowTitle(), QStringLiteral("Quobble - Level editor: 'MAZE'"));

    QFrame* frame = child<QFrame>("Shape1");
    QVERIFY(frame->geometry().contains(child("Textuuri0")->geometry()));
    sendMouse(child("Textuuri66"), QEvent::MouseButtonPress, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    sendMouse(child("Textuuri66"), QEvent::MouseButtonRelease, Qt::NoButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(int(editor::sharedEditor().SelectedTile), int(tile::Exit));
    QVERIFY(frame->geometry().contains(child("Textuuri66")->geometry()));
    grab("editor");
  }

  void drawingInsideAndOutsideTheExtent() {
    ui::ScriptedDialogsScope dialogs;
    clickOn(0);  // the top-left view square is (-4, -4), off the map
    QCOMPARE(child("Label1")->text(), QStringLiteral("-4,-4"));
    QCOMPARE(dialogs.script.messages(), QStringList{"Square is out of map."});
    QCOMPARE(dialogs.script.asked[0].title, QStringLiteral("Editor"));
    QCOMPARE(dialogs.script.asked[0].icon, ui::Icon::kInformation);
    QCOMPARE(editor::sharedEditor().LevelChanged, kFalse);

    editor::sharedEditor().SelectedTile = tile::Exit;
    child<QScrollBar>("Kkokoko0")->setValue(20);
    child<QScrollBar>("Kkokoko1")->setValue(30);
    child<QScrollBar>("HScroll1")->setValue(20);
    child<QScrollBar>("VScroll1")->setValue(30);
    QCOMPARE(sharedGame().PlayerPos, (BytePos{20, 30}));
    clickOn(40);
    QCOMPARE(child("Label1")->text(), QStringLiteral("20,30"));
    QCOMPARE(int(sharedGame().code(20, 30)), int(tile::Exit));
    QVERIFY(shows(40, tile::Exit));
    QCOMPARE(editor::sharedEditor().LevelChanged, kTrue);
    clickOn(41);  // (21, 30)
    clickOn(49);  // (20, 31)
    QCOMPARE(dialogs.script.messages().size(), 3);
    QVERIFY(shows(41, tile::PermanentWall));

    sharedGame().code(19, 29) = tile::Hanger;  // drawn with its palette picture, not a facing
    w->kartan_piirto();
    QVERIFY(shows(30, tile::Hanger));
  }

  void shiftPaintsAStrokeAndDoubleClickClears() {
    ui::ScriptedDialogsScope dialogs;
    editor::sharedEditor().SelectedTile = 21;
    for (int k = 36; k <= 44; ++k) moveOver(k, Qt::ShiftModifier);  // view row 4 is map row 0
    for (int x = 0; x <= 4; ++x) QCOMPARE(int(sharedGame().code(x, 0)), 21);
    QCOMPARE(dialogs.script.messages().size(), 4);          // the four squares left of the map
    moveOver(49, Qt::ShiftModifier | Qt::ControlModifier);  // Shift with Ctrl only tracks
    QCOMPARE(int(sharedGame().code(0, 1)), 0);

    // With the button held the pressed square keeps the mouse; the stroke follows the pointer.
    QLabel* start = square(60);
    sendMouse(start, QEvent::MouseButtonPress, Qt::LeftButton, Qt::NoModifier);
    sendMouse(start, QEvent::MouseMove, Qt::LeftButton, Qt::ShiftModifier, QPoint(60, 20));
    sendMouse(start, QEvent::MouseMove, Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 20));
    sendMouse(start, QEvent::MouseButtonRelease, Qt::NoButton, Qt::ShiftModifier, QPoint(100, 20));
    QCOMPARE(int(sharedGame().code(2, 2)), 0);  // the press itself did not paint
    QCOMPARE(int(sharedGame().code(3, 2)), 21);
    QCOMPARE(int(sharedGame().code(4, 2)), 21);

    doubleClickOn(44);
    QCOMPARE(int(sharedGame().code(4, 0)), 0);
    QVERIFY(shows(44, tile::Empty));
    grab("editor_drawn");
  }

  void shrinkingTheExtentPullsTheViewBack() {
    auto* h = child<QScrollBar>("HScroll1");
    auto* width = child<QScrollBar>("Kkokoko0");
    QCOMPARE(width->pageStep(), 7);
    QCOMPARE(h->pageStep(), 6);
    h->setValue(30);
    width->setValue(10);
    QCOMPARE(h->maximum(), 10);
    QCOMPARE(int(sharedGame().PlayerPos.x), 10);
    QCOMPARE(child("Label3_0")->text(), QStringLiteral("10"));
    QVERIFY(shows(41, tile::PermanentWall));  // x = 11 lies beyond the extent
    QCOMPARE(editor::sharedEditor().LevelChanged, kFalse);

    quobbles::Clear_map();  // the full extent and the view at (0, 0) come back
    QCOMPARE(width->value(), 49);
    QCOMPARE(h->value(), 0);
    QCOMPARE(w->windowTitle(), QStringLiteral("Quobble - Level editor: ''"));
  }

  void theBoxesKeepOnlyWhatTheRecordCanHold() {
    QLineEdit* box = child<QLineEdit>("Text1_1");
    box->clear();
    QTest::keyClicks(box, "32768");
    QCOMPARE(box->text(), QStringLiteral("3276"));
    QCOMPARE(sharedGame().level.EditCode, 3276);
    box->clear();  // an empty box leaves the code as it was
    QTest::keyClicks(box, "-12x");
    QCOMPARE(box->text(), QStringLiteral("12"));
    box->setCursorPosition(0);
    QTest::keyClicks(box, "-");
    QCOMPARE(sharedGame().level.EditCode, -12);
    box->setText(QStringLiteral("../7"));
    QCOMPARE(box->text(), QString());
    QCOMPARE(sharedGame().level.EditCode, -12);

    QLineEdit* name = child<QLineEdit>("Text1_0");
    name->setText(QStringLiteral("Sn\u2603w K\u00e4rpp\u00e4"));
    QCOMPARE(name->text(), QStringLiteral("Snw K\u00e4rpp\u00e4"));
    QCOMPARE(sharedGame().level.LevelName, std::string("Snw K\xE4rpp\xE4"));
    QCOMPARE(editor::sharedEditor().LevelChanged, kFalse);  // typing marks nothing as changed
  }

  void scrollKeysWorkWhileTypingAndLettersStillReachTheBox() {
    QLineEdit* name = child<QLineEdit>("Text1_0");
    auto* h = child<QScrollBar>("HScroll1");
    auto* v = child<QScrollBar>("VScroll1");
    name->clear();
    QTest::keyClicks(name, "ddxwaaaDX");  // the third "a" finds the left edge; capitals do nothing
    QCOMPARE(name->text(), QStringLiteral("ddxwaaaDX"));
    QCOMPARE(h->value(), 0);
    QCOMPARE(v->value(), 0);
    QTest::keyClicks(name, "dx");
    QCOMPARE(sharedGame().PlayerPos, (BytePos{1, 1}));
    // On the window itself and on a button that does not want the key: exactly once each.
    QTest::keyClick(w, Qt::Key_X);
    QTest::keyClick(child<QPushButton>("Comm6"), Qt::Key_X);
    QCOMPARE(v->value(), 3);
    child<QScrollBar>("Kkokoko1")->setValue(3);
    QTest::keyClick(w, Qt::Key_X);
    QCOMPARE(v->value(), 3);  // never past the extent
  }

  void ctrlKeysRunCommandsAndNeverReachTheBox() {
    ui::ScriptedDialogsScope dialogs;
    QLineEdit* name = child<QLineEdit>("Text1_0");
    name->selectAll();
    const std::pair<Qt::Key, QString> keys[] = {
        {Qt::Key_S, "Save level"}, {Qt::Key_L, "Load level"}, {Qt::Key_P, "Save level"}};
    for (const auto& [key, title] : keys) {  // each prompt answered with Cancel
      QTest::keyClick(name, key, Qt::ControlModifier);
      QCOMPARE(dialogs.script.asked.back().title, title);
    }
    QVERIFY(!ui::loadedForm(1));  // no test play after a cancelled save
    editor::sharedEditor().LevelChanged = kTrue;
    dialogs.script.answers = {ui::Answer::kCancel, ui::Answer::kCancel};
    QTest::keyClick(name, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_C, Qt::ControlModifier);  // close editor, never a copy
    QCOMPARE(dialogs.script.messages().count(QStringLiteral("Save changes to the level?")), 2);
    QCOMPARE(name->text(), QStringLiteral("Maze"));
    QVERIFY(ui::loadedForm(2));
  }

  void theCloseBoxIsTheCloseEditorCommand() {
    ui::ScriptedDialogsScope dialogs;
    sharedGame().EditorTestPlay = kTrue;
    editor::sharedEditor().LevelChanged = kTrue;
    dialogs.script.answers = {ui::Answer::kCancel, ui::Answer::kNo};
    QVERIFY(!w->close());
    QCOMPARE(sharedGame().level.LevelName, std::string("Maze"));
    QVERIFY(w->close());
    testing::settleEvents();
    QVERIFY(!ui::loadedForm(2));
    QVERIFY(ui::loadedForm(3));
    QCOMPARE(sharedGame().level.LevelName, std::string());
    QCOMPARE(sharedGame().EditorTestPlay, kFalse);
  }
};

}  // namespace quobbles

QTEST_MAIN(quobbles::EditorViewTest)
#include "editor_view_test.moc"
