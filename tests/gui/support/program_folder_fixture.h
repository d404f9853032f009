// A throw-away program folder for GUI tests: Levels, Campain and Players in a fresh temporary
// folder, set as the program's folder, with helpers to put level files and profiles in it.
// It also puts the program's navigator in place, resets the game's session and the editor's
// variables to their start-of-program values and unloads every window.
#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <filesystem>
#include <string>
#include <vector>

#include "state/game_state.h"
#include "support/temp_folder.h"

namespace quobbles::testing {

class ProgramFolderFixture {
 public:
  ProgramFolderFixture();
  ~ProgramFolderFixture();

  const std::filesystem::path& root() const { return dir_.path(); }
  std::filesystem::path folder(const std::string& name) const { return root() / name; }

  // Writes a level file below the program folder, e.g. writeLevel({"Levels", "abc.lev"}, level).
  std::filesystem::path writeLevel(const std::vector<std::string>& parts, const Level& level) const;
  // Writes raw bytes below the program folder.
  std::filesystem::path writeBytes(const std::vector<std::string>& parts,
                                   const std::vector<uint8_t>& bytes) const;

 private:
  // The path of parts below the program folder, its folder made.
  std::filesystem::path below(const std::vector<std::string>& parts) const;
  TempFolder dir_;
};

// Lets queued deletions and events run, so unloaded windows are really gone.
void settleEvents();

// The numbers of the loaded windows; a loaded window that is not shown counts as minus its number.
QList<int> openForms();

// Presses the keys on a window one after another, then lets the events settle.
void pressKeys(QWidget* window, std::initializer_list<Qt::Key> keys);

// Saves what a window shows as <name>.png when QUOBBLES_SHOT_DIR names a folder, for looking at
// by eye; false only when that save fails.
bool saveShot(QWidget* window, const QString& name);

}  // namespace quobbles::testing
