// The dump of a session.
#include "sim/dump.h"

#include <sstream>

namespace quobbles::sim {

namespace {

std::string rgb(const Rgb& c) {
  return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

std::string picture(PictureId p) {
  return isHangerPicture(p) ? "h" + std::to_string(p - kHangerFacing) : std::to_string(p);
}

template <class Cell>
void grid(std::ostringstream& out, const Grid& cells, Cell cell) {
  for (int y = 0; y < kMapSize; ++y) {
    for (int x = 0; x < kMapSize; ++x) out << (x ? " " : "") << cell(cells[squareIndex(x, y)]);
    out << '\n';
  }
}

}  // namespace

std::string dump(const Session& s) {
  const GameState& g = s.game;
  const BoardVariables& v = s.board.vars;
  const BoardControls& c = s.board.controls;
  std::ostringstream out;
  out << "play_state " << int(g.PlayState) << '\n';
  out << "player " << int(g.PlayerPos.x) << ' ' << int(g.PlayerPos.y) << '\n';
  out << "last_move_key " << g.LastMoveKey << '\n';
  out << "turn_action " << int(v.TurnAction) << '\n';
  out << "gravity " << (v.GravityOn ? kTrue : kFalse) << '\n';
  out << "dark_view " << (v.DarkView ? kTrue : kFalse) << '\n';
  out << "stars_left " << v.StarsLeft << '\n';
  out << "view_shift " << int(v.ViewShift.x) << ' ' << int(v.ViewShift.y) << '\n';
  out << "figure " << c.figureLeft << ' ' << c.figureTop << ' ' << (c.figureVisible ? 1 : 0) << '\n';
  out << "face " << int(c.face) << '\n';
  out << "message " << (c.messageVisible ? 1 : 0) << ' ' << c.messageCaption << '\n';
  out << "esc_hint " << (c.escHintVisible ? 1 : 0) << '\n';
  out << "all_stars " << (c.allStarsVisible ? 1 : 0) << '\n';
  out << "hint_colour " << rgb(c.hintColour) << '\n';
  out << "counters";
  for (int32_t n : c.mAna) out << ' ' << n;
  out << '\n';
  out << "lights";
  for (const WarningLine& l : c.lines) out << ' ' << rgb(l.colour);
  out << '\n';
  out << "light_spans " << c.lines[0].y1 << ' ' << c.lines[0].y2 << ' ' << c.lines[1].x1 << ' '
      << c.lines[1].x2 << ' ' << c.lines[2].y1 << ' ' << c.lines[2].y2 << ' ' << c.lines[3].x1 << ' '
      << c.lines[3].x2 << '\n';
  out << "view\n";
  for (int r = 0; r < kViewSide; ++r) {
    for (int col = 0; col < kViewSide; ++col)
      out << (col ? " " : "") << picture(c.view[static_cast<std::size_t>(r * kViewSide + col)]);
    out << '\n';
  }
  out << "map\n";
  grid(out, g.level.MapGrid, [](uint8_t b) { return int(b); });
  out << "state\n";
  grid(out, g.StateGrid, [](uint8_t b) { return int(b); });
  return out.str();
}

}  // namespace quobbles::sim
