// Quobbles: starts with the main menu; the files live below the program's own folder.
#include <QApplication>

#include "app/forms.h"
#include "app/navigator.h"
#include "state/program_files.h"
#include "windows/main_menu_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quobbles"));
  quobbles::setProgramFolder(QCoreApplication::applicationDirPath().toStdString());
  quobbles::app::installNavigator();
  quobbles::app::showForm(quobbles::Form3());
  return QApplication::exec();
}
