// The main menu: its keys and the figure beside the highlighted item, the mouse, the editor
// gate, "Exit", logging in from "Play campain", and "Play other maps" with campaign, never
// passed, passed and unreadable level files, down to the board's Esc and its write-back.
#include <sys/stat.h>

#include <QDir>
#include <QtTest>
#include <memory>

#include "board/board_window.h"
#include "frontend/caption_label_widget.h"
#include "frontend/main_menu_window.h"
#include "frontend/map_selection_window.h"
#include "frontend/profile_file.h"
#include "gui/support/program_folder_fixture.h"
#include "state/tiles.h"
#include "support/ascii_map.h"
#include "ui/forms.h"
#include "ui/scripted_dialogs.h"
#include "ui/twips.h"

namespace quobbles {

namespace {

namespace fs = std::filesystem;

bool isOpen(int form) {
  return ui::loadedForm(form) && ui::loadedForm(form)->isVisible();
}

// A level passed with three steps right.
Level shortLevel(int16_t status) {
  Level level = testing::levelFromPicture({"...E"});
  level.LevelName = "Short";
  level.LevelStatus = status;
  return level;
}

ino_t inodeOf(const fs::path& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

}  // namespace

class MainMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<testing::ProgramFolderFixture>();
    dialogs_ = std::make_unique<ui::ScriptedDialogsScope>();
    sharedMainMenu() = MainMenuVariables{};
    folder_->writeBytes({"Campain", "Campain.dat"}, {'A', '\r', '\n', 'B', '\r', '\n', 'C', '\r', '\n'});
  }
  void cleanup() {
    dialogs_.reset();
    folder_.reset();
  }

  void keysMoveTheFigureAndWrapRound() {
    ui::showForm(Form3());
    QVERIFY(testing::saveShot(Form3(), QStringLiteral("form3_main_menu")));
    QCOMPARE(Form3()->windowTitle(), QStringLiteral("Quobbles - Main Menu"));
    const auto figureBeside = [](int item) {
      const QWidget* label = Form3()->item(item);
      return Form3()->figure()->pos() == QPoint(label->x() - ui::px(690), label->y() - ui::px(120));
    };
    QVERIFY(figureBeside(0));
    QTest::keyClick(Form3(), Qt::Key_8);  // up from the top wraps to "Exit"
    QCOMPARE(sharedMainMenu().MenuChoice, 4);
    QVERIFY(figureBeside(4));
    QTest::keyClick(Form3(), Qt::Key_2);  // down from "Exit" wraps to the top
    QCOMPARE(sharedMainMenu().MenuChoice, 0);
    QTest::keyClick(Form3(), Qt::Key_2);
    QTest::keyClick(Form3(), Qt::Key_2);
    QTest::keyClick(Form3(), Qt::Key_Q);  // ignored
    QCOMPARE(sharedMainMenu().MenuChoice, 2);
    QVERIFY(figureBeside(2));

    // The highlight survives closing and opening the menu.
    ui::unloadForm(3);
    testing::settleEvents();
    ui::showForm(Form3());
    QVERIFY(figureBeside(2));
    QCOMPARE(sharedMainMenu().MenuChoice, 2);
  }

  void mouseHighlightsAndEnterRunsTheHighlightedItem() {
    ui::showForm(Form3());
    QTest::mouseMove(Form3()->item(3));
    QTRY_COMPARE(sharedMainMenu().MenuChoice, 3);
    QTest::keyClick(Form3(), Qt::Key_Return);
    testing::settleEvents();
    QVERIFY(isOpen(6));  // the credits
    QVERIFY(!ui::loadedForm(3));
  }

  void escHighlightsExitAndEnterEndsTheProgram() {
    ui::showForm(Form3());
    QTest::keyClick(Form3(), Qt::Key_Escape);
    QCOMPARE(sharedMainMenu().MenuChoice, 4);
    QVERIFY(isOpen(3));
    QTest::keyClick(Form3(), Qt::Key_Return);
    testing::settleEvents();
    for (int n = 1; n <= 9; ++n) QVERIFY(!ui::loadedForm(n));
  }

  void theEditorOpensOnlyAfterLoggingInAsAPlayerWhoPassedMap16() {
    Profile veteran;
    veteran.PlayerName = "abc";
    veteran.LevelPassed[16] = kTrue;
    QCOMPARE(writeProfile(folder_->folder("Players") / "abc.plr", veteran), std::string());
    ui::showForm(Form3());
    Form3()->Viesti_Click(2);
    QCOMPARE(dialogs_->script.asked.size(), std::size_t(1));
    const ui::AskedDialog& gate = dialogs_->script.asked[0];
    QCOMPARE(gate.title, QStringLiteral("Not yet!"));
    QCOMPARE(gate.text,
             QStringLiteral("To get edit your own maps you need to pass level number 16: 'Trip to the "
                            "Garden'. If you are already passed it enter to play campain and come back "
                            "to enter to the MAP EDITOR."));
    QVERIFY(gate.systemModal);
    QCOMPARE(gate.icon, ui::Icon::kNone);
    QVERIFY(isOpen(3));

    // "Play campain" as ABC finds abc.plr and shows the stored name.
    dialogs_->script.inputs = {QStringLiteral("ABC")};
    Form3()->Viesti_Click(0);
    testing::settleEvents();
    QVERIFY(isOpen(4));
    QVERIFY(!ui::loadedForm(3));
    QCOMPARE(Form4()->playerLabel()->text(), QStringLiteral("abc"));
    QTest::keyClick(Form4(), Qt::Key_Escape);
    testing::settleEvents();
    QVERIFY(isOpen(3));
    Form3()->Viesti_Click(2);
    testing::settleEvents();
    QVERIFY(isOpen(2));
    QVERIFY(!ui::loadedForm(3));
  }

  void playCampainCreatesANewPlayerOrStaysWhenItCannot() {
    ui::showForm(Form3());
    sharedGame().profile.LevelPassed.fill(kTrue);  // left by an earlier player
    dialogs_->script.inputs = {QStringLiteral("Kalle")};
    dialogs_->script.answers = {ui::Answer::kNo};
    QTest::keyClick(Form3(), Qt::Key_Return);
    const ui::AskedDialog& question = dialogs_->script.asked.back();
    QCOMPARE(question.text, QStringLiteral("Player Kalle not found. Do you want to create a new player?"));
    QCOMPARE(question.title, QStringLiteral("Loging:"));
    QCOMPARE(question.buttons, ui::Buttons::kYesNo);
    QCOMPARE(question.icon, ui::Icon::kQuestion);
    QVERIFY(question.systemModal);
    QCOMPARE(dialogs_->script.asked.front().text, QStringLiteral("Enter your player name:"));
    QVERIFY(isOpen(3));
    QVERIFY(sharedGame().profile == Profile{});

    // Players cannot be written: a clear message, and the menu stays.
    fs::remove_all(folder_->folder("Players"));
    folder_->writeBytes({"Players"}, {'x'});
    dialogs_->script.inputs = {QStringLiteral("Kalle")};
    dialogs_->script.answers = {ui::Answer::kYes};
    QTest::keyClick(Form3(), Qt::Key_Return);
    QVERIFY(dialogs_->script.messages().back().contains(QStringLiteral("could not be saved")));
    QVERIFY(isOpen(3));
    QVERIFY(!ui::loadedForm(4));

    // A missing Players folder is made.
    fs::remove(folder_->folder("Players"));
    dialogs_->script.inputs = {QStringLiteral("Kalle")};
    dialogs_->script.answers = {ui::Answer::kYes};
    QTest::keyClick(Form3(), Qt::Key_Return);
    testing::settleEvents();
    QVERIFY(isOpen(4));
    QCOMPARE(folder_->readBytes({"Players", "Kalle.plr"}).size(), std::size_t(1031));
    QCOMPARE(Form4()->playerLabel()->text(), QStringLiteral("Kalle"));
  }

  void otherMapsRefusesCampaignMapsAndUnreadableFiles() {
    folder_->writeLevel({"Levels", "campaign.lev"}, shortLevel(kCampaignMap));
    folder_->writeLevel({"Levels", "odd.lev"}, shortLevel(7));
    Bytes cut = folder_->readBytes({"Levels", "campaign.lev"});
    cut.resize(100);
    folder_->writeBytes({"Levels", "short.lev"}, cut);
    Level badSquare = shortLevel(kUnpassed);
    folder_->writeLevel({"Levels", "bad.lev"}, badSquare);
    Bytes bad = folder_->readBytes({"Levels", "bad.lev"});
    bad[6 + 5 + 10] = 17;  // not a tile code
    folder_->writeBytes({"Levels", "bad.lev"}, bad);

    ui::showForm(Form3());
    // Cancel: nothing happens; the dialog asked for level files in the Levels folder.
    Form3()->Viesti_Click(1);
    const ui::AskedDialog& dialog = dialogs_->script.asked.back();
    QCOMPARE(dialog.kind, ui::AskedDialog::Kind::kOpenFile);
    QCOMPARE(dialog.text, QStringLiteral("Levels (*.lev)"));
    QCOMPARE(QDir(dialog.title).canonicalPath(),
             QDir(QString::fromStdString(folder_->folder("Levels").string())).canonicalPath());
    QCOMPARE(dialogs_->script.messages().size(), 0);

    // Chooses a file, and tells what the menu said if it refused the file and cleared the record.
    const auto refused = [this](const char* file) -> QString {
      sharedGame().level = shortLevel(kUnpassed);  // whatever was in the record before
      const fs::path path = folder_->folder("Levels") / file;
      dialogs_->script.files = {QString::fromStdString(path.string())};
      Form3()->Viesti_Click(1);
      testing::settleEvents();
      const bool stayed = isOpen(3) && !ui::loadedForm(1);
      const bool cleared = sharedGame().level.LevelName.empty() && sharedGame().code(3, 0) == tile::Empty;
      if (!stayed || !cleared || sharedGame().LevelPath != path.string())
        return QStringLiteral("(not refused)");
      return dialogs_->script.asked.back().text;
    };
    QCOMPARE(refused("campaign.lev"),
             QStringLiteral("This is campain map. -Ha! Don't you think it's that easy!"));
    const ui::AskedDialog refusal = dialogs_->script.asked.back();
    QCOMPARE(refusal.title, QString());
    QCOMPARE(refusal.icon, ui::Icon::kNone);
    QVERIFY(refusal.systemModal);
    QVERIFY(refused("odd.lev").contains(QStringLiteral("status value is 7")));
    QVERIFY(refused("short.lev").contains(QStringLiteral("too short")));
    QVERIFY(refused("bad.lev").contains(QStringLiteral("unknown square code 17")));
    QCOMPARE(dialogs_->script.asked.back().title, QStringLiteral("Error!"));
    QVERIFY(refused("missing.lev").contains(QStringLiteral("does not exist")));
    fs::create_directories(folder_->folder("Levels") / "folder.lev");
    QVERIFY(refused("folder.lev").contains(QStringLiteral("folder")));
  }

  void otherMapsWarnsPlaysAndMarksTheFirstPassOnce() {
    const fs::path file = folder_->writeLevel({"Levels", "mine.lev"}, shortLevel(kUnpassed));
    const Bytes before = folder_->readBytes({"Levels", "mine.lev"});
    sharedGame().MapNumber = 1;
    ui::showForm(Form3());
    dialogs_->script.files = {QString::fromStdString(file.string())};
    Form3()->Viesti_Click(1);
    testing::settleEvents();
    const ui::AskedDialog& warning = dialogs_->script.asked.back();
    QCOMPARE(warning.title, QStringLiteral("Warning!"));
    QVERIFY(warning.text.startsWith(
        QStringLiteral("No one has ever passed this version of this level! This message")));
    QVERIFY(warning.text.endsWith(QStringLiteral("even if it may make your brain suffer!")));
    QCOMPARE(warning.icon, ui::Icon::kCritical);
    QVERIFY(isOpen(1));
    QVERIFY(!ui::loadedForm(3));
    QCOMPARE(sharedGame().EditorTestPlay, kFalse);

    for (Qt::Key k : {Qt::Key_6, Qt::Key_6, Qt::Key_6}) QTest::keyClick(Form1(), k);
    QCOMPARE(int(sharedGame().PlayState), 2);
    // No campaign progress from a level file, and no profile written.
    QVERIFY(sharedGame().profile == Profile{});
    QVERIFY(fs::is_empty(folder_->folder("Players")));
    QTest::keyClick(Form1(), Qt::Key_Escape);
    testing::settleEvents();
    QVERIFY(isOpen(3));
    QVERIFY(!ui::loadedForm(1));
    QCOMPARE(int(sharedGame().PlayState), 0);
    Bytes expected = before;
    expected[2 + 5 + 2] = kPassed;  // the status word after the name and the edit code
    QCOMPARE(folder_->readBytes({"Levels", "mine.lev"}), expected);

    // Now passed: played without a message, and passing it again writes nothing.
    const ino_t written = inodeOf(file);
    const std::size_t asked = dialogs_->script.messages().size();
    dialogs_->script.files = {QString::fromStdString(file.string())};
    Form3()->Viesti_Click(1);
    testing::settleEvents();
    QCOMPARE(dialogs_->script.messages().size(), asked);
    QVERIFY(isOpen(1));
    for (Qt::Key k : {Qt::Key_6, Qt::Key_6, Qt::Key_6, Qt::Key_Escape}) QTest::keyClick(Form1(), k);
    testing::settleEvents();
    QVERIFY(isOpen(3));
    QCOMPARE(inodeOf(file), written);
    QCOMPARE(folder_->readBytes({"Levels", "mine.lev"}), expected);
  }

  void aPassedTestPlayRecordsNothingAndEscReturnsToTheEditor() {
    Level level = shortLevel(kUnpassed);
    level.LevelName = "Test";
    folder_->writeLevel({"Levels", "Test.lev"}, level);
    const Bytes before = folder_->readBytes({"Levels", "Test.lev"});
    sharedGame().level = level;
    sharedGame().EditorTestPlay = kTrue;
    sharedGame().profile.PlayerName = "Kalle";
    ui::showForm(Form1());
    for (Qt::Key k : {Qt::Key_6, Qt::Key_6, Qt::Key_6}) QTest::keyClick(Form1(), k);
    QCOMPARE(int(sharedGame().PlayState), 2);
    QTest::keyClick(Form1(), Qt::Key_Escape);
    testing::settleEvents();
    QVERIFY(isOpen(2));
    QVERIFY(!ui::loadedForm(1));
    QCOMPARE(int(sharedGame().PlayState), 0);
    QCOMPARE(sharedGame().profile.LevelPassed[0], 0);
    QVERIFY(fs::is_empty(folder_->folder("Players")));
    QCOMPARE(folder_->readBytes({"Levels", "Test.lev"}), before);  // no write-back either
  }

  void aWriteBackThatFailsIsReportedAndTheMenuStillOpens() {
    const fs::path file = folder_->writeLevel({"Levels", "gone.lev"}, shortLevel(kUnpassed));
    ui::showForm(Form3());
    dialogs_->script.files = {QString::fromStdString(file.string())};
    Form3()->Viesti_Click(1);
    testing::settleEvents();
    fs::remove(file);  // removed during play
    for (Qt::Key k : {Qt::Key_6, Qt::Key_6, Qt::Key_6, Qt::Key_Escape}) QTest::keyClick(Form1(), k);
    testing::settleEvents();
    QVERIFY(dialogs_->script.messages().back().contains(QStringLiteral("could not be marked as passed")));
    QVERIFY(isOpen(3));
    QVERIFY(!ui::loadedForm(1));
    QVERIFY(!fs::exists(file));
  }

 private:
  std::unique_ptr<testing::ProgramFolderFixture> folder_;
  std::unique_ptr<ui::ScriptedDialogsScope> dialogs_;
};

}  // namespace quobbles

QTEST_MAIN(quobbles::MainMenuTest)
#include "frontend_main_menu_test.moc"
