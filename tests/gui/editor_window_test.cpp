// The editor window as the level maker uses it: drawing with clicks and Shift strokes, the
// extent and its scroll bars, the edit-code box and the title; copy, paste and the labyrinth
// through their dialogs; the ask-to-save question of each command; saving and loading with their
// refusals, and the mended faults: refused names, Cancel, failed writes, missing files.
// (The test play and the return from it are in the God's Tools tests.)
#include "editor/editor_window.h"

#include <QMouseEvent>
#include <QtTest>
#include <filesystem>
#include <optional>

#include "editor/level_file.h"
#include "gui/support/program_folder_fixture.h"
#include "state/tiles.h"
#include "ui/forms.h"
#include "ui/picture_store.h"
#include "ui/scripted_dialogs.h"

namespace quobbles {

namespace fs = std::filesystem;
using ui::Answer;

class EditorViewTest : public QObject {
  Q_OBJECT
  std::optional<testing::ProgramFolderFixture> folder;
  ui::ScriptedDialogsScope dialogs;
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
    for (int x = from; x <= to; ++x) out << QString::number(sharedGame().code(x, y));
    return out.join(' ');
  }
  // Every dialog asked since the last call, as "title: text".
  QStringList said() {
    asked = std::exchange(dialogs.script.asked, {});
    QStringList out;
    for (const auto& a : asked) out << a.title + ": " + a.text;
    return out;
  }
  std::vector<ui::AskedDialog> asked;  // the dialogs said() last reported
  // Runs command Comm(index) with the dialogs answered as given; returns what it asked.
  QStringList run(int index, const QStringList& inputs = {}, std::deque<Answer> answers = {}) {
    dialogs.script.inputs.assign(inputs.begin(), inputs.end());
    dialogs.script.answers = std::move(answers);
    ui::showForm(w = Form2());
    w->Comm_Click(index);
    testing::settleEvents();
    return said();
  }
  // The number of files below the program folder.
  long files() const { return std::distance(fs::recursive_directory_iterator(folder->root()), {}); }

 private slots:
  void init() {
    folder.emplace();
    dialogs.script = {};
    sharedGame().level.LevelName = "Maze";
    ui::showForm(w = Form2());
  }
  void cleanup() { folder.reset(); }

  void drawingInsideAndOutsideTheExtentAndShrinkingIt() {
    QCOMPARE(w->windowTitle(), QStringLiteral("Quobble - Level editor: 'MAZE'"));
    QTest::mouseClick(child("Textuuri66"), Qt::LeftButton);  // the palette's exit
    QTest::mouseClick(square(0), Qt::LeftButton);            // the top-left view square is (-4, -4)
    QCOMPARE(child("Label1")->text(), QStringLiteral("-4,-4"));
    QCOMPARE(said(), QStringList{"Editor: Square is out of map."});
    QCOMPARE(asked[0].icon, ui::Icon::kInformation);
    const std::pair<const char*, int> bars[] = {
        {"Kkokoko0", 20}, {"Kkokoko1", 30}, {"HScroll1", 20}, {"VScroll1", 30}};
    for (const auto& [bar, value] : bars) child<QScrollBar>(bar)->setValue(value);
    for (int k : {40, 41, 49}) QTest::mouseClick(square(k), Qt::LeftButton);  // (20, 30), (21, 30), (20, 31)
    QCOMPARE(said().size(), 2);
    QCOMPARE(int(sharedGame().code(20, 30)), int(tile::Exit));
    QVERIFY(shows(40, tile::Exit));
    QCOMPARE(editor::sharedEditor().LevelChanged, kTrue);
    child<QScrollBar>("Kkokoko0")->setValue(10);  // the view is pulled back to the new edge
    QCOMPARE(int(sharedGame().PlayerPos.x), 10);
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
    QCOMPARE(box->text() + " / " + QString::number(sharedGame().level.EditCode), QStringLiteral("-12 / -12"));
    box->setText(QStringLiteral("../7"));  // cut back to nothing: the code stays
    QCOMPARE(box->text() + " / " + QString::number(sharedGame().level.EditCode), QStringLiteral(" / -12"));
  }

  void copyPasteAndTheLabyrinthAskFirst() {
    for (int x = 0; x < 4; ++x) sharedGame().code(x, 3) = static_cast<uint8_t>(20 + x);
    const QString area = "Select area to be copied: ", where = "Where do I put this?: ",
                  paste = "Paste?: It may be good idea to save first.. Paste now?",
                  warning =
                      "Warning!: This tool destroys all and makes whole map as a huge labyrinth. Do you "
                      "want to use it now?";
    QCOMPARE(run(6, {"0", "3", "3", "3"}),
             (QStringList{area + "Left edge of area (X-position):", area + "Top of area (Y-position):",
                          area + "Right edge of area (X-position):", area + "Bottom of area (Y-position):"}));
    QCOMPARE(
        run(7, {"1", "3"}, {Answer::kYes}),  // one square to the right of itself
        (QStringList{paste, where + "Left edge of area (X-position):", where + "Top of area (Y-position):"}));
    QCOMPARE(codes(3, 0, 5), QStringLiteral("20 20 20 20 20 0"));  // each pasted square read again
    QVERIFY(shows(7 * 9 + 8, 20));                                 // square (4, 3) as the view shows it
    QCOMPARE(editor::sharedEditor().LevelChanged, kFalse);         // a paste does not mark the level
    QCOMPARE(run(7, {}, {Answer::kNo}), QStringList{paste});       // No ends it
    for (int cancelAt = 0; cancelAt < 4; ++cancelAt) {             // Cancel gives the empty text
      QCOMPARE(run(6, QStringList(cancelAt, "1")).mid(cancelAt + 1), QStringList{"Error:: Uncorrect value!"});
      QCOMPARE(asked.back().icon, ui::Icon::kCritical);
    }
    dialogs.script.answers = {Answer::kNo, Answer::kYes};
    w->Image1_Click();  // No keeps the map
    QCOMPARE(int(sharedGame().code(4, 3)), 20);
    w->Image1_Click();
    QCOMPARE(said(), QStringList(2, warning));
    QCOMPARE(w->windowTitle(), QStringLiteral("Quobble - Level editor: ''"));
    QVERIFY(shows(50, tile::PermanentWall));  // square (1, 1), walled with the plain wall
    QVERIFY(testing::saveShot(w, QStringLiteral("editor_labyrinth")));
  }

  void saveAndLoadRoundTripAndTheLoadsRefusals() {
    Level level{"Round", -1234, kPassed, {}};
    level.code(49, 49) = tile::PurpleBlockUp;
    sharedGame().level = level;
    QCOMPARE(run(1, {"Round"}), QStringList{"Save level: Name:"});
    level.LevelStatus = kUnpassed;  // a changed level must be passed again
    QCOMPARE(ReadLevel(folder->folder("Levels") / "Round.lev").value, std::optional(level));
    Clear_map();  // loaded under another spelling, the file's own name comes back
    QCOMPARE(run(2, {"ROUND", " -1234.0 "}),
             (QStringList{"Load level: Name:", "Load Level: Enter EditCode:"}));
    QCOMPARE(sharedGame().level, level);
    QCOMPARE(w->windowTitle() + " " + child<QLineEdit>("Text1_1")->text(),
             QStringLiteral("Quobble - Level editor: 'ROUND' -1234"));

    folder->writeLevel({"Levels", "Map3.lev"}, Level{"Map3", 0, kCampaignMap, {}});
    folder->writeBytes({"Levels", "short.lev"}, {4, 0, 'a', 'b'});
    const long before = files();
    const std::pair<QStringList, QString> refused[] = {
        {{"Round", "1234"}, "Load Level: Access denied - Wrong code!"},
        {{"Map3"}, "Load Level: This is campain map. You can't edit it."},    // no code is asked for
        {{"ghost"}, "Load Level: The level \"ghost\" could not be loaded:"},  // nothing is made
        {{"short"}, "Load Level: The level \"short\" could not be loaded:"}};
    for (const auto& [inputs, refusal] : refused) {
      sharedGame().level = level;
      const QStringList texts = run(2, inputs);
      QCOMPARE(texts.size(), inputs.size() + 1);
      QVERIFY2(texts.last().startsWith(refusal), qPrintable(texts.last()));
      QCOMPARE(asked.back().icon, ui::Icon::kExclamation);
      QCOMPARE(sharedGame().level, Level{});  // nothing of the refused level stays
    }
    QCOMPARE(files(), before);
  }

  void aSaveThatFailsOrIsCancelledWritesNothingAndStartsNoTestPlay() {
    const long before = files();
    for (const QString& name : {QString(), QStringLiteral("../evil"), QString(100000, 'n')}) {
      editor::sharedEditor().LevelChanged = name.isEmpty() ? kTrue : kFalse;
      const QStringList texts = run(1, {name});
      QCOMPARE(texts.size(), name.isEmpty() ? 1 : 2);
      QVERIFY(texts.join("").size() < 300);                  // a long name is quoted cut short
      QCOMPARE(editor::sharedEditor().LevelChanged, kTrue);  // still to be saved
      run(0, {name});
      QVERIFY(ui::loadedForm(2) && !ui::loadedForm(1) && !ui::loadedForm(8));
    }
    QCOMPARE(files(), before);
    fs::remove_all(folder->folder("Levels"));
    folder->writeBytes({"Levels"}, {'x'});  // a file where the folder belongs
    QVERIFY(run(0, {"blocked"}).last().contains(QStringLiteral("\"blocked\"")));
    QVERIFY(!ui::loadedForm(1));
    run(3, {"blocked"}, {Answer::kYes});  // Yes to the question, then a failing save: the editor stays
    QVERIFY(ui::loadedForm(2) && editor::sharedEditor().LevelChanged == kTrue);
  }

  void closeNewAndLoadAskToSaveOnlyAfterDrawing() {
    folder->writeLevel({"Levels", "Stored.lev"}, Level{"Stored", 9, kUnpassed, {}});
    // Drawn?, the answer, the name then typed for the save ("": Cancel), and whether close and
    // new go on.
    const std::tuple<bool, Answer, const char*, bool> cases[] = {
        {false, Answer::kCancel, "", true}, {true, Answer::kCancel, "", false}, {true, Answer::kNo, "", true},
        {true, Answer::kYes, "kept", true}, {true, Answer::kYes, "", false},
    };
    for (int command : {3, 4, 2}) {  // close editor, new level, load
      for (const auto& [drawn, answer, name, proceeds] : cases) {
        const bool goesOn = proceeds || (command == 2 && answer == Answer::kCancel);  // load goes on
        sharedGame().code(2, 2) = tile::Star;
        editor::sharedEditor().LevelChanged = drawn ? kTrue : kFalse;
        QStringList inputs = command == 2 ? QStringList{"Stored", "9"} : QStringList();
        if (answer == Answer::kYes) inputs.prepend(name);
        QCOMPARE(run(command, inputs, {answer}).value(0) == "Editor:: Save changes to the level?", drawn);
        if (drawn) QCOMPARE(asked[0].buttons, ui::Buttons::kYesNoCancel);
        QCOMPARE(fs::exists(folder->folder("Levels") / (std::string(name) + ".lev")), *name != 0);
        QCOMPARE(int(sharedGame().code(2, 2)), goesOn ? 0 : int(tile::Star));
        QCOMPARE(sharedGame().level.LevelName, std::string(command == 2 && goesOn ? "Stored" : ""));
        QCOMPARE(bool(ui::loadedForm(2)), command != 3 || !goesOn);  // only "close" closes
        fs::remove(folder->folder("Levels") / "kept.lev");
        Clear_map();
      }
    }
  }
};

}  // namespace quobbles

QTEST_MAIN(quobbles::EditorViewTest)
#include "editor_window_test.moc"
