// Play comfort in the windows: the arrow keys and the number pad without Num Lock on the board
// and in the menus, undo and restart from the board and from the windows beside it, every close
// box and what it means, where windows open, the map selection's wheel and long names, and the
// board's counters and all-stars picture clear of the board's squares.
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
#include "windows/texture_help_window.h"

namespace quobbles {

namespace {

namespace fs = std::filesystem;
using Forms = QList<int>;
using testing::openForms;
using testing::settleEvents;

GameState& game() {
  return sharedSession().game;
}

BytePos at(int x, int y) {
  return {static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
}

// A key as the window gets it, with its modifiers; the events settle afterwards.
void key(QWidget* window, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(window, k, modifiers);
  settleEvents();
}

// Closes a window as its close box does. True when the window let itself be closed, which for
// the last window on the screen ends the program; a window that takes the close box as one of
// its commands refuses and lets the navigator replace it.
bool closeBox(QWidget* window) {
  const bool closed = window->close();
  settleEvents();
  return closed;
}

QRect boardSquares() {
  return ui::twipsRect(kBoardOrigin, kBoardOrigin, kBoardEnd - kBoardOrigin, kBoardEnd - kBoardOrigin);
}

// The contrast of a colour against black, as readability guides measure it (1 to 21).
double contrastOnBlack(const QColor& c) {
  auto channel = [](double v) {
    v /= 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  const double light = 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
  return (light + 0.05) / 0.05;
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
    for (int i = 0; i < 14; ++i) index += "\"Map number " + std::to_string(i) + "\"\r\n";
    folder_->writeBytes({"Campain", "Campain.dat"}, Bytes(index.begin(), index.end()));
    app::openFirstWindow();
    settleEvents();
  }
  void cleanup() {
    dialogs_.reset();
    folder_.reset();
  }

  void arrowKeysAndTheNumberPadMoveWhetherNumLockIsOnOrOff() {
    playOtherMap(testing::levelFromPicture({"...", "..."}));
    key(Form1(), Qt::Key_Right);
    key(Form1(), Qt::Key_Down);
    QCOMPARE(game().PlayerPos, at(1, 1));
    key(Form1(), Qt::Key_Left, Qt::KeypadModifier);  // the pad without Num Lock
    key(Form1(), Qt::Key_Up, Qt::KeypadModifier);
    QCOMPARE(game().PlayerPos, at(0, 0));
    key(Form1(), Qt::Key_6, Qt::KeypadModifier);  // the pad with Num Lock
    QCOMPARE(game().PlayerPos, at(1, 0));
    game().LastMoveKey = 0;
    key(Form1(), Qt::Key_Clear, Qt::KeypadModifier);  // the pad's middle key without Num Lock passes
    QCOMPARE(game().LastMoveKey, 53);
    // The pad's other keys without Num Lock, and arrows with Ctrl or Alt, do nothing.
    const Session before = sharedSession();
    for (Qt::Key k : {Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Insert,
                      Qt::Key_Delete, Qt::Key_Clear})
      key(Form1(), k, k == Qt::Key_Clear ? Qt::NoModifier : Qt::KeypadModifier);
    key(Form1(), Qt::Key_Right, Qt::ControlModifier);
    key(Form1(), Qt::Key_Right, Qt::AltModifier);
    QVERIFY(sharedSession() == before);
  }

  void undoAndRestartWorkOnTheBoardAndFromTheWindowsBesideIt() {
    playOtherMap(testing::levelFromPicture({"....", "", "..O"}));
    const Session opened = sharedSession();
    key(Form1(), Qt::Key_Right);
    key(Form1(), Qt::Key_Right);  // the block below sees him and comes up
    const Session beforeDeath = sharedSession();
    key(Form1(), Qt::Key_Clear, Qt::KeypadModifier);
    QVERIFY(Form1()->messageLabel()->isVisible());
    QCOMPARE(Form1()->messageLabel()->text(), QStringLiteral("Game over."));
    key(Form1(), Qt::Key_Backspace);  // back to life, the message gone
    QVERIFY(sharedSession() == beforeDeath);
    QVERIFY(!Form1()->messageLabel()->isVisible());
    key(Form1(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(game().PlayerPos, at(1, 0));
    key(Form1(), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(sharedSession() == opened);

    // With the help windows in front the same keys reach the board; the text box still scrolls.
    key(Form1(), Qt::Key_Space);
    QCOMPARE(openForms(), (Forms{1, 5, 7}));
    QPlainTextEdit* text = Form5()->textBox();
    key(text, Qt::Key_Right);
    key(text, Qt::Key_Down);
    QCOMPARE(game().PlayerPos, at(1, 1));
    key(text, Qt::Key_Backspace);
    QCOMPARE(game().PlayerPos, at(1, 0));
    key(app::loadedForm(7), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(sharedSession().game == opened.game);
    key(app::loadedForm(7), Qt::Key_Z, Qt::ControlModifier);  // the restart is undone
    QCOMPARE(game().PlayerPos, at(1, 0));
    const int scrolled = text->verticalScrollBar()->value();
    key(text, Qt::Key_PageDown);
    QVERIFY(text->verticalScrollBar()->value() > scrolled);
    QCOMPARE(game().PlayerPos, at(1, 0));
  }

  void upAndDownAre8And2InTheMenuAndTheSelection() {
    key(Form3(), Qt::Key_Down);
    QCOMPARE(int(sharedMainMenu().MenuChoice), 1);
    key(Form3(), Qt::Key_Up);
    key(Form3(), Qt::Key_Up, Qt::KeypadModifier);  // wraps round to "Exit"
    QCOMPARE(int(sharedMainMenu().MenuChoice), 4);
    openSelection("Kalle");
    key(Form4(), Qt::Key_Down);
    key(Form4(), Qt::Key_Down, Qt::KeypadModifier);
    QCOMPARE(int(game().MapNumber), 2);
    key(Form4(), Qt::Key_Up);
    QCOMPARE(int(game().MapNumber), 1);
  }

  void theWheelScrollsTheSelectionAndALongNameIsCutWithItsWholeAsTip() {
    const std::string name(60, 'W');
    openSelection(name);
    auto wheel = [](QWidget* over, int notches) {
      QWheelEvent event(QPointF(2, 2), over->mapToGlobal(QPointF(2, 2)), QPoint(), QPoint(0, -120 * notches),
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(over, &event);
    };
    wheel(Form4(), 1);  // over the window (and its titles): the list scrolls as under the scroll bar
    const int byRow = Form4()->scrollBar()->value();
    QVERIFY(byRow > 0);
    QCOMPARE(Form4()->selection().Skrolli, byRow);
    QCOMPARE(Form4()->row(0)->text(), QStringLiteral("Map number %1").arg(byRow));
    wheel(Form4()->scrollBar(), -1);
    QCOMPARE(Form4()->scrollBar()->value(), 0);
    wheel(Form4(), -3);  // at the top: nothing, and no endless passing to and fro
    QCOMPARE(Form4()->scrollBar()->value(), 0);
    wheel(Form4(), 1);
    QCOMPARE(Form4()->scrollBar()->value(), byRow);

    const QLabel* shown = Form4()->playerLabel();
    QVERIFY(shown->text().endsWith(QChar(0x2026)));
    QCOMPARE(shown->toolTip(), QString::fromStdString(name));
    QVERIFY(Form4()->rect().contains(shown->geometry()));
    // "Player:" ends above the name's letters.
    const QLabel* caption = Form4()->findChild<QLabel*>(QStringLiteral("Label1"));
    const int captionBottom = caption->y() + caption->fontMetrics().height();
    const int nameTop = shown->y() + (shown->height() - shown->fontMetrics().height()) / 2 +
                        shown->fontMetrics().ascent() - shown->fontMetrics().capHeight();
    QVERIFY2(captionBottom < nameTop, qPrintable(QStringLiteral("%1 %2").arg(captionBottom).arg(nameTop)));
    QVERIFY(testing::saveShot(Form4(), QStringLiteral("form4_long_name")));

    openSelection("Kalle");  // a name that fits has no tip
    QCOMPARE(Form4()->playerLabel()->text(), QStringLiteral("Kalle"));
    QVERIFY(Form4()->playerLabel()->toolTip().isEmpty());
  }

  void closeBoxesDoWhatTheirWindowsKeysDoAndOnlyTheMenusEndsTheProgram() {
    // The board of a level never passed: the close box is Esc, with the write-back of the pass.
    const fs::path file = folder_->writeLevel({"Levels", "fresh.lev"}, walkRight(kUnpassed));
    playOtherMap(file);
    for (int i = 0; i < 3; ++i) key(Form1(), Qt::Key_Right);
    QCOMPARE(int(game().PlayState), 2);
    QVERIFY(!closeBox(Form1()));
    QCOMPARE(openForms(), Forms{3});
    QCOMPARE(ReadLevel(file).value->LevelStatus, kPassed);
    // The board of a campaign map and the map selection.
    folder_->writeLevel({"Campain", "Map0.lev"}, walkRight(kCampaignMap));
    openSelection("Kalle");
    key(Form4(), Qt::Key_Return);
    QCOMPARE(openForms(), Forms{1});
    QVERIFY(!closeBox(Form1()));
    QCOMPARE(openForms(), Forms{4});
    QVERIFY(!closeBox(Form4()));
    QCOMPARE(openForms(), Forms{3});
    // The credits, and the help windows over the board.
    Form3()->Viesti_Click(3);
    settleEvents();
    QVERIFY(!closeBox(Form6()));
    QCOMPARE(openForms(), Forms{3});
    playOtherMap(walkRight(kPassed));
    key(Form1(), Qt::Key_Space);
    QVERIFY(!closeBox(Form5()));
    QCOMPARE(openForms(), (Forms{1, 7}));
    QVERIFY(!closeBox(app::loadedForm(7)));
    QCOMPARE(openForms(), Forms{1});
    key(Form1(), Qt::Key_Escape);

    // A test play: God's Tools' close box and the board's end it as Esc does, back to the editor.
    sharedSession().game.profile.LevelPassed[16] = kTrue;
    Form3()->Viesti_Click(2);
    settleEvents();
    startTestPlay();
    QVERIFY(!closeBox(Form8()));
    QCOMPARE(openForms(), Forms{2});
    startTestPlay();
    QVERIFY(!closeBox(Form1()));
    QCOMPARE(openForms(), Forms{2});
    // The editor's close box asks about unsaved work; Cancel keeps the editor.
    editor::sharedEditor().LevelChanged = true;
    dialogs_->script.answers = {Answer::kCancel};
    QVERIFY(!closeBox(Form2()));
    QCOMPARE(dialogs_->script.asked.back().text, "Save changes to the level?");
    QCOMPARE(openForms(), Forms{2});

    dialogs_->script.answers = {Answer::kNo};
    QVERIFY(!closeBox(Form2()));
    QCOMPARE(openForms(), Forms{3});
    QVERIFY(closeBox(Form3()));  // only this one closes, and so ends the program
    QVERIFY(!Form3()->isVisible());
  }

  void godsToolsTakeTheBoardsKeysAndEachPressIsOneStep() {
    sharedSession().game.profile.LevelPassed[16] = kTrue;
    Form3()->Viesti_Click(2);
    settleEvents();
    startTestPlay();
    key(Form8(), Qt::Key_Right);
    key(Form8(), Qt::Key_Down);
    QCOMPARE(game().PlayerPos, at(1, 1));
    const Session moved = sharedSession();
    QTest::mouseClick(Form8()->button(1), Qt::LeftButton);  // ">"
    QTest::mouseClick(Form8()->button(6), Qt::LeftButton);  // "S1"
    QCOMPARE(Form1()->counterLabel(kInvisibilityCounter)->text(), QStringLiteral("1"));
    key(Form8(), Qt::Key_Backspace);
    QCOMPARE(Form1()->counterLabel(kInvisibilityCounter)->text(), QStringLiteral("0"));
    QCOMPARE(game().PlayerPos, at(2, 1));
    key(Form8(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(sharedSession() == moved);
    key(Form8(), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(game().PlayerPos, at(0, 0));
  }

  void windowsOpenWhereTheWindowTheyReplaceStood() {
    const QRect screen = Form3()->screen()->availableGeometry();
    // The first window: its frame is not known before it is shown, so it may stand off by as
    // much as the frame's borders.
    QVERIFY((app::frameOf(Form3()).center() - screen.center()).manhattanLength() <= 4);
    Form3()->move(screen.center() - QPoint(200, 150));
    const QPoint centre = app::frameOf(Form3()).center();
    Form3()->Viesti_Click(3);
    settleEvents();
    QCOMPARE(app::frameOf(Form6()).center(), centre);
    closeBox(Form6());
    QCOMPARE(app::frameOf(Form3()).center(), centre);
    openSelection("Kalle");
    QCOMPARE(app::frameOf(Form4()).center(), centre);
    folder_->writeLevel({"Campain", "Map0.lev"}, walkRight(kCampaignMap));
    key(Form4(), Qt::Key_Return);
    const QRect board = app::frameOf(Form1());
    QCOMPARE(board.center(), centre);
    // The help text left of the board and the pictures right of it, tops aligned.
    key(Form1(), Qt::Key_Space);
    QCOMPARE(app::frameOf(Form5()).topRight() + QPoint(1, 0), board.topLeft());
    QCOMPARE(app::frameOf(Form7()).topLeft(), board.topRight() + QPoint(1, 0));
    key(Form1(), Qt::Key_Escape);
    QCOMPARE(app::frameOf(Form4()).center(), centre);

    // In a corner the next window is kept on the screen: the board is larger than the selection
    // and would reach past the screen's edges if it were centred there.
    Form4()->move(screen.topLeft() + QPoint(0, 20));
    const QPoint corner = app::frameOf(Form4()).center();
    key(Form4(), Qt::Key_Return);
    const QRect cornered = app::frameOf(Form1());
    QVERIFY(corner.x() - cornered.width() / 2 < screen.left() && corner.y() - cornered.height() / 2 < 0);
    QCOMPARE(cornered.topLeft(), screen.topLeft());
    // No room left of it: the help text goes right of the pictures.
    key(Form1(), Qt::Key_Space);
    QCOMPARE(app::frameOf(Form7()).topLeft(), cornered.topRight() + QPoint(1, 0));
    QCOMPARE(app::frameOf(Form5()).topLeft(), app::frameOf(Form7()).topRight() + QPoint(1, 0));
    key(Form1(), Qt::Key_Escape);
    key(Form4(), Qt::Key_Escape);

    // God's Tools right of the board, tops aligned, with the pictures of the help under it; left
    // of the board when the editor stood so far right that the board meets the screen's edge.
    sharedSession().game.profile.LevelPassed[16] = kTrue;
    for (const bool farRight : {false, true}) {
      Form3()->Viesti_Click(2);
      settleEvents();
      if (farRight) Form2()->move(screen.right() - Form2()->width() / 3, screen.top());
      startTestPlay();
      const QRect played = app::frameOf(Form1());
      const QRect tools = app::frameOf(Form8());
      QCOMPARE(tools.top(), played.top());
      if (farRight) {
        QCOMPARE(played.right(), screen.right());
        QCOMPARE(tools.right() + 1, played.left());
      } else {
        QCOMPARE(tools.left(), played.right() + 1);
        key(Form1(), Qt::Key_Space);
        QCOMPARE(app::frameOf(Form7()).topLeft(), tools.bottomLeft() + QPoint(0, 1));
      }
      for (int n = 1; n <= 9; ++n)
        if (const QWidget* w = app::loadedForm(n); w && w->isVisible())
          QVERIFY(screen.contains(app::frameOf(w)));
      key(Form1(), Qt::Key_Escape);  // the editor where the board stood, as far as the screen lets it
      if (farRight)
        QCOMPARE(app::frameOf(Form2()).right(), screen.right());
      else
        QCOMPARE(app::frameOf(Form2()).center(), played.center());
      dialogs_->script.answers = {Answer::kNo};
      closeBox(Form2());
    }
  }

  void theCountersShowTheirPicturesAndNothingCoversTheBoardsSquares() {
    playOtherMap(testing::levelFromPicture({"...*"}));
    for (int i = 0; i < kSpecialCount; ++i) {
      const auto* box = Form1()->findChild<QWidget*>(QStringLiteral("mAnaBox%1").arg(i));
      const auto* picture = Form1()->findChild<QLabel*>(QStringLiteral("mAnaPicture%1").arg(i));
      QVERIFY(box && picture);
      QVERIFY(!box->geometry().intersects(boardSquares()));
      QVERIFY(box->geometry().contains(picture->geometry()));
      QVERIFY(box->geometry().contains(Form1()->counterLabel(i)->geometry()));
      QVERIFY(!picture->geometry().intersects(Form1()->counterLabel(i)->geometry()));
      // The special's own test pipe, the one whose pick-up fills this counter.
      int pipe = -1;
      for (const Tile& t : kTiles)
        if (t.pickUp == i) pipe = t.code;
      const QImage want = ui::PictureStore::tile(pipe)
                              .scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)
                              .toImage();
      QCOMPARE(picture->pixmap().toImage().convertToFormat(want.format()), want);
      const QColor number = Form1()->counterLabel(i)->palette().color(QPalette::WindowText);
      QVERIFY2(contrastOnBlack(number) >= 4.5, qPrintable(number.name()));
    }
    for (int i = 0; i < 3; ++i) key(Form1(), Qt::Key_Right);  // the only star
    const auto* stars = Form1()->findChild<QLabel*>(QStringLiteral("AllStars"));
    const auto* starsText = Form1()->findChild<QLabel*>(QStringLiteral("Label3"));
    QVERIFY(stars->isVisible() && starsText->isVisible());
    QVERIFY(!stars->geometry().intersects(boardSquares()));
    QVERIFY(!starsText->geometry().intersects(boardSquares()));
    QVERIFY(!starsText->geometry().intersects(stars->geometry()));
    QVERIFY(!starsText->geometry().intersects(Form1()->findChild<QWidget*>("mAnaBox4")->geometry()));
    QVERIFY(testing::saveShot(Form1(), QStringLiteral("board_all_stars")));
    key(Form1(), Qt::Key_Backspace);  // undone: the star is back on the map, the picture hidden
    QVERIFY(!stars->isVisible());
  }

 private:
  static Level walkRight(int16_t status, int16_t editCode = 0) {
    Level level = testing::levelFromPicture({"...E"});
    level.EditCode = editCode;
    level.LevelStatus = status;
    return level;
  }
  // "Play other maps" with this level file from the main menu.
  void playOtherMap(const fs::path& file) {
    dialogs_->script.files = {file.string()};
    dialogs_->script.answers = {};
    Form3()->Viesti_Click(1);
    settleEvents();
    QCOMPARE(openForms(), Forms{1});
  }
  void playOtherMap(Level level) {
    level.LevelStatus = kPassed;  // plays without a warning
    playOtherMap(folder_->writeLevel({"Levels", "played.lev"}, level));
  }
  // The map selection, as after logging in with this name.
  void openSelection(const std::string& name) {
    app::unloadForm(4);
    settleEvents();
    game().profile.PlayerName = name;
    game().MapNumber = 0;
    if (QWidget* menu = app::loadedForm(3)) {
      app::placeCentredOn(Form4(), menu);
      app::showForm(Form4());
      app::unloadForm(3);
    } else {
      app::showForm(Form4());
    }
    settleEvents();
    QCOMPARE(openForms(), Forms{4});
  }
  // "Save and Play level" in the editor: the board and God's Tools open.
  void startTestPlay() {
    dialogs_->script.inputs = {"played"};
    Form2()->Comm_Click(0);
    settleEvents();
    QCOMPARE(openForms(), (Forms{1, 8}));
  }

  std::optional<testing::ProgramFolderFixture> folder_;
  std::optional<testing::ScriptedPromptsScope> dialogs_;
};

}  // namespace quobbles

// Qt's offscreen screen is 800 x 800; the windows are placed on one as large as a desktop's, with
// room beside the board.
int main(int argc, char** argv) {
  QTemporaryDir dir;
  const QString config = dir.filePath(QStringLiteral("screen.json"));
  QFile file(config);
  if (!file.open(QIODevice::WriteOnly)) return 1;
  file.write(R"({"screens": [{"name": "desk", "x": 0, "y": 0, "width": 1600, "height": 1000,)"
             R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  file.close();
  if (qgetenv("QT_QPA_PLATFORM") == "offscreen")
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
  QApplication app(argc, argv);
  quobbles::PlayComfortTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "play_comfort_test.moc"
