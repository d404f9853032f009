// The moves between the program's windows. Every move shows the next window first and then
// closes the current one.
#include "app/navigator.h"

#include <QApplication>

#include "app/forms.h"
#include "frontend/leave_board.h"
#include "windows/board_window.h"
#include "windows/credits_window.h"
#include "windows/editor_window.h"
#include "windows/gods_tools_window.h"
#include "windows/help_window.h"
#include "windows/main_menu_window.h"
#include "windows/map_selection_window.h"
#include "windows/message_window.h"
#include "windows/texture_help_window.h"

namespace quobbles::app {

namespace {
constexpr int kBoard = 1, kEditor = 2, kMainMenu = 3, kMapSelection = 4, kHelp = 5, kTextureHelp = 7,
              kGodsTools = 8;
}

void Navigator::loggedIn() {
  showForm(Form4());
  unloadForm(kMainMenu);
}

void Navigator::openEditor() {
  showForm(Form2());
  unloadForm(kMainMenu);
}

void Navigator::openCredits() {
  showForm(Form6());
  unloadForm(kMainMenu);
}

void Navigator::exitProgram() {
  unloadAll();
  QApplication::quit();
}

void Navigator::playLevel(QWidget* from) {
  showForm(Form1());
  Form1()->kartan_piirto();
  unload(from);
}

void Navigator::backToMainMenu(QWidget* from) {
  showForm(Form3());
  unload(from);
}

void Navigator::showHelp() {
  // The texture help first, then the help text in front of it.
  showForm(Form7());
  showForm(Form5());
}

void Navigator::boardLeft(LeaveTo next) {
  switch (next) {
    case LeaveTo::kEditor: {
      // A newly built editor has just run its load handler, which reloads the saved level; one
      // that was still loaded is asked to run it again.
      const bool editorWasLoaded = loadedForm(kEditor) != nullptr;
      showForm(Form2());
      if (editorWasLoaded) Form2()->F_L();
      unloadForm(kGodsTools);
      break;
    }
    case LeaveTo::kMapSelection:
      showForm(Form4());
      break;
    case LeaveTo::kMainMenu:
      showForm(Form3());
      break;
  }
  unloadForm(kHelp);
  unloadForm(kTextureHelp);
  unloadForm(kBoard);
}

void Navigator::boardKey(int16_t key) {
  // The board may already be gone (Esc leaves it and closes the help windows after).
  if (loadedForm(kBoard)) Form1()->Kauko_nappi(key);
}

void Navigator::boardChanged() {
  if (loadedForm(kBoard)) Form1()->render();
}

void Navigator::startTestPlay() {
  showForm(Form1());
  showForm(Form8());
  unloadForm(kEditor);
}

void Navigator::editorClosed() {
  showForm(Form3());
  unloadForm(kEditor);
}

void Navigator::showLevelMakersNote() {
  showForm(Form9());
}

void Navigator::closeWindow(QWidget* window) {
  unload(window);
}

void installNavigator() {
  static Navigator navigator;
  ui::setNavigation(&navigator);
}

}  // namespace quobbles::app
