// The program's navigator: every move between windows (which opens next, which close) happens
// here, so that no window knows another.
#pragma once

#include <optional>
#include <string>

#include "frontend/show_me.h"
#include "ui/navigation.h"

namespace quobbles::app {

class Navigator : public ui::Navigation {
 public:
  void loggedIn() override;
  void openEditor() override;
  void openCredits() override;
  void exitProgram() override;
  void playLevel(QWidget* from) override;
  void backToMainMenu(QWidget* from) override;
  void showHelp() override;
  void boardLeft(LeaveTo next) override;
  void boardKey(int16_t key) override;
  void boardChanged() override;
  void startTestPlay() override;
  void editorClosed() override;
  void showLevelMakersNote() override;
  void checkLevel() override;
  void showMeLeft() override;
  void closeWindow(QWidget* window) override;

 private:
  // Plays `keys` on the board as a test play of the level in the editor, which waits hidden.
  void showMe(const std::string& keys);

  // The editor as it stood when the board began to show the way; put back when it is left.
  std::optional<EditorSnapshot> showMeSnapshot_;
};

// Puts the program's navigator in place; the program does it once at start-up, GUI tests too.
void installNavigator();
// The program's first window: the main menu, centred on the screen.
void openFirstWindow();

}  // namespace quobbles::app
