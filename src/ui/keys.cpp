// Character codes of key presses.
#include "ui/keys.h"

namespace quobbles::ui {

int16_t keyCode(const QKeyEvent* event) {
  const int key = event->key();
  if (event->modifiers() & Qt::ControlModifier && key >= Qt::Key_A && key <= Qt::Key_Z)
    return static_cast<int16_t>(key - Qt::Key_A + 1);
  switch (key) {
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_Backspace:
      return 8;
    default:
      break;
  }
  const QString text = event->text();
  if (text.size() == 1 && text[0].unicode() < 256) return static_cast<int16_t>(text[0].unicode());
  return 0;
}

}  // namespace quobbles::ui
