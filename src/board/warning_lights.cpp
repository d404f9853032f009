// The four warning lines on the board's edges follow the player figure's row and column.
#include "board/board_engine.h"

namespace quobbles::board {

void Varo_valojen_siirto(BoardModel& b) {
  auto& lines = b.controls.lines;
  const int16_t top = b.controls.figureTop, left = b.controls.figureLeft;
  lines[0].y1 = top;  // Line1(1), right edge
  lines[0].y2 = static_cast<int16_t>(top + kSquareTwips);
  lines[2].y1 = top;  // Line1(3), left edge
  lines[2].y2 = static_cast<int16_t>(top + kSquareTwips);
  lines[1].x1 = left;  // Line1(2), top edge
  lines[1].x2 = static_cast<int16_t>(left + kSquareTwips);
  lines[3].x1 = left;  // Line1(4), bottom edge
  lines[3].x2 = static_cast<int16_t>(left + kSquareTwips);
}

}  // namespace quobbles::board
