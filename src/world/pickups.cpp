// What the player collects by ending a turn on it (specials, stars, candles), and the doors
// that vanish once no button is left.
#include "play/board_view.h"
#include "state/tiles.h"
#include "world/world_rules.h"

namespace quobbles::world {

void Bonuksen_Keräys(GameState& g, BoardModel& b) {
  uint8_t& c = g.code(g.PlayerPos.x, g.PlayerPos.y);
  if (const std::optional<int> special = pickUpCounter(c)) {
    play::addToCounter(b, *special, 1);
    c = tile::Empty;
  } else if (c == tile::Star) {
    c = tile::Empty;
    if (b.vars.StarsLeft > 0) --b.vars.StarsLeft;
    if (b.vars.StarsLeft == 0) b.controls.allStarsVisible = true;
  } else if (c == tile::Candle) {
    b.vars.DarkView = true;
    c = tile::Empty;
    b.vars.ViewShift = {4, 4};
    b.controls.figureLeft = kFigureHome;
    b.controls.figureTop = kFigureHome;
    play::kartan_piirto(g, b);
    play::Varo_valojen_siirto(b);
  }
}

void Ovet_auki(GameState& g) {
  for (int y = 0; y <= g.MapMax.y; ++y)
    for (int x = 0; x <= g.MapMax.x; ++x)
      if (isDoor(g.code(x, y))) g.code(x, y) = tile::Empty;
}

}  // namespace quobbles::world
