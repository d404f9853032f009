// A throw-away program folder for GUI tests.
#include "gui/support/program_folder_fixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QtTest>
#include <fstream>
#include <stdexcept>

#include "app/forms.h"
#include "app/navigator.h"
#include "board/session.h"
#include "editor/editor_logic.h"
#include "state/level_file.h"
#include "state/program_files.h"

namespace quobbles::testing {

namespace fs = std::filesystem;

void settleEvents() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
}

QList<int> openForms() {
  QList<int> open;
  for (int n = 1; n <= 9; ++n)
    if (const QWidget* form = app::loadedForm(n)) open << (form->isVisible() ? n : -n);
  return open;
}

void pressKeys(QWidget* window, std::initializer_list<Qt::Key> keys) {
  for (Qt::Key key : keys) QTest::keyClick(window, key);
  settleEvents();
}

bool saveShot(QWidget* window, const QString& name) {
  const QString folder = qEnvironmentVariable("QUOBBLES_SHOT_DIR");
  if (folder.isEmpty()) return true;
  QDir().mkpath(folder);
  return window->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

ProgramFolderFixture::ProgramFolderFixture() {
  for (const char* name : {"Levels", "Campain", "Players"}) fs::create_directories(root() / name);
  setProgramFolder(root());
  app::unloadAll();
  settleEvents();
  app::installNavigator();
  sharedSession() = Session{};
  editor::sharedEditor() = editor::EditorState{};
}

ProgramFolderFixture::~ProgramFolderFixture() {
  app::unloadAll();
  settleEvents();
}

fs::path ProgramFolderFixture::below(const std::vector<std::string>& parts) const {
  fs::path path = root();
  for (const auto& p : parts) path /= p;
  fs::create_directories(path.parent_path());
  return path;
}

fs::path ProgramFolderFixture::writeLevel(const std::vector<std::string>& parts, const Level& level) const {
  const fs::path path = below(parts);
  if (const std::string failure = WriteLevel(path, level); !failure.empty())
    throw std::runtime_error(failure);
  return path;
}

fs::path ProgramFolderFixture::writeBytes(const std::vector<std::string>& parts,
                                          const std::vector<uint8_t>& bytes) const {
  const fs::path path = below(parts);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace quobbles::testing
