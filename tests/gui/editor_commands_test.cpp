// The editor's commands through their dialogs: copy and paste with their prompts and the
// "Uncorrect value!" rule, the labyrinth tool's warning, the message window, and the
// ask-to-save question with Yes, No and Cancel for each of its callers.
#include <QLabel>
#include <QScrollBar>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "editor/editor_logic.h"
#include "editor/editor_window.h"
#include "gui/support/program_folder_fixture.h"
#include "state/tiles.h"
#include "ui/forms.h"
#include "ui/picture_store.h"
#include "ui/scripted_dialogs.h"

namespace quobbles {

using ui::Answer;

class EditorCommandsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<testing::ProgramFolderFixture> folder;

  static EditorWindow* openEditor() {
    ui::showForm(Form2());
    return Form2();
  }
  static bool shows(EditorWindow* w, int k, int code) {
    return w->findChild<QLabel*>(QStringLiteral("Ruutu%1").arg(k))->pixmap().cacheKey() ==
           ui::PictureStore::tile(code).cacheKey();
  }
  // The command ended with the one failure message (after the paste's question, if any).
  static void expectUncorrectValue(const ui::ScriptedDialogs& script) {
    QCOMPARE(script.messages().count(QStringLiteral("Uncorrect value!")), 1);
    QCOMPARE(script.asked.back().text, QStringLiteral("Uncorrect value!"));
    QCOMPARE(script.asked.back().title, QStringLiteral("Error:"));
    QCOMPARE(script.asked.back().icon, ui::Icon::kCritical);
  }
  // Something drawn, so that the ask-to-save question comes.
  static void drawSomething() {
    sharedGame().code(2, 2) = tile::Star;
    editor::sharedEditor().LevelChanged = kTrue;
  }
  bool saved(const char* file) const { return std::filesystem::exists(folder->folder("Levels") / file); }

 private slots:
  void init() { folder = std::make_unique<testing::ProgramFolderFixture>(); }
  void cleanup() { folder.reset(); }

  void copyThenPasteAsksItsQuestionsAndCopiesFromTheLiveMap() {
    ui::ScriptedDialogsScope dialogs;
    EditorWindow* w = openEditor();
    for (int x = 0; x < 4; ++x) sharedGame().code(x, 3) = static_cast<uint8_t>(20 + x);
    dialogs.script.inputs = {"0", "3", "3", "3"};
    w->Comm_Click(6);
    QCOMPARE(editor::sharedEditor().CopyArea, (std::array<uint8_t, 6>{0, 3, 3, 0, 0, 0}));
    const QStringList prompts = {"Left edge of area (X-position):", "Top of area (Y-position):",
                                 "Right edge of area (X-position):", "Bottom of area (Y-position):"};
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(dialogs.script.asked[std::size_t(i)].text, prompts[i]);
      QCOMPARE(dialogs.script.asked[std::size_t(i)].title, QStringLiteral("Select area to be copied"));
      QCOMPARE(dialogs.script.asked[std::size_t(i)].defaultText, QString());
    }

    dialogs.script.asked.clear();
    dialogs.script.answers = {Answer::kYes};
    dialogs.script.inputs = {"1", "3"};  // one square to the right of itself
    w->Comm_Click(7);
    QCOMPARE(dialogs.script.asked[0].text, QStringLiteral("It may be good idea to save first.. Paste now?"));
    QCOMPARE(dialogs.script.asked[0].title, QStringLiteral("Paste?"));
    QCOMPARE(dialogs.script.asked[0].buttons, ui::Buttons::kYesNo);
    QCOMPARE(dialogs.script.asked[1].title, QStringLiteral("Where do I put this?"));
    QCOMPARE(dialogs.script.asked[2].text, prompts[1]);
    for (int x = 0; x <= 4; ++x) QCOMPARE(int(sharedGame().code(x, 3)), 20);
    QVERIFY(shows(w, 7 * 9 + 8, 20));                       // square (4, 3) as the view shows it
    QCOMPARE(editor::sharedEditor().LevelChanged, kFalse);  // a paste does not mark the level

    dialogs.script.asked.clear();
    dialogs.script.answers = {Answer::kNo};  // No ends the command before any prompt
    w->Comm_Click(7);
    QCOMPARE(dialogs.script.asked.size(), 1u);
  }

  void refusedAnswersShowUncorrectValue() {
    EditorWindow* w = openEditor();
    for (int cancelAt = 0; cancelAt < 4; ++cancelAt) {
      ui::ScriptedDialogsScope dialogs;  // answers run out: Cancel gives the empty answer
      for (int i = 0; i < cancelAt; ++i) dialogs.script.inputs.push_back("1");
      w->Comm_Click(6);
      expectUncorrectValue(dialogs.script);
      QCOMPARE(int(dialogs.script.asked.size()), cancelAt + 2);
    }
    for (const QString& hostile : {QStringLiteral("../x"), QString(100000, '7'), QStringLiteral("1\n2")}) {
      ui::ScriptedDialogsScope dialogs;
      dialogs.script.answers = {Answer::kYes};
      dialogs.script.inputs = {hostile};
      w->Comm_Click(7);
      expectUncorrectValue(dialogs.script);
    }
    ui::ScriptedDialogsScope dialogs;  // a paste failing midway shows what it pasted
    for (int x = 0; x < kMapSize; ++x) sharedGame().code(x, 0) = tile::BreakableWall;
    editor::sharedEditor().CopyArea = {20, 0, 40, 0, 0, 0};
    dialogs.script.answers = {Answer::kYes};
    dialogs.script.inputs = {"0", "10"};
    w->Comm_Click(7);
    expectUncorrectValue(dialogs.script);
    QCOMPARE(int(sharedGame().code(29, 10)), int(tile::BreakableWall));
    QCOMPARE(int(sharedGame().code(30, 10)), 0);
    w->findChild<QScrollBar*>("VScroll1")->setValue(10);
    QVERIFY(shows(w, 40, tile::BreakableWall));
  }

  void theLabyrinthToolWarnsFirst() {
    ui::ScriptedDialogsScope dialogs;
    EditorWindow* w = openEditor();
    sharedGame().level.LevelName = "old";
    sharedGame().code(0, 0) = tile::Exit;
    const QRect frameBefore = w->findChild<QFrame*>("Shape1")->geometry();
    dialogs.script.answers = {Answer::kNo, Answer::kYes};
    w->Image1_Click();
    QCOMPARE(
        dialogs.script.asked[0].text,
        QStringLiteral(
            "This tool destroys all and makes whole map as a huge labyrinth. Do you want to use it now?"));
    QCOMPARE(dialogs.script.asked[0].title, QStringLiteral("Warning!"));
    QCOMPARE(int(sharedGame().code(0, 0)), int(tile::Exit));
    w->Image1_Click();
    QCOMPARE(int(editor::sharedEditor().SelectedTile), int(tile::PermanentWall));
    QCOMPARE(w->findChild<QFrame*>("Shape1")->geometry(), frameBefore);  // still framing Empty
    QCOMPARE(int(sharedGame().code(0, 0)), 0);
    QCOMPARE(sharedGame().level.LevelName, std::string());
    QCOMPARE(w->windowTitle(), QStringLiteral("Quobble - Level editor: ''"));
    QVERIFY(shows(w, 50, tile::PermanentWall));  // square (1, 1)
    QVERIFY(testing::saveShot(w, QStringLiteral("editor_labyrinth")));

    w->Comm_Click(5);  // "Click here": the message window
    QVERIFY(ui::loadedForm(9) && ui::loadedForm(9)->isVisible());
  }

  void closeAndNewAskToSaveOnlyAfterDrawing() {
    for (int command : {3, 4}) {
      struct Case {
        bool drawn;
        Answer answer;
        QString name;  // answer to the save's name prompt
        bool goesOn;
      };
      const Case cases[] = {{false, Answer::kCancel, {}, true},
                            {true, Answer::kCancel, {}, false},
                            {true, Answer::kNo, {}, true},
                            {true, Answer::kYes, QStringLiteral("kept%1").arg(command), true},
                            {true, Answer::kYes, {}, false}};  // Yes, then Cancel at the name
      for (const Case& c : cases) {
        ui::ScriptedDialogsScope dialogs;
        EditorWindow* w = openEditor();
        if (c.drawn) drawSomething();
        dialogs.script.answers = {c.answer};
        if (!c.name.isEmpty()) dialogs.script.inputs = {c.name};
        w->Comm_Click(command);
        testing::settleEvents();
        QCOMPARE(dialogs.script.asked.empty(), !c.drawn);
        if (c.drawn) {
          QCOMPARE(dialogs.script.asked[0].text, QStringLiteral("Save changes to the level?"));
          QCOMPARE(dialogs.script.asked[0].title, QStringLiteral("Editor:"));
          QCOMPARE(dialogs.script.asked[0].buttons, ui::Buttons::kYesNoCancel);
        }
        if (!c.name.isEmpty()) QVERIFY(saved(qPrintable(c.name + ".lev")));
        QCOMPARE(int(sharedGame().code(2, 2)), c.goesOn || !c.drawn ? 0 : int(tile::Star));
        QCOMPARE(bool(ui::loadedForm(2)), command == 4 || !c.goesOn);  // only "close" closes
        Clear_map();
      }
    }
  }

  void loadGoesOnWhateverTheAnswerToTheSaveQuestion() {
    Level stored;
    stored.LevelName = "Stored";
    stored.EditCode = 9;
    stored.code(5, 5) = tile::Door;
    folder->writeLevel({"Levels", "Stored.lev"}, stored);
    for (Answer answer : {Answer::kCancel, Answer::kNo, Answer::kYes}) {
      ui::ScriptedDialogsScope dialogs;
      Clear_map();
      EditorWindow* w = openEditor();
      drawSomething();
      dialogs.script.answers = {answer};
      if (answer == Answer::kYes) dialogs.script.inputs.push_back("drawn");
      dialogs.script.inputs.insert(dialogs.script.inputs.end(), {"stored", "9"});
      w->Comm_Click(2);
      QCOMPARE(saved("drawn.lev"), answer == Answer::kYes);
      QCOMPARE(sharedGame().level, stored);
      QCOMPARE(dialogs.script.unanswered, 0);
    }
  }
};

}  // namespace quobbles

QTEST_MAIN(quobbles::EditorCommandsTest)
#include "editor_commands_test.moc"
