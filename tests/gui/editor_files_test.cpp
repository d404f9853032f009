// Saving and loading in the editor, the test play and the return from it: round trips, status 2
// saved as 0, the campaign-map and wrong-code refusals, and the mended faults: refused names,
// Cancel, failed writes, missing or broken files, hostile code answers.
#include <QLineEdit>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "board/board_window.h"
#include "editor/editor_logic.h"
#include "editor/editor_window.h"
#include "editor/level_file.h"
#include "gui/support/program_folder_fixture.h"
#include "state/tiles.h"
#include "ui/forms.h"
#include "ui/scripted_dialogs.h"

namespace quobbles {

namespace fs = std::filesystem;
using testing::ProgramFolderFixture;
using testing::settleEvents;

class EditorFilesTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ProgramFolderFixture> folder;

  EditorWindow* openEditor() {
    ui::showForm(Form2());
    return Form2();
  }
  // Every file below the program folder, as paths relative to it.
  QStringList allFiles() const {
    QStringList out;
    for (const auto& entry : fs::recursive_directory_iterator(folder->root()))
      if (!entry.is_directory())
        out << QString::fromStdString(fs::relative(entry.path(), folder->root()).string());
    out.sort();
    return out;
  }
  Outcome<Level> storedLevel(const char* file) const { return ReadLevel(folder->folder("Levels") / file); }
  static Level sampleLevel(const char* name, int16_t code, int16_t status) {
    Level level;
    level.LevelName = name;
    level.EditCode = code;
    level.LevelStatus = status;
    level.code(1, 2) = tile::Exit;
    level.code(49, 49) = tile::PurpleBlockUp;
    return level;
  }
  static void expectClearedRecord() {
    QCOMPARE(sharedGame().level, Level{});
    QCOMPARE(editor::sharedEditor().LevelChanged, kFalse);
  }

 private slots:
  void init() { folder = std::make_unique<ProgramFolderFixture>(); }
  void cleanup() { folder.reset(); }

  void saveAndLoadRoundTripWithStatusTwoStoredAsZero() {
    ui::ScriptedDialogsScope dialogs;
    EditorWindow* w = openEditor();
    sharedGame().level = sampleLevel("Round", 0, kPassed);
    w->Päivitä_tiedot();
    w->findChild<QLineEdit*>("Text1_1")->setText(QStringLiteral("-1234"));
    editor::sharedEditor().LevelChanged = kTrue;
    sharedGame().PlayerPos = {20, 20};

    dialogs.script.inputs = {"Round"};
    w->Comm_Click(1);
    QCOMPARE(dialogs.script.asked[0].defaultText, QStringLiteral("Round"));
    const Outcome<Level> stored = storedLevel("Round.lev");
    QVERIFY(stored);
    QCOMPARE(stored.value->LevelStatus, int16_t(kUnpassed));
    QCOMPARE(stored.value->EditCode, int16_t(-1234));
    QCOMPARE(stored.value->MapGrid, sharedGame().level.MapGrid);
    QCOMPARE(editor::sharedEditor().LevelChanged, kFalse);
    QCOMPARE(sharedGame().PlayerPos, (BytePos{0, 0}));  // the view is back at (0, 0)

    // Loaded again under another spelling: the file's own name comes back with it.
    Clear_map();
    dialogs.script.asked.clear();
    dialogs.script.inputs = {"ROUND", "-1234.0"};
    w->Comm_Click(2);
    QCOMPARE(dialogs.script.asked[1].text, QStringLiteral("Enter EditCode:"));
    QCOMPARE(dialogs.script.asked[1].title, QStringLiteral("Load Level"));
    QCOMPARE(dialogs.script.asked[1].defaultText, QString());
    QCOMPARE(sharedGame().level, *stored.value);
    QCOMPARE(w->windowTitle(), QStringLiteral("Quobble - Level editor: 'ROUND'"));
    QCOMPARE(w->findChild<QLineEdit*>("Text1_1")->text(), QStringLiteral("-1234"));
  }

  void codesAreComparedAsNumbersAndCampaignMapsRefused() {
    folder->writeLevel({"Levels", "zero.lev"}, sampleLevel("zero", 0, kUnpassed));
    folder->writeLevel({"Levels", "Map3.lev"}, sampleLevel("Map3", 3, kCampaignMap));
    EditorWindow* w = openEditor();
    const std::pair<QString, QString> tries[] = {{"0", {}},
                                                 {" 0.00 ", {}},
                                                 {"-0", {}},
                                                 {"", "Access denied - Wrong code!"},
                                                 {"0.4", "Access denied - Wrong code!"},
                                                 {"../0", "Access denied - Wrong code!"},
                                                 {QString(70000, '0') + "x", "Access denied - Wrong code!"}};
    for (const auto& [answer, refusal] : tries) {
      ui::ScriptedDialogsScope dialogs;
      dialogs.script.inputs = {"zero", answer};
      w->Comm_Click(2);
      QCOMPARE(dialogs.script.messages(), refusal.isEmpty() ? QStringList() : QStringList{refusal});
      if (refusal.isEmpty())
        QCOMPARE(sharedGame().level.LevelName, std::string("zero"));
      else
        expectClearedRecord();
    }
    ui::ScriptedDialogsScope dialogs;
    dialogs.script.inputs = {"Map3", "3"};
    w->Comm_Click(2);
    QCOMPARE(dialogs.script.messages(), QStringList{"This is campain map. You can't edit it."});
    QCOMPARE(dialogs.script.asked.back().title, QStringLiteral("Load Level"));
    QCOMPARE(dialogs.script.asked.back().icon, ui::Icon::kExclamation);
    QCOMPARE(dialogs.script.asked.size(), 2u);  // no code was asked for
    expectClearedRecord();
  }

  void loadingWhatIsNotThereOrBrokenClearsTheEditorAndCreatesNothing() {
    folder->writeBytes({"Levels", "short.lev"}, {4, 0, 'a', 'b'});
    Bytes bad = encodeLevel(sampleLevel("bad", 1, 0));
    bad[6 + 3 + 100] = 17;  // not a tile code
    folder->writeBytes({"Levels", "bad.lev"}, bad);
    const QStringList before = allFiles();
    EditorWindow* w = openEditor();
    for (const char* name : {"ghost", "short", "bad"}) {
      ui::ScriptedDialogsScope dialogs;
      sharedGame().level = sampleLevel("drawn", 5, 0);
      dialogs.script.inputs = {name};
      w->Comm_Click(2);
      QCOMPARE(dialogs.script.messages().size(), 1);
      QVERIFY(dialogs.script.messages()[0].contains(QString::fromLatin1(name)));
      QCOMPARE(dialogs.script.asked.back().title, QStringLiteral("Load Level"));
      QCOMPARE(dialogs.script.asked.size(), 2u);  // no code asked for
      expectClearedRecord();
    }
    // Cancel or a name that cannot be a file: nothing is loaded or cleared.
    for (const QString& name : {QString(), QStringLiteral("../Levels/short"), QStringLiteral("nul")}) {
      ui::ScriptedDialogsScope dialogs;
      sharedGame().level = sampleLevel("kept", 5, 0);
      dialogs.script.inputs = {name};
      w->Comm_Click(2);
      QCOMPARE(sharedGame().level.LevelName, std::string("kept"));
      QCOMPARE(dialogs.script.messages().size(), name.isEmpty() ? 0 : 1);
    }
    QCOMPARE(allFiles(), before);
  }

  void refusedNamesAndCancelSaveNothing() {
    EditorWindow* w = openEditor();
    const QStringList before = allFiles();
    const QStringList refused = {
        QStringLiteral("../evil"), QStringLiteral("a/b"),           QStringLiteral("..\\up"),
        QStringLiteral(".."),      QStringLiteral("con"),           QStringLiteral("  "),
        QString(100000, 'n'),      QStringLiteral("snow\u2603man"), QStringLiteral("tab\tname")};
    for (const QString& name : refused) {
      ui::ScriptedDialogsScope dialogs;
      editor::sharedEditor().LevelChanged = kFalse;
      dialogs.script.inputs = {name};
      w->Comm_Click(1);
      QCOMPARE(dialogs.script.messages().size(), 1);
      QCOMPARE(dialogs.script.asked.back().title, QStringLiteral("Save level"));
      QVERIFY(dialogs.script.messages()[0].size() < 200);    // a long name is quoted cut short
      QCOMPARE(editor::sharedEditor().LevelChanged, kTrue);  // still to be saved
    }
    {
      ui::ScriptedDialogsScope dialogs;  // Cancel: the empty answer
      editor::sharedEditor().LevelChanged = kTrue;
      w->Comm_Click(1);
      QCOMPARE(dialogs.script.messages().size(), 0);
      QCOMPARE(editor::sharedEditor().LevelChanged, kTrue);
    }
    {
      ui::ScriptedDialogsScope dialogs;  // Save and play, cancelled: no test play
      w->Comm_Click(0);
      QVERIFY(!ui::loadedForm(1));
      QVERIFY(!ui::loadedForm(8));
      QVERIFY(ui::loadedForm(2));
      QCOMPARE(sharedGame().EditorTestPlay, kFalse);
    }
    QCOMPARE(allFiles(), before);
    QVERIFY(!fs::exists(folder->folder("Levels") / ".lev"));
  }

  void aSaveThatCannotBeWrittenIsNeverReportedAsDone() {
    ui::ScriptedDialogsScope dialogs;
    EditorWindow* w = openEditor();
    fs::remove_all(folder->folder("Levels"));
    folder->writeBytes({"Levels"}, {'x'});  // a file where the folder belongs

    dialogs.script.inputs = {"blocked"};
    w->Comm_Click(1);
    QCOMPARE(dialogs.script.messages().size(), 1);
    QVERIFY(dialogs.script.messages()[0].contains(QStringLiteral("blocked")));
    QCOMPARE(editor::sharedEditor().LevelChanged, kTrue);
    QCOMPARE(sharedGame().level.LevelName, std::string());  // the record did not take the name

    dialogs.script.inputs = {"blocked"};
    w->Comm_Click(0);  // a failed save starts no test play
    QVERIFY(!ui::loadedForm(1));

    // The close command asks again; Yes with a failing save keeps the editor open.
    dialogs.script.answers = {ui::Answer::kYes};
    dialogs.script.inputs = {"blocked"};
    w->Comm_Click(3);
    settleEvents();
    QVERIFY(ui::loadedForm(2));
    QCOMPARE(dialogs.script.messages().count(QStringLiteral("Save changes to the level?")), 1);

    // A missing Levels folder is simply made.
    fs::remove(folder->folder("Levels"));
    dialogs.script.inputs = {"made"};
    w->Comm_Click(1);
    QVERIFY(storedLevel("made.lev"));
    QCOMPARE(editor::sharedEditor().LevelChanged, kFalse);
  }

  void testPlayReturnsToTheMapAsSaved() {
    ui::ScriptedDialogsScope dialogs;
    EditorWindow* w = openEditor();
    sharedGame().code(5, 0) = tile::BrownBlock;  // sees the player on (0, 0) and slides at him
    sharedGame().code(3, 3) = tile::Star;
    w->findChild<QLineEdit*>("Text1_1")->setText(QStringLiteral("77"));
    editor::sharedEditor().LevelChanged = kTrue;

    dialogs.script.inputs = {"mover"};
    w->Comm_Click(0);
    settleEvents();
    QVERIFY(ui::loadedForm(1));
    QVERIFY(ui::loadedForm(8));
    QVERIFY(!ui::loadedForm(2));
    QCOMPARE(sharedGame().EditorTestPlay, kTrue);
    const Outcome<Level> saved = storedLevel("mover.lev");
    QVERIFY(saved);

    QTest::keyClick(Form1(), Qt::Key_5);
    QTest::keyClick(Form1(), Qt::Key_5);
    QVERIFY(sharedGame().level.MapGrid != saved.value->MapGrid);  // the block has moved

    QTest::keyClick(Form1(), Qt::Key_Escape);
    settleEvents();
    QVERIFY(ui::loadedForm(2));
    QVERIFY(!ui::loadedForm(1));
    QVERIFY(!ui::loadedForm(8));
    QCOMPARE(sharedGame().level, *saved.value);
    QCOMPARE(Form2()->windowTitle(), QStringLiteral("Quobble - Level editor: 'MOVER'"));
    QCOMPARE(editor::sharedEditor().LevelChanged, kFalse);
    QCOMPARE(sharedGame().PlayerPos, (BytePos{0, 0}));
    QCOMPARE(dialogs.script.messages().size(), 0);
    QCOMPARE(dialogs.script.unanswered, 0);
  }

  void aTestPlayWhoseFileVanishedKeepsThePlayedLevelToBeSaved() {
    ui::ScriptedDialogsScope dialogs;
    EditorWindow* w = openEditor();
    sharedGame().code(4, 4) = tile::Exit;
    dialogs.script.inputs = {"vanishing"};
    w->Comm_Click(0);
    settleEvents();
    fs::remove(folder->folder("Levels") / "vanishing.lev");
    QTest::keyClick(Form1(), Qt::Key_Escape);
    settleEvents();
    QVERIFY(ui::loadedForm(2));
    QCOMPARE(dialogs.script.messages().size(), 1);  // said once, though the window loads twice
    QCOMPARE(int(sharedGame().code(4, 4)), int(tile::Exit));
    QCOMPARE(editor::sharedEditor().LevelChanged, kTrue);
  }
};

}  // namespace quobbles

QTEST_MAIN(quobbles::EditorFilesTest)
#include "editor_files_test.moc"
