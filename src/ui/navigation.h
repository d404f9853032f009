// Where the windows go: a window only reports what happened (a level is to be played, Esc on the
// board, a test play starts); which window opens next, which close, where they stand and what a
// close box does is decided by the program's navigator (app/navigator), behind this interface,
// so that no window knows another.
#pragma once

#include <QWidget>
#include <cstdint>

namespace quobbles {
enum class LeaveTo;
}

namespace quobbles::ui {

class Navigation {
 public:
  virtual ~Navigation() = default;

  // The main menu: a player logged in; an item opened the editor or the credits; Exit.
  virtual void loggedIn() = 0;
  virtual void openEditor() = 0;
  virtual void openCredits() = 0;
  virtual void exitProgram() = 0;
  // The main menu or the map selection put a level into the record: the board plays it.
  virtual void playLevel(QWidget* from) = 0;
  // Back to the main menu from the map selection or the credits.
  virtual void backToMainMenu(QWidget* from) = 0;

  // The board: Space asked for help; Esc left the level (the level record is already dealt with).
  virtual void showHelp() = 0;
  virtual void boardLeft(LeaveTo next) = 0;
  // The help windows and God's Tools hand their keys to the board, and God's Tools changes the
  // game outside the rules: the board shows it.
  virtual void boardKey(int16_t key) = 0;
  virtual void boardChanged() = 0;

  // The editor: a test play starts; the editor closed; the note for level makers is asked for.
  virtual void startTestPlay() = 0;
  virtual void editorClosed() = 0;
  virtual void showLevelMakersNote() = 0;
  // The editor asked to check its level: the check opens over it, and the way it finds may be
  // shown on the board ("Show me"). Esc on that board (showMeLeft) brings the editor back
  // exactly as it was.
  virtual void checkLevel() = 0;
  virtual void showMeLeft() = 0;

  // A window closes itself (the help windows on Space, the note on a click).
  virtual void closeWindow(QWidget* window) = 0;
};

// The help windows' key rule: Space closes `window`, any other key goes to the board.
void helpWindowKey(QWidget* window, int16_t key);

// The navigator in use; the program installs it at start-up, tests their own or the program's.
Navigation& navigation();
void setNavigation(Navigation* navigator);

}  // namespace quobbles::ui
