// The 9 x 9 view around the player and the warning lines along the board's edges.
#include "play/board_view.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "state/tiles.h"

namespace quobbles::play {

void kartan_piirto(const GameState& g, BoardModel& b) {
  const int px = g.PlayerPos.x, py = g.PlayerPos.y;
  const bool dark = b.vars.DarkView;
  const int maxX = std::min<int>(g.MapMax.x, kMapSize - 1), maxY = std::min<int>(g.MapMax.y, kMapSize - 1);
  // Map square = view square + (ViewShift - 4); the view runs from the player's square - 4.
  const int left = px - 4 + b.vars.ViewShift.x - 4, top = py - 4 + b.vars.ViewShift.y - 4;
  std::array<PictureId, kViewCells> view;
  for (int row = 0; row < kViewSide; ++row) {
    const int my = top + row;
    const uint8_t* codes = my >= 0 && my <= maxY ? g.level.MapGrid.data() + my * kMapSize : nullptr;
    const uint8_t* states = codes != nullptr ? g.StateGrid.data() + my * kMapSize : nullptr;
    PictureId* cells = view.data() + row * kViewSide;
    if (!dark && codes != nullptr && left >= 0 && left + kViewSide - 1 <= maxX) {
      // A whole row of map squares: their codes, then the hangers' faces over them.
      for (int column = 0; column < kViewSide; ++column) cells[column] = codes[left + column];
      if (std::memchr(codes + left, tile::Hanger, kViewSide) == nullptr) continue;
    }
    for (int column = 0; column < kViewSide; ++column) {
      PictureId& cell = cells[column];
      // In the dark only the 5 x 5 squares around the player are drawn.
      if (dark && (row < 2 || row > 6 || column < 2 || column > 6)) {
        cell = tile::DarkSquare;
        continue;
      }
      const int mx = left + column;
      if (codes == nullptr || mx < 0 || mx > maxX) {
        cell = tile::PermanentWall;
        continue;
      }
      const uint8_t c = codes[mx];
      cell = c;
      if (c == tile::Hanger) {
        // A hanger looks the way it heads; one that has not walked yet faces left, where it will go.
        const uint8_t facing = states[mx];
        cell = hangerPicture(facing >= 11 && facing <= 14 ? facing : 11);
      }
    }
  }
  b.controls.view = view;
}

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

}  // namespace quobbles::play
