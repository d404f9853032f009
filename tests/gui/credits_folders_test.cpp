// The credits window tells the version and where this game keeps its players and levels: the
// executable's folder when it runs portable, the player's data folder when it is installed, a
// long folder shortened in the middle so that both its ends stay readable inside the window.
#include <QtTest>
#include <optional>

#include "app/forms.h"
#include "gui/support/program_folder_fixture.h"
#include "state/program_files.h"
#include "state/version.h"
#include "windows/credits_window.h"
#include "windows/main_menu_window.h"

namespace quobbles {

namespace fs = std::filesystem;

class CreditsFoldersTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { folder_.emplace(); }
  void cleanup() { folder_.reset(); }

  void theCreditsShowTheVersionAndTheDataFolderShortenedToFitTheWindow() {
    // Portable: the fixture's folder, whole.
    QStringList lines = openCredits();
    QVERIFY(!QString::fromLatin1(gameVersion()).isEmpty());
    QVERIFY(Form6()->versionLabel()->text().endsWith(QString::fromLatin1(gameVersion())));
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[1], QString::fromStdString(folder_->root().lexically_normal().string()));
    Form6()->Päkkii_Click();
    testing::settleEvents();

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

 private:
  // Opens the credits from the main menu; gives the lines of the data folder's text.
  QStringList openCredits() {
    app::showForm(Form3());
    Form3()->Viesti_Click(3);
    testing::settleEvents();
    return Form6()->dataFolderLabel()->text().split(QLatin1Char('\n'));
  }

  std::optional<testing::ProgramFolderFixture> folder_;
};

}  // namespace quobbles

QTEST_MAIN(quobbles::CreditsFoldersTest)
#include "credits_folders_test.moc"
