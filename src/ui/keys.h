// The character code of a key press, as the windows' key handlers expect it: printable
// characters as typed (the number pad's digits with Num Lock on), Enter 13, Esc 27,
// Ctrl+letter 1..26. Keys without a character give 0 and are ignored.
#pragma once

#include <QKeyEvent>
#include <cstdint>

namespace quobbles::ui {

int16_t keyCode(const QKeyEvent* event);

}  // namespace quobbles::ui
