// The front end's windows from the main menu on (the flows behind them have engine tests): the
// menu's and the map selection's keys (the arrows and the number pad without Num Lock too), the
// figure beside the highlighted item, which window each way opens (the editor gate, logging in,
// "Play other maps", a campaign map and back with Esc), the map selection's colours, frame, wheel
// and cut names, undo and restart from the board and the help windows that pass keys on to it,
// every close box, where windows open, the board's counters and star clear of its squares, the
// credits with the version and the data folder, the note, and input far too long.
#include <QFile>
#include <QInputDialog>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "app/forms.h"
#include "app/navigator.h"
#include "board/session.h"
#include "editor/editor_logic.h"
#include "frontend/help_text.h"
#include "frontend/login.h"
#include "frontend/main_menu.h"
#include "gui/support/program_folder_fixture.h"
#include "gui/support/prompts_scope.h"
#include "state/file_names.h"
#include "state/level_file.h"
#include "state/profile_file.h"
#include "state/program_files.h"
#include "state/tiles.h"
#include "state/version.h"
#include "support/ascii_map.h"
#include "ui/caption_label.h"
#include "ui/picture_store.h"
#include "ui/qt_prompts.h"
#include "ui/twips.h"
#include "windows/board_window.h"
#include "windows/credits_window.h"
#include "windows/editor_window.h"
#include "windows/help_window.h"
#include "windows/main_menu_window.h"
#include "windows/map_selection_window.h"
#include "windows/message_window.h"

namespace quobbles {

namespace {

namespace fs = std::filesystem;
using Forms = QList<int>;
using testing::openForms;
using testing::settleEvents;

const QColor kGreen(0, 255, 0), kAquamarine(0, 255, 170), kYellow(255, 255, 0), kRed(255, 0, 0),
    kDarkRed(128, 0, 0);

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

Level level(const std::vector<std::string>& rows, int16_t status = kPassed, int16_t editCode = 0) {
  Level l = testing::levelFromPicture(rows);
  l.LevelStatus = status;
  l.EditCode = editCode;
  return l;
}

QList<QColor> rowColours() {
  QList<QColor> out;
  for (int i = 0; i < kListRows; ++i) out << Form4()->row(i)->palette().color(QPalette::WindowText);
  return out;
}

}  // namespace

class FrontEndTest : public QObject {
  Q_OBJECT

 private slots:
  // A campaign of 14 titles whose first map can be played, and the main menu in the middle.
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

  void menuKeysWrapRoundAndTheFigureFollowsTheHighlight() {
    QVERIFY(testing::saveShot(Form3(), QStringLiteral("form3_main_menu")));
    // The highlighted item, or -1 if the figure is not 690 twips left of and 120 above it.
    const auto highlighted = [] {
      const int choice = sharedMainMenu().MenuChoice;
      const QPoint item = Form3()->item(choice)->pos();
      return Form3()->figure()->pos() == item - QPoint(ui::px(690), ui::px(120)) ? choice : -1;
    };
    // Up from the top wraps to "Exit", down from "Exit" to the top; Esc only highlights "Exit".
    // Each step: the key, whether it is the pad's, and the item then highlighted.
    const std::tuple<Qt::Key, bool, int> steps[] = {
        {Qt::Key_8, false, 4},   {Qt::Key_2, false, 0},  {Qt::Key_Q, false, 0},    {Qt::Key_Escape, false, 4},
        {Qt::Key_Down, true, 0}, {Qt::Key_Up, false, 4}, {Qt::Key_Down, false, 0}, {Qt::Key_2, false, 1}};
    for (const auto& [k, pad, item] : steps) {
      key(Form3(), k, pad ? Qt::KeypadModifier : Qt::NoModifier);
      QCOMPARE(highlighted(), item);
    }
    QTest::mouseMove(Form3()->item(3));
    QTRY_COMPARE(highlighted(), 3);
    testing::pressKeys(Form3(), {Qt::Key_Escape, Qt::Key_Return});
    QCOMPARE(openForms(), Forms{});
  }

  void escFromACampaignMapBringsTheSelectionBackFramedInTheMiddle() {
    folder_->writeLevel({"Campain", "Map9.lev"}, level({"...E"}, kCampaignMap, 9));
    folder_->writeLevel({"Campain", "Map10.lev"}, level({"...E"}, kCampaignMap, 5));  // another map's code
    Profile& progress = game().profile;
    progress.PlayerName = "Kalle";
    for (std::size_t k = 0; k < 9; ++k) progress.LevelPassed[k] = kTrue;
    progress.LevelStars[8] = kTrue;
    game().MapNumber = 9;
    app::unloadForm(3);
    app::showForm(Form4());
    QVERIFY(testing::saveShot(Form4(), QStringLiteral("form4_map_selection")));
    key(Form4(), Qt::Key_2);  // the list scrolls under the middle row: maps 8 .. 12
    QCOMPARE(rowColours(), (QList<QColor>{kAquamarine, kYellow, kYellow, kYellow, kRed}));
    QTest::mouseClick(Form4()->row(0), Qt::LeftButton);
    QTest::mouseClick(Form4()->row(4), Qt::LeftButton);  // locked: ignored
    expectFramed(0, kAquamarine);
    // 8 scrolls back and selects map 9, Enter plays it.
    testing::pressKeys(Form4(), {Qt::Key_8, Qt::Key_Return});
    QCOMPARE(openForms(), Forms{1});
    testing::pressKeys(Form1(), {Qt::Key_6, Qt::Key_6, Qt::Key_6, Qt::Key_Escape});    // passed
    QVERIFY(readProfile(folder_->folder("Players") / "Kalle.plr").value == progress);  // and saved
    QCOMPARE(openForms(), Forms{4});
    QCOMPARE(Form4()->row(3)->text(), QStringLiteral("Map number 10"));  // whole: the list moves left
    expectFramed(2, kGreen);
    // A map that cannot be played keeps the selection open.
    testing::pressKeys(Form4(), {Qt::Key_2, Qt::Key_Return});
    QCOMPARE(openForms(), Forms{4});
  }

  void theSelectionsArrowsAndWheelScrollAndALongNameIsCut() {
    const std::string name = "J\xC3\xB6rg" + std::string(56, 'W');
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

  void withoutTheCampaignIndexTheRowsAreDarkAndPlayOpensNothing() {
    fs::remove(folder_->folder("Campain") / "Campain.dat");
    Form3()->Viesti_Click(2);  // "Not yet!", and a log-in cancelled: the menu stays
    QCOMPARE(logIn(""), Forms{3});
    QCOMPARE(logIn("Kalle", {Answer::kYes}), Forms{4});
    QCOMPARE(rowColours(), (QList<QColor>(kListRows, kDarkRed)));
    QCOMPARE(Form4()->row(0)->text(), QStringLiteral("---"));
    QTest::mouseClick(Form4()->playLabel(0), Qt::LeftButton);
    QCOMPARE(dialogs_->script.messages().back(), kNoCampaign);
    QCOMPARE(openForms(), Forms{4});
  }

  void theBoardTakesArrowsAndThePadAndItsHelpWindowsPassKeysOn() {
    QCOMPARE(playOtherMap(level({"...E"}, kCampaignMap)), Forms{3});  // refused: no board
    QCOMPARE(playOtherMap(level({"....", "", "..O"})), Forms{1});
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

    // Space shows the help; the text box has the keyboard there, and the keys still reach the
    // board, all but Page Down, which scrolls the text.
    key(Form1(), Qt::Key_Space);
    QCOMPARE(openForms(), (Forms{1, 5, 7}));
    QVERIFY(testing::saveShot(app::loadedForm(5), QStringLiteral("form5_help")));
    QVERIFY(testing::saveShot(app::loadedForm(7), QStringLiteral("form7_texture_help")));
    QPlainTextEdit* text = Form5()->textBox();
    QCOMPARE(text->toPlainText(), QString::fromStdString(helpText()).replace("\r\n", "\n"));
    key(text, Qt::Key_Down);
    QCOMPARE(game().PlayerPos, (BytePos{1, 1}));
    key(text, Qt::Key_Backspace);
    key(app::loadedForm(7), Qt::Key_R, Qt::ControlModifier);
    QVERIFY(sharedSession().game == opened.game);
    key(text, Qt::Key_PageDown);
    QVERIFY(text->verticalScrollBar()->value() > 0);
    QVERIFY(sharedSession().game == opened.game);
    // Space closes each help window; Esc from the text leaves the board.
    key(text, Qt::Key_Space);
    QCOMPARE(openForms(), (Forms{1, 7}));
    testing::pressKeys(app::loadedForm(7), {Qt::Key_6, Qt::Key_Space});
    QCOMPARE(game().PlayerPos.x, 1);
    QCOMPARE(openForms(), Forms{1});
    key(Form1(), Qt::Key_Space);
    key(Form5()->textBox(), Qt::Key_Escape);
    QCOMPARE(openForms(), Forms{3});
  }

  // Each window opens centred where the window it replaces stood, and is kept on the screen; every
  // close box does its window's command, and only the main menu's ends the program.
  void windowsOpenWhereTheWindowTheyReplaceStoodAndCloseBoxesDoTheirWindowsCommands() {
    const QRect screen = Form3()->screen()->availableGeometry();
    // The first window's frame is not known before it shows: off by its borders at most.
    QVERIFY((frame(3).center() - screen.center()).manhattanLength() <= 4);
    Form3()->move(screen.center() - QPoint(200, 150));
    const QPoint centre = frame(3).center();
    Form3()->Viesti_Click(3);
    QCOMPARE(frame(6).center(), centre);
    QVERIFY(!closeBox(Form6()));  // the credits' is a key
    QCOMPARE(openForms(), Forms{3});
    openSelectionAndPlay();
    const QRect board = frame(1);
    QCOMPARE(board.center(), centre);
    key(Form1(), Qt::Key_Space);  // the text left of the board, the pictures right, tops aligned
    QCOMPARE(frame(5).topRight() + QPoint(1, 0), board.topLeft());
    QCOMPARE(frame(7).topLeft(), board.topRight() + QPoint(1, 0));
    QVERIFY(!closeBox(Form5()) && !closeBox(app::loadedForm(7)));  // Space
    QCOMPARE(openForms(), Forms{1});
    QVERIFY(!closeBox(Form1()));  // Esc
    QCOMPARE(openForms(), Forms{4});
    QCOMPARE(frame(4).center(), centre);

    // In the corner the larger board is kept on the screen; with no room left of it, the help
    // text goes right of the pictures.
    Form4()->move(screen.topLeft() + QPoint(0, 20));
    key(Form4(), Qt::Key_Return);
    QCOMPARE(frame(1).topLeft(), screen.topLeft());
    key(Form1(), Qt::Key_Space);
    QCOMPARE(frame(5).topLeft(), frame(7).topRight() + QPoint(1, 0));
    key(Form1(), Qt::Key_Escape);
    QVERIFY(!closeBox(Form4()));  // "Main menu"
    QCOMPARE(openForms(), Forms{3});

    // God's Tools right of the board, tops aligned, the pictures under it; left of the board when
    // the editor stood so far right that the board meets the screen's edge. The close boxes of
    // both end the test play as Esc does; the editor's asks before it throws work away.
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
      QVERIFY(!closeBox(app::loadedForm(farRight ? 8 : 1)));
      QCOMPARE(openForms(), Forms{2});
      editor::sharedEditor().LevelChanged = true;
      dialogs_->script.answers = {Answer::kCancel, Answer::kNo};
      QVERIFY(!closeBox(Form2()));
      QCOMPARE(dialogs_->script.asked.back().text, "Save changes to the level?");
      QCOMPARE(openForms(), Forms{2});
      QVERIFY(!closeBox(Form2()));
      QCOMPARE(openForms(), Forms{3});
    }
    QVERIFY(closeBox(Form3()));
  }

  // The board's close box is Esc, with the write-back of a first pass.
  void theBoardsCloseBoxLeavesAsEscDoes() {
    const auto file = folder_->writeLevel({"Levels", "fresh.lev"}, level({"...E"}, kUnpassed));
    QCOMPARE(playOtherMap(file), Forms{1});
    for (int i = 0; i < 3; ++i) key(Form1(), Qt::Key_Right);
    QVERIFY(!closeBox(Form1()));
    QCOMPARE(openForms(), Forms{3});
    QCOMPARE(ReadLevel(file).value->LevelStatus, kPassed);
  }

  void countersShowTheirPicturesAndNothingCoversTheBoardsSquares() {
    QCOMPARE(playOtherMap(level({".*"})), Forms{1});
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

  void theCreditsShowTheVersionAndDataFolderAndAnyKeyThePictureOrBackLeave() {
    // Portable: the program's folder, whole.
    QStringList lines = openCredits();
    QVERIFY(!QString::fromLatin1(gameVersion()).isEmpty());
    QVERIFY(Form6()->versionLabel()->text().endsWith(QString::fromLatin1(gameVersion())));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[1], QString::fromStdString(folder_->root().lexically_normal().string()));
    // Ways 0 .. 2 are keys (Esc, Space, a letter), 3 a click on the picture, 4 one on "Back".
    for (int way = 0; way < 5; ++way) {
      if (way > 0) openCredits();
      if (way < 3)
        QTest::keyClick(Form6(), std::array{Qt::Key_Escape, Qt::Key_Space, Qt::Key_Q}[way]);
      else
        QTest::mouseClick(way == 3 ? Form6()->picture() : Form6()->backLabel(), Qt::LeftButton);
      settleEvents();
      QVERIFY2(openForms() == Forms{3}, std::to_string(way).c_str());
    }
    // Installed, in a folder too long for the window: both ends stay.
    const std::string start = "/home/a-player-with-a-rather-long-name";
    const fs::path data = fs::path(start) / std::string(120, 'x') / ".local" / "share" / "quobbles";
    setFileFolders({folder_->root(), data, false});
    lines = openCredits();
    QVERIFY(testing::saveShot(Form6(), QStringLiteral("form6_credits_long_folder")));
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[1].startsWith(QString::fromStdString(start)), qPrintable(lines[1]));
    QVERIFY2(lines[1].endsWith(QStringLiteral("/share/quobbles")), qPrintable(lines[1]));
    QVERIFY(lines[1].size() < static_cast<int>(data.string().size()));
    const QLabel* label = Form6()->dataFolderLabel();
    QVERIFY(label->fontMetrics().horizontalAdvance(lines[1]) <= label->width());
    QVERIFY(Form6()->rect().contains(label->geometry()));
  }

  void theNoteClosesOnAClickOrWhenAnotherWindowTakesTheFocus() {
    app::showForm(Form9());
    QVERIFY(testing::saveShot(Form9(), QStringLiteral("form9_message")));
    QTest::mouseClick(Form9()->text(1), Qt::LeftButton);
    settleEvents();
    QCOMPARE(openForms(), Forms{3});
    app::showForm(Form9());
    QVERIFY(QTest::qWaitForWindowActive(Form9()));
    Form3()->activateWindow();
    QTRY_COMPARE(openForms(), Forms{3});
  }

  void theLogInNameBoxTakesNoMoreThanTheEditorsNameBox() {
    // While the box is open: 200 keys are typed into it, and it is accepted.
    QString held;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      if (QLineEdit* edit = box ? box->findChild<QLineEdit*>() : nullptr) {
        QTest::keyClicks(edit, QString(200, QLatin1Char('k')));
        held = edit->text();
        box->accept();
      }
    });
    ui::QtPrompts prompts;
    QCOMPARE(prompts.inputAtMost(kLoginPrompt, kLoginTitle, {}, kMaxNameLength),
             std::string(kMaxNameLength, 'k'));
    QCOMPARE(held, QString(kMaxNameLength, QLatin1Char('k')));  // the box itself held no more
  }

  void aFourMillionCharacterTitleIsShownCut() {
    std::string index = "\"" + std::string(4000000, 'W') + "\"\r\n";
    for (int i = 1; i < 12; ++i) index += "Map " + std::to_string(i) + "\r\n";
    folder_->writeBytes({"Campain", "Campain.dat"}, Bytes(index.begin(), index.end()));
    Profile& progress = game().profile;
    progress.PlayerName = "Kalle";
    for (std::size_t k = 0; k < 8; ++k) progress.LevelPassed[k] = kTrue;
    app::showForm(Form4());
    QVERIFY(testing::saveShot(Form4(), QStringLiteral("form4_huge_title")));
    // The row shows as much of the cut title as fits; its tool tip holds the cut title.
    const QString cut = QString(199, QLatin1Char('W')) + QChar(0x2026);
    QCOMPARE(Form4()->row(0)->toolTip(), cut);
    QVERIFY(Form4()->row(0)->text().size() < cut.size());
    QCOMPARE(Form4()->row(1)->text(), QStringLiteral("Map 1"));
  }

 private:
  // "Play campain" after a player who had passed everything; gives the windows open afterwards.
  Forms logIn(const char* name, std::initializer_list<Answer> answers = {}) {
    game().profile.LevelPassed.fill(kTrue);
    game().profile.LevelStars.fill(kTrue);
    game().MapNumber = 9;
    dialogs_->script.inputs = {name};
    dialogs_->script.answers = answers;
    Form3()->Viesti_Click(0);
    settleEvents();
    return openForms();
  }
  Forms playOtherMap(const fs::path& file) {
    dialogs_->script.files = {file.string()};
    Form3()->Viesti_Click(1);
    settleEvents();
    return openForms();
  }
  Forms playOtherMap(const Level& l) {
    return playOtherMap(folder_->writeLevel({"Levels", "played.lev"}, l));
  }
  // The map selection of a new player, and "Play" on map 0.
  void openSelectionAndPlay() {
    dialogs_->script.inputs = {"Kalle"};
    dialogs_->script.answers = {Answer::kYes};
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
  // Opens the credits from the main menu; gives the lines of the data folder's text.
  QStringList openCredits() {
    app::showForm(Form3());
    Form3()->Viesti_Click(3);
    settleEvents();
    [] { QCOMPARE(openForms(), Forms{6}); }();
    return Form6()->dataFolderLabel()->text().split(QLatin1Char('\n'));
  }
  // The frame surrounds the row and is drawn in the row's colour.
  void expectFramed(int row, const QColor& colour) {
    const QRect frame = Form4()->frameRect();
    QCOMPARE(frame, QRect(Form4()->row(row)->pos(), QSize(Form4()->row(row)->width(), ui::px(255))));
    QCOMPARE(Form4()->grab().toImage().pixelColor(frame.topLeft() + QPoint(frame.width() / 2, 0)), colour);
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
  quobbles::FrontEndTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "frontend_windows_test.moc"
