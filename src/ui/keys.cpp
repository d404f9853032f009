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

int16_t playKeyCode(const QKeyEvent* event) {
  // With Ctrl or Alt held an arrow is some other command, not a move.
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return keyCode(event);
  switch (event->key()) {
    case Qt::Key_Left:
      return '4';
    case Qt::Key_Right:
      return '6';
    case Qt::Key_Up:
      return '8';
    case Qt::Key_Down:
      return '2';
    case Qt::Key_Clear:  // the pad's 5 without Num Lock
      return (event->modifiers() & Qt::KeypadModifier) ? '5' : 0;
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Insert:
    case Qt::Key_Delete:
      // The pad's other keys without Num Lock (and their twins) are not the game's; the text of
      // Delete would otherwise pass as a character.
      return 0;
    default:
      return keyCode(event);
  }
}

}  // namespace quobbles::ui
