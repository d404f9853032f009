// Input that is far too long: the log-in name box takes no more characters than the editor's
// name box, however many keys are pressed, and a campaign index with a title of four million
// characters opens a map selection that shows the title cut.
#include <QInputDialog>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include "app/forms.h"
#include "board/session.h"
#include "frontend/campaign_index.h"
#include "frontend/login.h"
#include "gui/support/program_folder_fixture.h"
#include "state/file_names.h"
#include "ui/caption_label.h"
#include "ui/qt_prompts.h"
#include "windows/map_selection_window.h"

namespace quobbles {

class LongInputTest : public QObject {
  Q_OBJECT

 private slots:
  void theLogInNameBoxTakesNoMoreThanTheEditorsNameBox() {
    // While the box is open: 200 keys are typed into it, and it is accepted.
    int limit = -1;
    QString held;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
      QLineEdit* edit = box ? box->findChild<QLineEdit*>() : nullptr;
      if (!edit) return;
      limit = edit->maxLength();
      QTest::keyClicks(edit, QString(200, QLatin1Char('k')));
      held = edit->text();
      box->accept();
    });
    ui::QtPrompts prompts;
    const std::string typed = prompts.inputAtMost(kLoginPrompt, kLoginTitle, {}, kMaxNameLength);
    QCOMPARE(limit, static_cast<int>(kMaxNameLength));
    QCOMPARE(held.size(), static_cast<qsizetype>(kMaxNameLength));
    QCOMPARE(typed, std::string(kMaxNameLength, 'k'));
  }

  void aFourMillionCharacterTitleIsShownCut() {
    testing::ProgramFolderFixture folder;
    std::string index = "\"" + std::string(4000000, 'W') + "\"\r\n";
    for (int i = 1; i < 12; ++i) index += "Map " + std::to_string(i) + "\r\n";
    QVERIFY(index.size() <= kMaxCampaignIndexBytes);
    folder.writeBytes({"Campain", "Campain.dat"}, Bytes(index.begin(), index.end()));
    Profile& progress = sharedSession().game.profile;
    progress.PlayerName = "Kalle";
    for (std::size_t k = 0; k < 8; ++k) progress.LevelPassed[k] = kTrue;
    sharedSession().game.MapNumber = 0;
    app::showForm(Form4());
    QVERIFY(testing::saveShot(Form4(), QStringLiteral("form4_huge_title")));

    // The row shows as much of the cut title as fits; its tool tip holds the cut title.
    const QString cut = QString(199, QLatin1Char('W')) + QChar(0x2026);
    QCOMPARE(Form4()->row(0)->toolTip(), cut);
    QVERIFY(Form4()->row(0)->text().size() < cut.size());
    QCOMPARE(Form4()->row(1)->text(), QStringLiteral("Map 1"));
    app::unloadAll();
  }
};

}  // namespace quobbles

QTEST_MAIN(quobbles::LongInputTest)
#include "long_input_test.moc"
