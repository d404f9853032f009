// Quobbles: starts with the main menu. A portable game (its folder holds Campain and may be
// written) keeps every file beside the executable; an installed one reads its campaign from the
// folder it was installed with and keeps players and levels in the player's data folder,
// $XDG_DATA_HOME/quobbles. "--version" prints the version; every other argument is ignored.
#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QStandardPaths>
#include <cstdio>
#include <cstring>

#include "app/navigator.h"
#include "state/program_files.h"
#include "state/version.h"
#include "ui/qt_prompts.h"

namespace {

std::filesystem::path localPath(const QString& path) {
  return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// The application icon drawn for the game, at the sizes built into the program.
QIcon applicationIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128})
    icon.addFile(QStringLiteral(":/icon/%1x%1/" QUOBBLES_APP_ID ".png").arg(size), QSize(size, size));
  return icon;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("quobbles %s\n", quobbles::gameVersion());
      return 0;
    }
  }
  int qtArgc = 1;  // the other arguments are ignored, and Qt does not see them either
  QApplication app(qtArgc, argv);
  QApplication::setApplicationName(QStringLiteral("Quobbles"));
  QApplication::setApplicationVersion(QString::fromLatin1(quobbles::gameVersion()));
  QGuiApplication::setDesktopFileName(QStringLiteral(QUOBBLES_APP_ID));
  QApplication::setWindowIcon(applicationIcon());

  const QString userData =
      QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quobbles");
  const quobbles::FileFolders folders =
      quobbles::chooseFileFolders(localPath(QCoreApplication::applicationDirPath()), localPath(userData));
  quobbles::setFileFolders(folders);

  quobbles::app::installNavigator();
  quobbles::app::openFirstWindow();
  if (const std::string problem = quobbles::prepareDataFolder(folders); !problem.empty())
    quobbles::ui::prompts().tell(problem, "Quobbles", quobbles::Icon::kExclamation);
  return QApplication::exec();
}
