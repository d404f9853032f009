// The help text (Form5), opened from the board with Space. Space (and the close box) closes it;
// every other key is handed on to the board, so the game stays playable with the help in front.
#pragma once

#include <QPlainTextEdit>
#include <QWidget>
#include <cstdint>

namespace quobbles {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  HelpWindow();

  QPlainTextEdit* textBox() const { return Text1_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Returns true when the key was one of the game's (the text box does not see it).
  bool Form_KeyPress(int16_t KeyAscii);

  QPlainTextEdit* Text1_ = nullptr;
};

}  // namespace quobbles
