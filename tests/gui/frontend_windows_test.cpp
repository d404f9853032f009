// The front end's windows from the main menu on: the menu's keys and the figure beside the
// highlighted item, the editor gate, logging in (new, existing, refused and damaged players), the
// map selection with its colours, frame and keys down to a campaign map and back with Esc, maps
// and a campaign index that cannot be read, progress that cannot be saved, "Play other maps" with
// campaign, never passed, passed and unreadable level files and the board's write-back, the help
// windows, the credits and the note for level makers.
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

bool contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

bool nobodyLoggedIn() {
  return sharedSession().game.profile == Profile{} && sharedSession().game.LoginName.empty() &&
         sharedSession().game.MapNumber == 0;
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
    QCOMPARE(dialogs_->script.asked.back().title, "Not yet!");
    QCOMPARE(openForms(), Forms{3});
    QCOMPARE(logIn("ABC"), Forms{4});  // found whatever the case; the stored name is shown
    QCOMPARE(Form4()->playerLabel()->text(), QStringLiteral("abc"));
    QVERIFY(sharedSession().game.profile == veteran);
    QCOMPARE(int(sharedSession().game.MapNumber), 0);
    pressKeys(Form4(), {Qt::Key_Escape});
    pressKeys(Form3(), {Qt::Key_2, Qt::Key_2, Qt::Key_Return});
    QCOMPARE(openForms(), Forms{2});
  }

  void aLogInThatFailsKeepsTheMenu() {
    QCOMPARE(logIn(""), Forms{3});  // cancelled
    QCOMPARE(logIn("../x", {Answer::kYes}), Forms{3});
    QVERIFY(contains(dialogs_->script.messages().back(), "cannot be used as a player name"));
    QVERIFY(nobodyLoggedIn());
    QCOMPARE(logIn("J\xC3\xB6rg", {Answer::kYes}), Forms{4});  // a new player
    QCOMPARE(Form4()->playerLabel()->text(), QStringLiteral("J\u00F6rg"));
  }

  void escFromACampaignMapBringsTheSelectionBackFramedInTheMiddle() {
    for (int16_t k : {9, 10})
      folder_->writeLevel({"Campain", "Map" + std::to_string(k) + ".lev"}, walkRight(kCampaignMap, k));
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
    QCOMPARE(progress.LevelPassed[9], kTrue);
    QCOMPARE(folder_->readBytes({"Players", "Kalle.plr"}), encodeProfile(progress));
    pressKeys(Form1(), {Qt::Key_Escape});
    QCOMPARE(openForms(), Forms{4});
    QCOMPARE(Form4()->row(3)->text(), QStringLiteral("Map number 10"));  // whole: the list moves left
    expectFramed(2, kGreen);
    QVERIFY(sharedSession().game.level == Level{});  // the record was discarded

    // Progress that cannot be saved is reported and kept in memory; the level's end goes on.
    fs::remove_all(folder_->folder("Players"));
    folder_->writeBytes({"Players"}, {'x'});  // a file in the folder's place
    pressKeys(Form4(), {Qt::Key_2, Qt::Key_Return});
    pressKeys(Form1(), {Qt::Key_6, Qt::Key_6, Qt::Key_6, Qt::Key_Escape});
    QVERIFY(contains(dialogs_->script.messages().back(), "could not be saved"));
    QCOMPARE(openForms(), Forms{4});
    QCOMPARE(rowColours()[2], kGreen);  // map 10
  }

  void mapsAndAnIndexThatCannotBeReadAreNotPlayed() {
    folder_->writeLevel({"Campain", "Map0.lev"}, walkRight(kCampaignMap, 5));  // another map's code
    folder_->writeLevel({"Campain", "Map1.lev"}, walkRight(kPassed, 1));       // not a campaign map
    QCOMPARE(logIn("Kalle", {Answer::kYes}), Forms{4});
    for (int map : {0, 1, 2}) {
      sharedSession().game.MapNumber = static_cast<uint8_t>(map);
      pressKeys(Form4(), {Qt::Key_Return});
      QCOMPARE(dialogs_->script.messages().back(), map < 2 ? "Map file corrupted!" : "Map file not found!");
      QCOMPARE(openForms(), Forms{4});
      QVERIFY(sharedSession().game.level == Level{});  // cleared
    }

    // Without the campaign index: a message, "---" rows, and "Play" says there is nothing to play.
    pressKeys(Form4(), {Qt::Key_Escape});
    fs::remove(folder_->folder("Campain") / "Campain.dat");
    folder_->writeLevel({"Campain", "Map0.lev"}, walkRight(kCampaignMap));
    QCOMPARE(logIn("Kalle"), Forms{4});
    QVERIFY(contains(dialogs_->script.messages().back(), "Campain.dat cannot be read"));
    QCOMPARE(rowColours(), (QList<QColor>(kListRows, kDarkRed)));
    QCOMPARE(Form4()->row(0)->text(), QStringLiteral("---"));
    const std::size_t messages = dialogs_->script.messages().size();
    QTest::mouseClick(Form4()->playLabel(0), Qt::LeftButton);
    pressKeys(Form4(), {Qt::Key_Return});
    QCOMPARE(dialogs_->script.messages().size(), messages + 2);
    QCOMPARE(dialogs_->script.messages().back(), kNoCampaign);
    QCOMPARE(openForms(), Forms{4});
  }

  void otherMapsThatAreRefusedKeepTheMenu() {
    const fs::path campaign = folder_->writeLevel({"Levels", "campaign.lev"}, walkRight(kCampaignMap));
    QCOMPARE(playOtherMap(campaign), Forms{3});
    QCOMPARE(dialogs_->script.messages().back(), "This is campain map. -Ha! Don't you think it's that easy!");
  }

  void otherMapsWarnsPlaysAndMarksTheFileAsPassed() {
    const fs::path file = folder_->writeLevel({"Levels", "mine.lev"}, walkRight(kUnpassed));
    Bytes expected = folder_->readBytes({"Levels", "mine.lev"});
    expected[2 + 2] = kPassed;  // the status word after the length of the empty name and the edit code
    QCOMPARE(playOtherMap(file), Forms{1});
    QCOMPARE(dialogs_->script.asked.front().text, "Levels (*.lev)");
    QCOMPARE(dialogs_->script.asked.back().title, "Warning!");
    QVERIFY(dialogs_->script.messages().back().starts_with("No one has ever passed this version"));
    pressKeys(Form1(), {Qt::Key_6, Qt::Key_6, Qt::Key_6, Qt::Key_Escape});
    QCOMPARE(openForms(), Forms{3});
    QCOMPARE(folder_->readBytes({"Levels", "mine.lev"}), expected);
    QVERIFY(fs::is_empty(folder_->folder("Players")));  // no campaign progress from a level file

    // A write-back that cannot be made is reported, and the menu still opens.
    const fs::path gone = folder_->writeLevel({"Levels", "gone.lev"}, walkRight(kUnpassed));
    QCOMPARE(playOtherMap(gone), Forms{1});
    fs::remove(gone);
    pressKeys(Form1(), {Qt::Key_6, Qt::Key_6, Qt::Key_6, Qt::Key_Escape});
    QVERIFY(contains(dialogs_->script.messages().back(), "could not be marked as passed"));
    QCOMPARE(openForms(), Forms{3});
  }

  void theHelpWindowsPassKeysOnAndCloseWithSpaceOrEsc() {
    const fs::path passed = folder_->writeLevel({"Levels", "a.lev"}, walkRight(kPassed, 0, "......E"));
    QCOMPARE(playOtherMap(passed), Forms{1});
    QVERIFY(dialogs_->script.messages().empty());  // a passed level plays at once
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
