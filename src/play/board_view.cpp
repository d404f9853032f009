// The 9 x 9 view around the player and the warning lines along the board's edges.
#include "play/board_view.h"

#include "state/tiles.h"

namespace quobbles::play {

void kartan_piirto(const GameState& g, BoardModel& b) {
  const int px = g.PlayerPos.x, py = g.PlayerPos.y;
  const bool dark = b.vars.DarkView;
  int k = 0;
  for (int vy = py - 4; vy <= py + 4; ++vy) {
    for (int vx = px - 4; vx <= px + 4; ++vx, ++k) {
      PictureId& cell = b.controls.view[static_cast<std::size_t>(k)];
      if (dark && (vx < px - 2 || vx > px + 2 || vy < py - 2 || vy > py + 2)) {
        cell = tile::DarkSquare;
        continue;
      }
      const int mx = vx + b.vars.ViewShift.x - 4;
      const int my = vy + b.vars.ViewShift.y - 4;
      if (!g.insideMap(mx, my)) {
        cell = tile::PermanentWall;
        continue;
      }
      const uint8_t c = g.code(mx, my);
      cell = c;
      if (c == tile::Hanger) {
        // A hanger looks the way it heads; one that has not walked yet faces left, where it will go.
        const uint8_t facing = g.state(mx, my);
        cell = hangerPicture(facing >= 11 && facing <= 14 ? facing : 11);
      }
    }
  }
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
