// Quobbles: starts with the main menu; the files live below the program's own folder.
#include <QApplication>

#include "frontend/main_menu_window.h"
#include "state/program_files.h"
#include "ui/forms.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quobbles"));
  quobbles::setProgramFolder(QCoreApplication::applicationDirPath().toStdString());
  quobbles::ui::showForm(quobbles::Form3());
  return QApplication::exec();
}
