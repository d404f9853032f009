// Play comfort in the windows: the arrow keys and the number pad without Num Lock, undo and
// restart from the board and the windows beside it, every close box, where windows open, the map
// selection's wheel and long names, and the board's counters and star clear of its squares.
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "app/forms.h"
#include "app/navigator.h"
#include "board/session.h"
#include "editor/editor_logic.h"
#include "frontend/main_menu.h"
#include "gui/support/program_folder_fixture.h"
#include "gui/support/prompts_scope.h"
#include "state/level_file.h"
#include "state/tiles.h"
#include "support/ascii_map.h"
#include "ui/caption_label.h"
#include "ui/picture_store.h"
#include "ui/twips.h"
#include "windows/board_window.h"
#include "windows/credits_window.h"
#include "windows/editor_window.h"
#include "windows/gods_tools_window.h"
#include "windows/help_window.h"
#include "windows/main_menu_window.h"
#include "windows/map_selection_window.h"

namespace quobbles {

namespace {

using Forms = QList<int>;
using testing::openForms;
using testing::settleEvents;

GameState& game() {
  return sharedSession().game;
}

void key(QWidget* window, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(window, k, modifiers);
  settleEvents();
}

// The close box: true when the window let itself be closed, which for the last window on the
// screen ends the program; the others take it as one of their commands and refuse.
bool closeBox(QWidget* window) {
  const bool closed = window->close();
  settleEvents();
  return closed;
}

QRect frame(int n) {
  return app::frameOf(app::loadedForm(n));
}

Level level(const std::vector<std::string>& rows, int16_t status = kPassed) {
  Level l = testing::levelFromPicture(rows);
  l.LevelStatus = status;
  return l;
}

}  // namespace

class PlayComfortTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_.emplace();
    dialogs_.emplace();
    sharedMainMenu() = MainMenuVariables{};
    std::string index;
    for (int i = 0; i < 14; ++i) index += "Map number " + std::to_string(i) + "\r\n";
    folder_->writeBytes({"Campain", "Campain.dat"}, Bytes(index.begin(), index.end()));
    folder_->writeLevel({"Campain", "Map0.lev"}, level({"...E"}, kCampaignMap));
    app::openFirstWindow();
    settleEvents();
  }
  void cleanup() {
    dialogs_.reset();
    folder_.reset();
  }

  void arrowsAndThePadWithNumLockOnOrOffMoveAndUndoReachesTheBoardFromTheHelp() {
    playOtherMap(level({"....", "", "..O"}));
    const Session opened = sharedSession();
    key(Form1(), Qt::Key_Right);
    key(Form1(), Qt::Key_Left, Qt::KeypadModifier);  // the pad without Num Lock
    key(Form1(), Qt::Key_6, Qt::KeypadModifier);     // and with it
    key(Form1(), Qt::Key_Right);                     // the block below sees him and comes up
    const Session beforeDeath = sharedSession();
    // The pad's other keys without Num Lock, and arrows with Ctrl or Alt, do nothing.
    for (Qt::Key k : {Qt::Key_Home, Qt::Key_PageUp, Qt::Key_Insert, Qt::Key_Delete})
      key(Form1(), k, Qt::KeypadModifier);
    key(Form1(), Qt::Key_Down, Qt::ControlModifier);
    key(Form1(), Qt::Key_Down, Qt::AltModifier);
    QVERIFY(sharedSession() == beforeDeath);
    key(Form1(), Qt::Key_Clear, Qt::KeypadModifier);  // the pad's middle key passes: he dies
    QVERIFY(Form1()->messageLabel()->isVisible());
    key(Form1(), Qt::Key_Backspace);
    QVERIFY(sharedSession() == beforeDeath && !Form1()->messageLabel()->isVisible());
    key(Form1(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(game().PlayerPos.x, 1);

    // With the help in front the same keys reach the board; Page Down still scrolls the text.
    key(Form1(), Qt::Key_Space);
    QPlainTextEdit* text = Form5()->textBox();
    key(text, Qt::Key_Down);
    QCOMPARE(game().PlayerPos, (BytePos{1, 1}));
    key(text, Qt::Key_Backspace);
    key(app::loadedForm(7), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(sharedSession().game == opened.game);
    key(text, Qt::Key_PageDown);
    QVERIFY(text->verticalScrollBar()->value() > 0);
    QVERIFY(sharedSession().game == opened.game);
  }

  void upAndDownWalkTheMenuAndTheSelectionWhoseWheelScrollsAndNameIsCut() {
    key(Form3(), Qt::Key_Up);
    key(Form3(), Qt::Key_Down, Qt::KeypadModifier);
    key(Form3(), Qt::Key_Down);
    QCOMPARE(int(sharedMainMenu().MenuChoice), 1);
    const std::string name(60, 'W');
    dialogs_->script.inputs = {name};  // a new player
    dialogs_->script.answers = {Answer::kYes};
    Form3()->Viesti_Click(0);
    settleEvents();
    QCOMPARE(openForms(), Forms{4});
    key(Form4(), Qt::Key_Down);
    key(Form4(), Qt::Key_Down);
    key(Form4(), Qt::Key_Up, Qt::KeypadModifier);
    QCOMPARE(int(game().MapNumber), 1);

    QWheelEvent down(QPointF(9, 9), QPointF(9, 9), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(Form4(), &down);  // anywhere over the window, as over the scroll bar
    QCOMPARE(int(Form4()->selection().Skrolli), QApplication::wheelScrollLines());
    QCOMPARE(Form4()->row(0)->text(), QStringLiteral("Map number %1").arg(QApplication::wheelScrollLines()));

    const QLabel* shown = Form4()->playerLabel();
    QVERIFY(shown->text().endsWith(QChar(0x2026)) && Form4()->rect().contains(shown->geometry()));
    QCOMPARE(shown->toolTip(), QString::fromStdString(name));
    // "Player:" ends above the name's capitals.
    const QLabel* caption = Form4()->findChild<QLabel*>(QStringLiteral("Label1"));
    const QFontMetrics big = shown->fontMetrics();
    QVERIFY(caption->y() + caption->fontMetrics().height() <
            shown->y() + (shown->height() - big.height()) / 2 + big.ascent() - big.capHeight());
    QVERIFY(testing::saveShot(Form4(), QStringLiteral("form4_long_name")));
  }

  void closeBoxesDoTheirWindowsCommandsAndOnlyTheMenusEndsTheProgram() {
    // The board's close box is Esc, with the write-back of a first pass.
    const auto file = folder_->writeLevel({"Levels", "fresh.lev"}, level({"...E"}, kUnpassed));
    playOtherMap(file);
    for (int i = 0; i < 3; ++i) key(Form1(), Qt::Key_Right);
    QVERIFY(!closeBox(Form1()));
    QCOMPARE(openForms(), Forms{3});
    QCOMPARE(ReadLevel(file).value->LevelStatus, kPassed);
    openSelectionAndPlay();
    QVERIFY(!closeBox(Form1()));
    QCOMPARE(openForms(), Forms{4});
    QVERIFY(!closeBox(Form4()));  // "Main menu"
    QCOMPARE(openForms(), Forms{3});
    Form3()->Viesti_Click(3);
    QVERIFY(!closeBox(Form6()));  // a key
    QCOMPARE(openForms(), Forms{3});
    playOtherMap(level({"."}));
    key(Form1(), Qt::Key_Space);
    QVERIFY(!closeBox(Form5()));  // Space
    QVERIFY(!closeBox(app::loadedForm(7)));
    QCOMPARE(openForms(), Forms{1});
    key(Form1(), Qt::Key_Escape);

    // A test play: the close boxes of God's Tools and of the board end it as Esc does.
    for (int n : {8, 1}) {
      startTestPlay();
      QVERIFY(!closeBox(app::loadedForm(n)));
      QCOMPARE(openForms(), Forms{2});
    }
    editor::sharedEditor().LevelChanged = true;  // the editor asks before it throws work away
    dialogs_->script.answers = {Answer::kCancel, Answer::kNo};
    QVERIFY(!closeBox(Form2()));
    QCOMPARE(dialogs_->script.asked.back().text, "Save changes to the level?");
    QCOMPARE(openForms(), Forms{2});
    QVERIFY(!closeBox(Form2()));
    QCOMPARE(openForms(), Forms{3});
    QVERIFY(closeBox(Form3()));
  }

  void godsToolsPassTheBoardsKeysAndEachPressIsOneStep() {
    startTestPlay();
    key(Form8(), Qt::Key_Down);
    const Session moved = sharedSession();
    QTest::mouseClick(Form8()->button(1), Qt::LeftButton);  // ">"
    QTest::mouseClick(Form8()->button(6), Qt::LeftButton);  // "S1"
    key(Form8(), Qt::Key_Backspace);
    QCOMPARE(Form1()->counterLabel(kInvisibilityCounter)->text(), QStringLiteral("0"));
    QCOMPARE(game().PlayerPos, (BytePos{1, 1}));
    key(Form8(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(sharedSession() == moved);
  }

  void windowsOpenWhereTheWindowTheyReplaceStoodAndStayOnTheScreen() {
    const QRect screen = Form3()->screen()->availableGeometry();
    // The first window's frame is not known before it shows: off by its borders at most.
    QVERIFY((frame(3).center() - screen.center()).manhattanLength() <= 4);
    Form3()->move(screen.center() - QPoint(200, 150));
    const QPoint centre = frame(3).center();
    Form3()->Viesti_Click(3);
    QCOMPARE(frame(6).center(), centre);
    closeBox(Form6());
    openSelectionAndPlay();
    const QRect board = frame(1);
    QCOMPARE(board.center(), centre);
    key(Form1(), Qt::Key_Space);  // the text left of the board, the pictures right, tops aligned
    QCOMPARE(frame(5).topRight() + QPoint(1, 0), board.topLeft());
    QCOMPARE(frame(7).topLeft(), board.topRight() + QPoint(1, 0));
    key(Form1(), Qt::Key_Escape);
    QCOMPARE(frame(4).center(), centre);

    // In the corner the larger board is kept on the screen; with no room left of it, the help
    // text goes right of the pictures.
    Form4()->move(screen.topLeft() + QPoint(0, 20));
    key(Form4(), Qt::Key_Return);
    QCOMPARE(frame(1).topLeft(), screen.topLeft());
    key(Form1(), Qt::Key_Space);
    QCOMPARE(frame(5).topLeft(), frame(7).topRight() + QPoint(1, 0));
    key(Form1(), Qt::Key_Escape);
    key(Form4(), Qt::Key_Escape);

    // God's Tools right of the board, tops aligned, the pictures under it; left of the board when
    // the editor stood so far right that the board meets the screen's edge.
    for (const bool farRight : {false, true}) {
      openEditor();
      if (farRight) Form2()->move(screen.right() - Form2()->width() / 3, screen.top());
      startTestPlay();
      key(Form1(), Qt::Key_Space);
      QCOMPARE(frame(8).top(), frame(1).top());
      if (farRight)
        QCOMPARE(frame(8).right() + 1, frame(1).left());
      else
        QCOMPARE((std::pair{frame(8).left(), frame(7).topLeft()}),
                 (std::pair{frame(1).right() + 1, frame(8).bottomLeft() + QPoint(0, 1)}));
      for (int n : {1, 5, 7, 8}) QVERIFY(screen.contains(frame(n)));
      key(Form1(), Qt::Key_Escape);
      dialogs_->script.answers = {Answer::kNo};
      closeBox(Form2());
    }
  }

  void countersShowTheirPicturesAndNothingCoversTheBoardsSquares() {
    playOtherMap(level({".*"}));
    key(Form1(), Qt::Key_Right);  // the only star: its picture and text show
    const auto* star = Form1()->findChild<QLabel*>(QStringLiteral("AllStars"));
    QVERIFY(star->isVisible());
    // Above the board: each counter's box with its special's picture and number side by side,
    // and the star with its text; none reaches a square of the board or another.
    QList<QRect> parts{star->geometry(), Form1()->findChild<QLabel*>(QStringLiteral("Label3"))->geometry()};
    for (int i = 0; i < kSpecialCount; ++i) {
      const QRect box = Form1()->findChild<QWidget*>(QStringLiteral("mAnaBox%1").arg(i))->geometry();
      const auto* picture = Form1()->findChild<QLabel*>(QStringLiteral("mAnaPicture%1").arg(i));
      const QRect number = Form1()->counterLabel(i)->geometry();
      QVERIFY(box.contains(picture->geometry()) && box.contains(number));
      QVERIFY(!picture->geometry().intersects(number));
      for (const Tile& t : kTiles)
        if (t.pickUp == i)
          QCOMPARE(picture->pixmap().toImage(),
                   ui::PictureStore::tile(t.code)
                       .scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)
                       .toImage()
                       .convertToFormat(picture->pixmap().toImage().format()));
      parts << box;
    }
    const QRect squares =
        ui::twipsRect(kBoardOrigin, kBoardOrigin, kBoardEnd - kBoardOrigin, kBoardEnd - kBoardOrigin);
    for (int i = 0; i < parts.size(); ++i) {
      QVERIFY(!parts[i].intersects(squares));
      for (int j = 0; j < i; ++j) QVERIFY(!parts[i].intersects(parts[j]));
    }
    QVERIFY(testing::saveShot(Form1(), QStringLiteral("board_all_stars")));
    key(Form1(), Qt::Key_Backspace);  // undone: the star back on the map, the picture hidden
    QVERIFY(!star->isVisible());
  }

 private:
  void playOtherMap(const std::filesystem::path& file) {
    dialogs_->script.files = {file.string()};
    Form3()->Viesti_Click(1);
    settleEvents();
    QCOMPARE(openForms(), Forms{1});
  }
  void playOtherMap(const Level& l) { playOtherMap(folder_->writeLevel({"Levels", "played.lev"}, l)); }
  // The map selection of the player in memory, and "Play" on map 0.
  void openSelectionAndPlay() {
    dialogs_->script.inputs = {"Kalle"};
    dialogs_->script.answers = {Answer::kYes};  // a new player
    Form3()->Viesti_Click(0);
    settleEvents();
    key(Form4(), Qt::Key_Return);
    QCOMPARE(openForms(), Forms{1});
  }
  void openEditor() {
    game().profile.LevelPassed[16] = kTrue;
    Form3()->Viesti_Click(2);
    settleEvents();
  }
  // "Save and Play level" in the editor (opened from the menu when needed).
  void startTestPlay() {
    if (!app::loadedForm(2)) openEditor();
    // A name of its own each time: saving over another level's file would ask first.
    dialogs_->script.inputs = {"tried" + std::to_string(++testPlays_)};
    Form2()->Comm_Click(0);
    settleEvents();
    QCOMPARE(openForms(), (Forms{1, 8}));
  }

  std::optional<testing::ProgramFolderFixture> folder_;
  std::optional<testing::ScriptedPromptsScope> dialogs_;
  int testPlays_ = 0;
};

}  // namespace quobbles

// Qt's offscreen screen is 800 x 800; the windows are placed on one as large as a desktop's.
int main(int argc, char** argv) {
  QTemporaryDir dir;
  QFile config(dir.filePath(QStringLiteral("screen.json")));
  if (!config.open(QIODevice::WriteOnly)) return 1;
  config.write(R"({"screens": [{"name": "desk", "x": 0, "y": 0, "width": 1600, "height": 1000}]})");
  config.close();
  if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config.fileName()));
  QApplication app(argc, argv);
  quobbles::PlayComfortTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "play_comfort_test.moc"
