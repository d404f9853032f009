// The moves between the program's windows. Every move shows the next window first and then
// closes the current one; the next window opens centred on where the current one stood, so no
// window jumps across the screen. God's Tools and the help windows open beside the board.
#include "app/navigator.h"

#include <QApplication>

#include "app/forms.h"
#include "board/session.h"
#include "editor/editor_logic.h"
#include "frontend/leave_board.h"
#include "windows/board_window.h"
#include "windows/check_level_window.h"
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

// Shows `next` where `current` stands (when that one is loaded); the caller closes `current`.
void showInPlaceOf(QWidget* next, const QWidget* current) {
  if (current != nullptr) placeCentredOn(next, current);
  showForm(next);
}

}  // namespace

void Navigator::loggedIn() {
  showInPlaceOf(Form4(), loadedForm(kMainMenu));
  unloadForm(kMainMenu);
}

void Navigator::openEditor() {
  showInPlaceOf(Form2(), loadedForm(kMainMenu));
  unloadForm(kMainMenu);
}

void Navigator::openCredits() {
  showInPlaceOf(Form6(), loadedForm(kMainMenu));
  unloadForm(kMainMenu);
}

void Navigator::exitProgram() {
  unloadAll();
  QApplication::quit();
}

void Navigator::playLevel(QWidget* from) {
  showInPlaceOf(Form1(), from);
  Form1()->kartan_piirto();
  unload(from);
}

void Navigator::backToMainMenu(QWidget* from) {
  showInPlaceOf(Form3(), from);
  unload(from);
}

void Navigator::showHelp() {
  // The pictures right of the board (under God's Tools in a test play) and the text left of it,
  // so that the board stays in sight; on a narrow screen one follows the other on the side with
  // room. The texture help shows first, then the help text in front of it.
  if (const QWidget* board = loadedForm(kBoard)) {
    const QRect b = frameOf(board);
    const QWidget* tools = loadedForm(kGodsTools);
    const bool toolsRight = tools != nullptr && frameOf(tools).left() > b.left();
    placeBeside(Form7(), {{board, Side::kRight, toolsRight ? frameOf(tools).bottom() + 1 : b.top()},
                          {board, Side::kLeft}});
    const QWidget* pictures = Form7();
    const bool picturesRight = frameOf(pictures).left() > b.left();
    if (picturesRight)
      placeBeside(Form5(), {{board, Side::kLeft}, {pictures, Side::kRight, b.top()}});
    else
      placeBeside(Form5(), {{board, Side::kRight}, {pictures, Side::kLeft, b.top()}});
  }
  showForm(Form7());
  showForm(Form5());
}

void Navigator::boardLeft(LeaveTo next) {
  const QWidget* board = loadedForm(kBoard);
  switch (next) {
    case LeaveTo::kEditor: {
      // A newly built editor has just run its load handler, which reloads the saved level; one
      // that was still loaded is asked to run it again.
      const bool editorWasLoaded = loadedForm(kEditor) != nullptr;
      showInPlaceOf(Form2(), board);
      if (editorWasLoaded) Form2()->F_L();
      unloadForm(kGodsTools);
      break;
    }
    case LeaveTo::kMapSelection:
      showInPlaceOf(Form4(), board);
      break;
    case LeaveTo::kMainMenu:
      showInPlaceOf(Form3(), board);
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
  showInPlaceOf(Form1(), loadedForm(kEditor));
  // God's Tools right of the board, tops aligned (left of it when the screen has no room).
  placeBeside(Form8(), {{Form1(), Side::kRight}, {Form1(), Side::kLeft}});
  showForm(Form8());
  unloadForm(kEditor);
}

void Navigator::editorClosed() {
  showInPlaceOf(Form3(), loadedForm(kEditor));
  unloadForm(kEditor);
}

void Navigator::showLevelMakersNote() {
  showInPlaceOf(Form9(), loadedForm(kEditor));
}

void Navigator::checkLevel() {
  QWidget* editor = loadedForm(kEditor);
  // Modal over the editor; the search runs on its own copy of the level in a thread of its own.
  CheckLevelWindow check(sharedSession().game.level, editor);
  check.exec();
  if (check.chosenWay()) showMe(*check.chosenWay());
}

void Navigator::showMe(const std::string& keys) {
  QWidget* editor = loadedForm(kEditor);
  showMeSnapshot_ = beginShowMe(sharedSession().game, editor::sharedEditor());
  // The board opens as for a test play and starts the level in memory; nothing is saved.
  showInPlaceOf(Form1(), editor);
  Form1()->playBack(keys);
  placeBeside(Form8(), {{Form1(), Side::kRight}, {Form1(), Side::kLeft}});
  showForm(Form8());
  // The editor is not unloaded but hidden: it comes back as it is, without loading anything.
  if (editor != nullptr) editor->hide();
}

void Navigator::showMeLeft() {
  const QWidget* board = loadedForm(kBoard);
  if (showMeSnapshot_) {
    endShowMe(sharedSession().game, editor::sharedEditor(), std::move(*showMeSnapshot_));
    showMeSnapshot_.reset();
  }
  showInPlaceOf(Form2(), board);
  Form2()->showAsItWas();
  unloadForm(kGodsTools);
  unloadForm(kHelp);
  unloadForm(kTextureHelp);
  unloadForm(kBoard);
}

void Navigator::closeWindow(QWidget* window) {
  unload(window);
}

void openFirstWindow() {
  placeCentredOnScreen(Form3());
  showForm(Form3());
}

void installNavigator() {
  static Navigator navigator;
  ui::setNavigation(&navigator);
}

}  // namespace quobbles::app
