// The front end's windows from the main menu on (the flows behind them have engine tests): the
// menu's keys and the figure beside the highlighted item, which window each way opens (the editor
// gate, logging in, "Play other maps", a campaign map and back with Esc), the map selection's
// colours and frame, the help windows that pass keys on to the board, the credits and the note.
#include <QtTest>
#include <optional>

#include "app/forms.h"
#include "board/session.h"
#include "frontend/help_text.h"
#include "gui/support/program_folder_fixture.h"
#include "gui/support/prompts_scope.h"
#include "state/profile_file.h"
#include "support/ascii_map.h"
#include "ui/caption_label.h"
#include "ui/twips.h"
#include "windows/board_window.h"
#include "windows/credits_window.h"
#include "windows/help_window.h"
#include "windows/main_menu_window.h"
#include "windows/map_selection_window.h"
#include "windows/message_window.h"

namespace quobbles {

namespace {

namespace fs = std::filesystem;
using Forms = QList<int>;
using testing::openForms;
using testing::pressKeys;

const QColor kGreen(0, 255, 0), kAquamarine(0, 255, 170), kYellow(255, 255, 0), kRed(255, 0, 0),
    kDarkRed(128, 0, 0);

// A level whose exit the player reaches by walking right.
Level walkRight(int16_t status, int16_t editCode = 0, const char* picture = "...E") {
  Level level = testing::levelFromPicture({picture});
  level.EditCode = editCode;
  level.LevelStatus = status;
  return level;
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
  void init() {
    folder_.emplace();
    dialogs_.emplace();
    sharedMainMenu() = MainMenuVariables{};
    std::string index;
    for (int i = 0; i < 14; ++i) index += "\"Map number " + std::to_string(i) + "\"\r\n";
    folder_->writeBytes({"Campain", "Campain.dat"}, Bytes(index.begin(), index.end()));
    app::showForm(Form3());
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
    const std::pair<Qt::Key, int> steps[] = {{Qt::Key_8, 4},      {Qt::Key_2, 0}, {Qt::Key_Q, 0},
                                             {Qt::Key_Escape, 4}, {Qt::Key_2, 0}, {Qt::Key_2, 1}};
    for (const auto& [key, item] : steps) {
      pressKeys(Form3(), {key});
      QCOMPARE(highlighted(), item);
    }
    QTest::mouseMove(Form3()->item(3));
    QTRY_COMPARE(highlighted(), 3);
    pressKeys(Form3(), {Qt::Key_Escape, Qt::Key_Return});
    QCOMPARE(openForms(), Forms{});
  }

  void theEditorOpensOnlyAfterLoggingInAsAPlayerWhoPassedMap16() {
    Profile veteran{"abc"};
    veteran.LevelPassed[16] = kTrue;
    QCOMPARE(writeProfile(folder_->folder("Players") / "abc.plr", veteran), std::string());
    Form3()->Viesti_Click(2);
    QCOMPARE(openForms(), Forms{3});                           // "Not yet!"
    QCOMPARE(logIn(""), Forms{3});                             // cancelled
    QCOMPARE(logIn("J\xC3\xB6rg", {Answer::kYes}), Forms{4});  // a new player
    QCOMPARE(Form4()->playerLabel()->text(), QStringLiteral("J\u00F6rg"));
    pressKeys(Form4(), {Qt::Key_Escape});
    QCOMPARE(logIn("ABC"), Forms{4});  // found whatever the case; the stored name is shown
    QCOMPARE(Form4()->playerLabel()->text(), QStringLiteral("abc"));
    pressKeys(Form4(), {Qt::Key_Escape});
    pressKeys(Form3(), {Qt::Key_2, Qt::Key_2, Qt::Key_Return});
    QCOMPARE(openForms(), Forms{2});
  }

  void escFromACampaignMapBringsTheSelectionBackFramedInTheMiddle() {
    folder_->writeLevel({"Campain", "Map9.lev"}, walkRight(kCampaignMap, 9));
    folder_->writeLevel({"Campain", "Map10.lev"}, walkRight(kCampaignMap, 5));  // another map's code
    Profile& progress = sharedSession().game.profile;
    progress.PlayerName = "Kalle";
    for (std::size_t k = 0; k < 9; ++k) progress.LevelPassed[k] = kTrue;
    progress.LevelStars[8] = kTrue;
    sharedSession().game.MapNumber = 9;
    app::unloadForm(3);
    app::showForm(Form4());
    QVERIFY(testing::saveShot(Form4(), QStringLiteral("form4_map_selection")));
    pressKeys(Form4(), {Qt::Key_2});  // the list scrolls under the middle row: maps 8 .. 12
    QCOMPARE(rowColours(), (QList<QColor>{kAquamarine, kYellow, kYellow, kYellow, kRed}));
    QTest::mouseClick(Form4()->row(0), Qt::LeftButton);
    QTest::mouseClick(Form4()->row(4), Qt::LeftButton);  // locked: ignored
    expectFramed(0, kAquamarine);
    pressKeys(Form4(), {Qt::Key_8, Qt::Key_Return});  // scrolls back and selects map 9, then plays it
    QCOMPARE(openForms(), Forms{1});
    pressKeys(Form1(), {Qt::Key_6, Qt::Key_6, Qt::Key_6});
    QCOMPARE(folder_->readBytes({"Players", "Kalle.plr"}), encodeProfile(progress));  // the pass is saved
    QCOMPARE(progress.LevelPassed[9], kTrue);
    pressKeys(Form1(), {Qt::Key_Escape});
    QCOMPARE(openForms(), Forms{4});
    QCOMPARE(Form4()->row(3)->text(), QStringLiteral("Map number 10"));  // whole: the list moves left
    expectFramed(2, kGreen);

    // A map that cannot be played keeps the selection open.
    pressKeys(Form4(), {Qt::Key_2, Qt::Key_Return});
    QCOMPARE(dialogs_->script.messages().back(), "Map file corrupted!");
    QCOMPARE(openForms(), Forms{4});
  }

  void withoutTheCampaignIndexTheRowsAreDarkAndPlayOpensNothing() {
    fs::remove(folder_->folder("Campain") / "Campain.dat");
    folder_->writeLevel({"Campain", "Map0.lev"}, walkRight(kCampaignMap));
    QCOMPARE(logIn("Kalle", {Answer::kYes}), Forms{4});
    QCOMPARE(rowColours(), (QList<QColor>(kListRows, kDarkRed)));
    QCOMPARE(Form4()->row(0)->text(), QStringLiteral("---"));
    QTest::mouseClick(Form4()->playLabel(0), Qt::LeftButton);
    QCOMPARE(dialogs_->script.messages().back(), kNoCampaign);
    QCOMPARE(openForms(), Forms{4});
  }

  void otherMapsOpenTheBoardWhoseHelpWindowsPassKeysOnAndCloseWithSpaceOrEsc() {
    const fs::path campaign = folder_->writeLevel({"Levels", "campaign.lev"}, walkRight(kCampaignMap));
    QCOMPARE(playOtherMap(campaign), Forms{3});  // refused
    const fs::path passed = folder_->writeLevel({"Levels", "a.lev"}, walkRight(kPassed, 0, "......E"));
    QCOMPARE(playOtherMap(passed), Forms{1});
    pressKeys(Form1(), {Qt::Key_Space});
    QCOMPARE(openForms(), (Forms{1, 5, 7}));
    QVERIFY(testing::saveShot(app::loadedForm(5), QStringLiteral("form5_help")));
    QVERIFY(testing::saveShot(app::loadedForm(7), QStringLiteral("form7_texture_help")));
    QCOMPARE(Form5()->textBox()->toPlainText(), QString::fromStdString(helpText()).replace("\r\n", "\n"));
    // The text box has the focus in the help window: its keys still reach the board.
    pressKeys(Form5()->textBox(), {Qt::Key_6, Qt::Key_Space});
    QCOMPARE(sharedSession().game.PlayerPos.x, 1);
    QCOMPARE(openForms(), (Forms{1, 7}));
    pressKeys(app::loadedForm(7), {Qt::Key_6, Qt::Key_Space});
    QCOMPARE(sharedSession().game.PlayerPos.x, 2);
    QCOMPARE(openForms(), Forms{1});
    pressKeys(Form1(), {Qt::Key_Space});
    pressKeys(Form5()->textBox(), {Qt::Key_Escape});  // leaves the board
    QCOMPARE(openForms(), Forms{3});
  }

  void anyKeyThePictureOrBackLeaveTheCredits() {
    // Ways 0 .. 2 are keys (Esc, Space, a letter), 3 a click on the picture, 4 one on "Back".
    for (int way = 0; way < 5; ++way) {
      Form3()->Viesti_Click(3);
      testing::settleEvents();
      QCOMPARE(openForms(), Forms{6});
      QVERIFY(testing::saveShot(Form6(), QStringLiteral("form6_credits")));
      if (way < 3)
        QTest::keyClick(Form6(), std::array{Qt::Key_Escape, Qt::Key_Space, Qt::Key_Q}[way]);
      else
        QTest::mouseClick(way == 3 ? Form6()->picture() : Form6()->backLabel(), Qt::LeftButton);
      testing::settleEvents();
      QVERIFY2(openForms() == Forms{3}, std::to_string(way).c_str());
    }
  }

  void theNoteClosesOnAClickOrWhenAnotherWindowTakesTheFocus() {
    app::showForm(Form9());
    QVERIFY(testing::saveShot(Form9(), QStringLiteral("form9_message")));
    QTest::mouseClick(Form9()->text(1), Qt::LeftButton);
    testing::settleEvents();
    QCOMPARE(openForms(), Forms{3});
    app::showForm(Form9());
    QVERIFY(QTest::qWaitForWindowActive(Form9()));
    Form3()->activateWindow();
    QTRY_COMPARE(openForms(), Forms{3});
  }

 private:
  // "Play campain" after a player who had passed everything; gives the windows open afterwards.
  Forms logIn(const char* name, std::initializer_list<Answer> answers = {}) {
    sharedSession().game.profile.LevelPassed.fill(kTrue);
    sharedSession().game.profile.LevelStars.fill(kTrue);
    sharedSession().game.MapNumber = 9;
    dialogs_->script.inputs = {name};
    dialogs_->script.answers = answers;
    Form3()->Viesti_Click(0);
    testing::settleEvents();
    return openForms();
  }
  Forms playOtherMap(const fs::path& file) {
    dialogs_->script.files = {file.string()};
    Form3()->Viesti_Click(1);
    testing::settleEvents();
    return openForms();
  }
  // The frame surrounds the row and is drawn in the row's colour.
  void expectFramed(int row, const QColor& colour) {
    const QRect frame = Form4()->frameRect();
    QCOMPARE(frame, QRect(Form4()->row(row)->pos(), QSize(Form4()->row(row)->width(), ui::px(255))));
    QCOMPARE(Form4()->grab().toImage().pixelColor(frame.topLeft() + QPoint(frame.width() / 2, 0)), colour);
  }

  std::optional<testing::ProgramFolderFixture> folder_;
  std::optional<testing::ScriptedPromptsScope> dialogs_;
};

}  // namespace quobbles

QTEST_MAIN(quobbles::FrontEndTest)
#include "frontend_windows_test.moc"
