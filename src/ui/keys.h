// The character code of a key press, as the windows' key handlers expect it: printable
// characters as typed (the number pad's digits with Num Lock on), Enter 13, Esc 27, Backspace 8,
// Ctrl+letter 1..26 (Ctrl+R 18, Ctrl+Z 26). Keys without a character give 0 and are ignored.
#pragma once

#include <QKeyEvent>
#include <cstdint>

namespace quobbles::ui {

int16_t keyCode(const QKeyEvent* event);

// A key for the game's own windows (the board, the help windows, God's Tools, the main menu and
// the map selection): as keyCode, and the arrow keys as the digits 4, 6, 8 and 2, also those of
// the number pad with Num Lock off, whose middle key then gives 5. With Num Lock on or off, and
// with the arrow keys, the figure moves the same way. The pad's other keys still give nothing.
int16_t playKeyCode(const QKeyEvent* event);

}  // namespace quobbles::ui
