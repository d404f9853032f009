// Quobbles: starts with the main menu; the files live below the program's own folder.
#include <QApplication>

#include "app/navigator.h"
#include "state/program_files.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quobbles"));
  quobbles::setProgramFolder(QCoreApplication::applicationDirPath().toStdString());
  quobbles::app::installNavigator();
  quobbles::app::openFirstWindow();
  return QApplication::exec();
}
