// God's Tools (Form8): the level maker's buttons during a test play. Each button changes the
// game state outside the rules (world/gods_tools), as one step of the board's undo, and the board
// is redrawn; every key typed here is handed on to the board as if it had been pressed there.
// The navigator places it right of the board; its close box is the board's Esc.
#pragma once

#include <QFrame>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <cstdint>

namespace quobbles {

class GodsToolsWindow : public QWidget {
  Q_OBJECT

 public:
  GodsToolsWindow();

  void Command1_Click(int Index);
  void Form_KeyPress(int16_t KeyAscii);

  QPushButton* button(int index) const { return Command1_[static_cast<std::size_t>(index)]; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  std::array<QPushButton*, 11> Command1_{};
  std::array<QFrame*, 6> Shape1_{};
};

}  // namespace quobbles
