// The map selection window: rows coloured by progress, the selection frame, keys while the list
// scrolls, playing a campaign map and coming back with Esc, maps that cannot be loaded, a
// missing campaign index, and progress kept when the profile cannot be written.
#include <QDir>
#include <QtTest>
#include <memory>

#include "board/board_window.h"
#include "frontend/caption_label_widget.h"
#include "frontend/main_menu_window.h"
#include "frontend/map_selection_window.h"
#include "frontend/profile_file.h"
#include "gui/support/program_folder_fixture.h"
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

const QColor kGreen(0, 255, 0), kAquamarine(0, 255, 170), kYellow(255, 255, 0), kRed(255, 0, 0),
    kDarkRed(128, 0, 0);

QColor colourOf(const QWidget* label) {
  return label->palette().color(QPalette::WindowText);
}

}  // namespace

class MapSelectionTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<testing::ProgramFolderFixture>();
    dialogs_ = std::make_unique<ui::ScriptedDialogsScope>();
    sharedGame().profile.PlayerName = "Kalle";
  }
  void cleanup() {
    dialogs_.reset();
    folder_.reset();
  }

  void aFreshProfileOpensTheFirstThreeMaps() {
    writeCampaign(10);
    ui::showForm(Form4());
    QVERIFY(testing::saveShot(Form4(), QStringLiteral("form4_fresh")));
    QCOMPARE(Form4()->windowTitle(), QStringLiteral("Quobbles - Select map"));
    QCOMPARE(Form4()->playerLabel()->text(), QStringLiteral("Kalle"));
    QCOMPARE(rowColours(), (QList<QColor>{kYellow, kYellow, kYellow, kRed, kRed}));
    QCOMPARE(Form4()->row(3)->text(), QStringLiteral("Map number 3"));
    expectFramed(0, kYellow);
    QTest::mouseClick(Form4()->row(4), Qt::LeftButton);  // locked
    expectFramed(0, kYellow);
    QCOMPARE(int(sharedGame().MapNumber), 0);
    QCOMPARE(dialogs_->script.asked.size(), std::size_t(0));
  }

  void passedMapsAreGreenAndAllStarsAquamarine() {
    writeCampaign(10);
    sharedGame().profile.LevelPassed[0] = kTrue;
    sharedGame().profile.LevelPassed[2] = kTrue;
    sharedGame().profile.LevelStars[2] = kTrue;
    ui::showForm(Form4());
    QCOMPARE(rowColours(), (QList<QColor>{kGreen, kYellow, kAquamarine, kYellow, kYellow}));
    QTest::mouseClick(Form4()->row(2), Qt::LeftButton);
    expectFramed(2, kAquamarine);
    QVERIFY(testing::saveShot(Form4(), QStringLiteral("form4_progress")));
    QCOMPARE(int(sharedGame().MapNumber), 2);
    Form4()->scrollBar()->setValue(1);  // dragged by one: map 5 is locked; the frame goes
    QCOMPARE(Form4()->row(4)->text(), QStringLiteral("Map number 5"));
    QCOMPARE(colourOf(Form4()->row(4)), kRed);
    QVERIFY(Form4()->frameRect().top() < 0);
    QCOMPARE(int(sharedGame().MapNumber), 2);
  }

  void keysScrollTheListUnderTheMiddleRow() {
    writeCampaign(256);
    sharedGame().profile.LevelPassed.fill(kTrue);
    ui::showForm(Form4());
    for (int i = 0; i < 7; ++i) QTest::keyClick(Form4(), Qt::Key_2);
    QCOMPARE(Form4()->scrollBar()->value(), 5);
    QCOMPARE(int(sharedGame().MapNumber), 7);
    expectFramed(2, kGreen);
    QTest::keyClick(Form4(), Qt::Key_8);
    QCOMPARE(Form4()->scrollBar()->value(), 4);
    QCOMPARE(int(sharedGame().MapNumber), 6);
    QCOMPARE(Form4()->row(2)->text(), QStringLiteral("Map number 6"));
  }

  void longTitlesAreCutToTheRoomBeforeTheScrollBar() {
    const std::string longTitle =
        "A title far too long for the list of the map selection window and cut at the bar";
    folder_->writeBytes({"Campain", "Campain.dat"}, Bytes(longTitle.begin(), longTitle.end()));
    ui::showForm(Form4());
    const QLabel* row = Form4()->row(0);
    QVERIFY(row->text().endsWith(QChar(0x2026)));
    QCOMPARE(row->toolTip(), QString::fromStdString(longTitle));
    QVERIFY(row->geometry().right() < Form4()->scrollBar()->x());
    QVERIFY(row->x() > 0);

    // Titles that fit stand whole, with the list moved left only as far as the longest needs.
    writeCampaign(3);
    ui::unloadForm(4);
    testing::settleEvents();
    ui::showForm(Form4());
    QCOMPARE(Form4()->row(0)->text(), QStringLiteral("Map number 0"));
    QVERIFY(Form4()->row(0)->x() <= ui::px(2400));
    QVERIFY(Form4()->row(0)->geometry().right() < Form4()->scrollBar()->x());
  }

  void playingAMapAndEscBringTheSelectionBackFramedInTheMiddle() {
    writeCampaign(12);
    for (int k = 0; k < 12; ++k) writeMap(k);
    for (int k = 0; k < 9; ++k) sharedGame().profile.LevelPassed[static_cast<std::size_t>(k)] = kTrue;
    sharedGame().MapNumber = 9;
    ui::showForm(Form4());
    QCOMPARE(Form4()->scrollBar()->value(), 7);
    expectFramed(2, kYellow);
    QTest::keyClick(Form4(), Qt::Key_Return);
    testing::settleEvents();
    QVERIFY(isOpen(1));
    QVERIFY(!ui::loadedForm(4));
    QCOMPARE(sharedGame().level.EditCode, 9);

    for (Qt::Key k : {Qt::Key_6, Qt::Key_6, Qt::Key_6}) QTest::keyClick(Form1(), k);
    const Bytes saved = folder_->readBytes({"Players", "Kalle.plr"});
    QCOMPARE(saved.size(), std::size_t(1031));
    QCOMPARE(int(saved[7 + 2 * 9]), 0xFF);  // LevelPassed(9)
    QTest::keyClick(Form1(), Qt::Key_Escape);
    testing::settleEvents();
    QVERIFY(isOpen(4));
    QVERIFY(!ui::loadedForm(1));
    QCOMPARE(Form4()->scrollBar()->value(), 7);
    QCOMPARE(Form4()->row(0)->text(), QStringLiteral("Map number 7"));
    expectFramed(2, kGreen);
    QCOMPARE(int(sharedGame().MapNumber), 9);
    QCOMPARE(int(sharedGame().PlayState), 0);
    QCOMPARE(sharedGame().level.EditCode, 0);  // the record was discarded
    QCOMPARE(dialogs_->script.asked.size(), std::size_t(0));
  }

  void aMapThatCannotBeLoadedKeepsTheSelectionOpen() {
    writeCampaign(3);
    writeMap(0, 5);     // stored with another map's code
    writeMap(1, 1, 0);  // not a campaign map
    ui::showForm(Form4());
    const auto play = [this](int map) {
      sharedGame().MapNumber = static_cast<uint8_t>(map);
      Form4()->Play_Click(0);
      testing::settleEvents();
      return dialogs_->script.asked.back();
    };
    for (int map : {0, 1}) {
      const ui::AskedDialog box = play(map);
      QCOMPARE(box.text, QStringLiteral("Map file corrupted!"));
      QCOMPARE(box.title, QStringLiteral("Error!"));
      QCOMPARE(box.icon, ui::Icon::kCritical);
      QVERIFY(box.systemModal);
    }
    QCOMPARE(play(2).text, QStringLiteral("Map file not found!"));
    QVERIFY(isOpen(4));
    QVERIFY(!ui::loadedForm(1));
    QCOMPARE(sharedGame().level.LevelStatus, kUnpassed);  // cleared
  }

  void aMissingIndexLeavesOnlyTheWayBack() {
    writeMap(0);
    ui::showForm(Form4());
    QCOMPARE(dialogs_->script.messages().size(), 1);
    QVERIFY(dialogs_->script.messages()[0].contains(QStringLiteral("Campain.dat cannot be read")));
    QCOMPARE(rowColours(), (QList<QColor>(kListRows, kDarkRed)));
    QVERIFY(testing::saveShot(Form4(), QStringLiteral("form4_no_index")));
    QTest::keyClick(Form4(), Qt::Key_Return);  // nothing to play
    QTest::mouseClick(Form4()->playLabel(0), Qt::LeftButton);
    testing::settleEvents();
    QVERIFY(!ui::loadedForm(1));
    QCOMPARE(dialogs_->script.messages().size(), 1);
    QTest::keyClick(Form4(), Qt::Key_Escape);
    testing::settleEvents();
    QVERIFY(isOpen(3));
    QVERIFY(!ui::loadedForm(4));

    // An index that is there but names no map is reported the same way.
    folder_->writeBytes({"Campain", "Campain.dat"}, {'\r', '\n'});
    ui::showForm(Form4());
    QVERIFY(dialogs_->script.messages().back().contains(QStringLiteral("names no maps")));
  }

  void progressThatCannotBeSavedIsKeptAndWrittenLater() {
    writeCampaign(3);
    for (int k = 0; k < 3; ++k) writeMap(k);
    fs::remove_all(folder_->folder("Players"));
    folder_->writeBytes({"Players"}, {'x'});  // a file in the folder's place
    ui::showForm(Form4());
    QTest::keyClick(Form4(), Qt::Key_Return);
    for (Qt::Key k : {Qt::Key_6, Qt::Key_6, Qt::Key_6}) QTest::keyClick(Form1(), k);
    QVERIFY(dialogs_->script.messages().back().contains(QStringLiteral("could not be saved")));
    QCOMPARE(sharedGame().profile.LevelPassed[0], kTrue);
    QTest::keyClick(Form1(), Qt::Key_Escape);  // the level's end goes on as usual
    testing::settleEvents();
    QVERIFY(isOpen(4));
    QCOMPARE(colourOf(Form4()->row(0)), kGreen);

    fs::remove(folder_->folder("Players"));
    QTest::keyClick(Form4(), Qt::Key_2);  // map 1
    QTest::keyClick(Form4(), Qt::Key_Return);
    for (Qt::Key k : {Qt::Key_2, Qt::Key_2, Qt::Key_6, Qt::Key_6, Qt::Key_6, Qt::Key_6})
      QTest::keyClick(Form1(), k);
    QCOMPARE(int(sharedGame().PlayState), 2);
    Outcome<Profile> saved = readProfile(folder_->folder("Players") / "Kalle.plr");
    QVERIFY(saved);
    QCOMPARE(saved.value->LevelPassed[0], kTrue);
    QCOMPARE(saved.value->LevelPassed[1], kTrue);
  }

 private:
  void writeCampaign(int maps) {
    std::string text;
    for (int i = 0; i < maps; ++i) text += "\"Map number " + std::to_string(i) + "\"\r\n";
    folder_->writeBytes({"Campain", "Campain.dat"}, Bytes(text.begin(), text.end()));
  }
  // Campaign map k: passed by 666 (map 1 by 226666), stored with the given code and status.
  void writeMap(int k, int code = -1, int16_t status = kCampaignMap) {
    Level level = k == 1 ? testing::levelFromPicture({".", ".", "....E"}, '#')
                         : testing::levelFromPicture({"...E"}, '#');
    level.EditCode = static_cast<int16_t>(code < 0 ? k : code);
    level.LevelStatus = status;
    folder_->writeLevel({"Campain", "Map" + std::to_string(k) + ".lev"}, level);
  }
  QList<QColor> rowColours() const {
    QList<QColor> out;
    for (int i = 0; i < kListRows; ++i) out << colourOf(Form4()->row(i));
    return out;
  }
  void expectFramed(int row, const QColor& colour) {
    const QRect frame = Form4()->frameRect();
    const QRect label = Form4()->row(row)->geometry();
    QCOMPARE(frame.topLeft(), label.topLeft());
    QCOMPARE(frame.width(), label.width());
    QCOMPARE(frame.height(), ui::px(255));
    QCOMPARE(Form4()->selection().frameRow, row);
    // The frame is drawn in the row's colour.
    QCOMPARE(Form4()->grab().toImage().pixelColor(frame.topLeft() + QPoint(frame.width() / 2, 0)), colour);
  }

  std::unique_ptr<testing::ProgramFolderFixture> folder_;
  std::unique_ptr<ui::ScriptedDialogsScope> dialogs_;
};

}  // namespace quobbles

QTEST_MAIN(quobbles::MapSelectionTest)
#include "frontend_map_selection_test.moc"
