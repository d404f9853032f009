// "Check level" and "Show me" in the windows (what they answer and play has engine tests): Ctrl+K
// opens the check over the editor and shows the search's progress; Cancel closes it at once and
// leaves everything as it was; "Search further" searches again; the answer's "Show me" plays the
// way on the board with God's Tools beside it, steered with Ctrl+P and Ctrl+Space also from God's
// Tools, until a move key takes over; and Esc brings the editor back exactly as it was, with no
// file written.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>
#include <functional>
#include <optional>

#include "app/forms.h"
#include "board/session.h"
#include "editor/editor_logic.h"
#include "gui/support/program_folder_fixture.h"
#include "gui/support/prompts_scope.h"
#include "state/tiles.h"
#include "support/ascii_map.h"
#include "windows/board_window.h"
#include "windows/check_level_window.h"
#include "windows/editor_window.h"
#include "windows/gods_tools_window.h"

namespace quobbles {

namespace {

GameState& game() {
  return sharedSession().game;
}

// What the editor holds and shows, to compare before and after.
struct EditorSeen {
  GameState game;
  bool changed = false;
  std::size_t undo = 0, redo = 0;
  int across = 0, down = 0, width = 0, height = 0;  // the view's and the extent's bars
  QString title;
  friend bool operator==(const EditorSeen&, const EditorSeen&) = default;
};

EditorSeen seen() {
  const editor::EditorState& e = editor::sharedEditor();
  const auto bar = [](const char* name) { return Form2()->findChild<QScrollBar*>(name)->value(); };
  return {game(),          e.LevelChanged,  e.history.undoCount(), e.history.redoCount(), bar("HScroll1"),
          bar("VScroll1"), bar("Kkokoko0"), bar("Kkokoko1"),       Form2()->windowTitle()};
}

QStringList filesIn(const std::filesystem::path& folder) {
  return QDir(QString::fromStdString(folder.string())).entryList(QDir::Files);
}

}  // namespace

class CheckLevelTest : public QObject {
  Q_OBJECT
  std::optional<testing::ProgramFolderFixture> folder;
  testing::ScriptedPromptsScope dialogs;
  EditorWindow* w = nullptr;

  // Opens the editor on `level` and edits it as a level maker would: the extent made smaller,
  // the view scrolled, a square drawn (not saved), so that every part of the editor has
  // something to lose.
  void editorWith(const Level& level) {
    game().level = level;
    game().level.LevelName = "Garden";
    app::showForm(w = Form2());
    w->findChild<QScrollBar*>("Kkokoko0")->setValue(30);
    w->findChild<QScrollBar*>("HScroll1")->setValue(3);
    w->findChild<QScrollBar*>("VScroll1")->setValue(2);
    w->Textuuri_Click(tile::Empty);
    w->Ruutu_MouseMove(80, Qt::NoModifier);  // the view's bottom-right square, (7, 6)
    w->Ruutu_Click();
    QVERIFY(editor::sharedEditor().LevelChanged);
  }

  // Ctrl+K, with `meanwhile` run on the check once it is open; returns once it has closed.
  void checkWith(const std::function<void(CheckLevelWindow*)>& meanwhile) {
    bool ran = false;
    QTimer::singleShot(0, this, [&] {
      auto* check = qobject_cast<CheckLevelWindow*>(QApplication::activeModalWidget());
      ran = check != nullptr;
      if (check == nullptr) return;
      meanwhile(check);
      if (check->isVisible()) check->reject();  // a failed step leaves no dialog open
    });
    QTest::keyClick(w, Qt::Key_K, Qt::ControlModifier);
    testing::settleEvents();
    QVERIFY2(ran, "Ctrl+K opened no check");
  }

  static QPushButton* button(QWidget* check, const char* name) {
    return check->findChild<QPushButton*>(name);
  }
  static QString text(QWidget* check) { return check->findChild<QLabel*>("Answer")->text(); }

 private slots:
  void init() {
    folder.emplace();
    dialogs.script = {};
  }
  void cleanup() { folder.reset(); }

  void cancelReturnsAtOnceAndLeavesTheLevelAlone() {
    // The whole map open with hangers wandering and the exit walled in: a search of minutes.
    Level open;
    for (int i = 0; i < 6; ++i) open.code(7 * i + 5, 6 * i + 9) = tile::Hanger;
    open.code(49, 49) = tile::Exit;
    open.code(48, 49) = open.code(49, 48) = open.code(48, 48) = tile::PermanentWall;
    editorWith(open);
    const EditorSeen before = seen();
    bool cancelled = false;
    checkWith([&](CheckLevelWindow* check) {
      // The progress shows while the search goes on.
      QTRY_VERIFY(text(check).contains(QStringLiteral("States searched: ")) &&
                  !text(check).contains(QStringLiteral("States searched: 0\n")));
      QVERIFY(check->searching() && button(check, "Cancel")->isVisible());
      QVERIFY(!button(check, "ShowMe")->isVisible());
      QVERIFY(testing::saveShot(check, QStringLiteral("check_level_searching")));
      QTest::mouseClick(button(check, "Cancel"), Qt::LeftButton);
      // Closed, and the search's thread already ended: Cancel waited for nothing more.
      QVERIFY(!check->isVisible() && !check->searching());
      cancelled = check->answer().cancelled();
    });
    QVERIFY(cancelled);
    QCOMPARE(testing::openForms(), QList<int>{2});
    QVERIFY(seen() == before);
    QVERIFY(dialogs.script.asked.empty());
  }

  void showMePlaysTheWaySteeredFromGodsToolsAndEscBringsTheEditorBack() {
    // The exit five steps to the right; the star one step down, which costs two turns more.
    editorWith(testing::levelFromPicture({".....E", "*#####"}, '#'));
    const EditorSeen before = seen();
    checkWith([&](CheckLevelWindow* check) {
      QTRY_VERIFY(!check->searching());
      QCOMPARE(text(check),
               QStringLiteral("This level can be passed!\nThe shortest way to the exit takes 5 turns.\n"
                              "With every star collected it takes 7 turns."));
      QVERIFY(button(check, "ShowMe")->isVisible() && button(check, "ShowMeStars")->isVisible());
      QVERIFY(!button(check, "SearchFurther")->isVisible() && !button(check, "Cancel")->isVisible());
      QVERIFY(testing::saveShot(check, QStringLiteral("check_level_answer")));
      QTest::mouseClick(button(check, "ShowMeStars"), Qt::LeftButton);
    });
    // A test play: the board with God's Tools; the editor waits hidden.
    QCOMPARE(testing::openForms(), (QList<int>{1, -2, 8}));
    const Playback* playback = Form1()->playback();
    QVERIFY(playback != nullptr);
    QTRY_VERIFY(playback->turnsPlayed() >= 1);

    // Ctrl+P and Ctrl+Space from God's Tools, which has the keyboard.
    QTest::keyClick(Form8(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(playback->state(), Playback::State::kPaused);
    const std::size_t paused = playback->turnsPlayed();
    QTest::qWait(700);  // two turns' time
    QCOMPARE(playback->turnsPlayed(), paused);
    QTest::keyClick(Form8(), Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(playback->turnsPlayed(), paused + 1);
    QVERIFY(testing::openForms().count(5) == 0);  // Ctrl+Space is not Space: no help
    QCOMPARE(Form1()->findChild<QLabel*>("Label1")->text(),
             QStringLiteral("Paused at %1 of 7 - Ctrl+P go on, Ctrl+Space step").arg(paused + 1));
    QVERIFY(testing::saveShot(Form1(), QStringLiteral("show_me_paused")));
    QTest::keyClick(Form8(), Qt::Key_P, Qt::ControlModifier);
    QTRY_COMPARE(playback->state(), Playback::State::kDone);
    QCOMPARE(int(game().PlayState), 2);
    QTest::qWait(400);
    QCOMPARE(testing::openForms(), (QList<int>{1, -2, 8}));  // the board stays open at the end
    QVERIFY(testing::saveShot(Form1(), QStringLiteral("show_me_done")));

    QTest::keyClick(Form1(), Qt::Key_Escape);
    testing::settleEvents();
    QCOMPARE(testing::openForms(), QList<int>{2});
    QVERIFY(seen() == before);
    QVERIFY(Form2()->isVisible());
    // Nothing was saved, and the play recorded nothing.
    QVERIFY(filesIn(folder->folder("Levels")).isEmpty() && filesIn(folder->folder("Players")).isEmpty());
    QVERIFY(dialogs.script.asked.empty());
  }

  void aMoveKeyTakesOver() {
    editorWith(testing::levelFromPicture({"...........E"}, '#'));
    checkWith([&](CheckLevelWindow* check) {
      QTRY_VERIFY(!check->searching());
      QTest::mouseClick(button(check, "ShowMe"), Qt::LeftButton);
    });
    const Playback* playback = Form1()->playback();
    QTRY_VERIFY(playback != nullptr && playback->turnsPlayed() >= 2);
    QTest::keyClick(Form1(), Qt::Key_4);  // the player steps back: the rest is his
    const BytePos at = game().PlayerPos;
    QCOMPARE(playback->state(), Playback::State::kTakenOver);
    QTest::qWait(700);
    QCOMPARE(game().PlayerPos, at);
    QVERIFY(Form1()->findChild<QLabel*>("Label1")->text().startsWith(QStringLiteral("Your play from turn")));
  }

  void searchFurtherDoublesTheLimits() {
    // Ten steps to the exit, each a state: eight states are too few, sixteen enough.
    CheckLevelWindow check(testing::levelFromPicture({"..........E"}, '#'), nullptr, {8, 64 << 20});
    check.show();
    QTRY_VERIFY(!check.searching());
    QVERIFY(text(&check).startsWith(QStringLiteral("No answer yet.")));
    QVERIFY(button(&check, "SearchFurther")->isVisible() && !button(&check, "ShowMe")->isVisible());
    QTest::mouseClick(button(&check, "SearchFurther"), Qt::LeftButton);
    QTRY_VERIFY(!check.searching());
    QVERIFY(text(&check).startsWith(QStringLiteral("This level can be passed!")));
    QVERIFY(check.findChild<QLabel*>("Limits")->text().endsWith(
        QStringLiteral("Limits: 16 states, 128 MB of memory.")));
    QVERIFY(button(&check, "ShowMe")->isVisible() && !button(&check, "SearchFurther")->isVisible());
  }
};

}  // namespace quobbles

QTEST_MAIN(quobbles::CheckLevelTest)
#include "check_level_test.moc"
