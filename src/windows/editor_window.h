// The level editor (Form2): a scrolling 9 x 9 view onto the shared level record, the palette of
// tiles, the level's name and edit code, the editing extent, the command buttons, undo and redo,
// and the check of the level (Ctrl+K). It draws what the editor's rules decide; its commands ask the user
// through the program's prompts. Keys go to the window first: no text box has the keyboard until it is
// clicked, and the Ctrl shortcuts run their command whatever has the focus.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>
#include <array>
#include <cstdint>
#include <map>

#include "editor/editor_commands.h"
#include "editor/editor_logic.h"

namespace quobbles {

class EditorWindow : public QWidget {
  Q_OBJECT

 public:
  EditorWindow();

  // Runs the load handler again (the board calls it when a test play ends).
  void F_L();
  // Puts the level record into the controls, resets the view and redraws.
  void Päivitä_tiedot();
  // Puts the record into the controls with the view where the record has it (the editor comes
  // back after "Show me" exactly as it was).
  void showAsItWas();
  // Redraws the 81 view squares.
  void kartan_piirto();

  // The handlers, public so that the program's other windows and the tests can drive them.
  void Comm_Click(int Index);
  void Image1_Click();
  void Textuuri_Click(int code);
  // The mouse over view square k; Click and DblClick act on the square it left in CursorSquare.
  void Ruutu_MouseMove(int k, Qt::KeyboardModifiers shift);
  void Ruutu_Click();
  void Ruutu_DblClick();
  void Form_KeyPress(int16_t KeyAscii);
  // Undo and redo (Ctrl+Z; Ctrl+Y or Ctrl+Shift+Z), with their buttons.
  void Undo_Click();
  void Redo_Click();
  // "Check level" (Ctrl+K): whether the level as it stands can be passed, shown over the editor.
  void CheckLevel_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildView();
  void buildPalette();
  void buildFields();
  void buildCommands();
  QLabel* addPaletteEntry(QWidget* parent, int code, const char* caption, QPoint at);
  void Form_Load();
  void Text1_Change(int Index);
  void Kkokoko_Change(int Index);
  void run(editor::EditorCommand command);
  void carryOut(const editor::CommandOutcome& outcome);
  void showExtent();
  void showNameAndCode();
  void placeFrame();
  void showUndoneChange(bool redo);
  void updateUndoButtons();
  void takeKeyboard();
  void regainKeyboard();
  void squareOutOfMap();
  void paintAtCursor();
  void endShiftStroke();
  int viewCellAt(QWidget* source, QPoint pos) const;
  bool mouseOnViewSquare(QObject* watched, QEvent* event);
  bool windowKey(QKeyEvent* event);
  bool keyFromChild(QObject* watched, QKeyEvent* event);

  std::array<QLabel*, editor::kEditorViewCells> Ruutu_{};
  std::array<int, editor::kEditorViewCells> shownPicture_{};  // what each view square shows now
  std::map<int, QLabel*> Textuuri_;
  QFrame* Shape1_ = nullptr;
  QLabel* Label1_ = nullptr;
  QLabel* Image1_ = nullptr;
  std::array<QLineEdit*, 2> Text1_{};
  QScrollBar* HScroll1_ = nullptr;
  QScrollBar* VScroll1_ = nullptr;
  std::array<QScrollBar*, 2> Kkokoko_{};
  std::array<QLabel*, 2> Label3_{};
  std::array<QPushButton*, 8> Comm_{};
  QPushButton* undoButton_ = nullptr;
  QPushButton* redoButton_ = nullptr;
  QPushButton* checkButton_ = nullptr;
  // A drag: the left button went down on view square pressedCell_ and paints every square the
  // pointer passes; released where it went down without passing another, it is a click.
  int pressedCell_ = -1;
  int dragCell_ = -1;
  bool dragMoved_ = false;
  int toldOffCell_ = -1;        // the view square whose click said "Square is out of map." last
  bool shiftStroke_ = false;    // the pointer moves with Shift held: one stroke, one step
  bool strokeToldOff_ = false;  // this stroke has shown "Square is out of map." already
  bool outOfMapOpen_ = false;   // that message is on screen: mouse events on the view are dropped
  bool forwardingKey_ = false;  // a key is being handed on to the control it was meant for
};

}  // namespace quobbles
