// Starting a level on the board and drawing the 9 x 9 view around the player.
#include "board/board_engine.h"
#include "state/tiles.h"
#include "world/world_rules.h"

namespace quobbles::board {

void Form_Load(GameState& g, BoardModel& b) {
  b.controls = BoardControls{};  // the controls come back as designed
  b.effects = BoardEffects{};
  b.vars.GravityOn = kFalse;
  b.vars.ViewShift = {4, 4};
  Pelin_aloitus(g, b);
  g.LastMoveKey = 0;
  world::Äxönin_poisto(g);
  kartan_piirto(g, b);
}

void Pelin_aloitus(GameState& g, BoardModel& b) {
  const auto& passed = g.profile.LevelPassed;
  // The help hint is bright for a player who has passed none of the first three maps.
  b.controls.hintColour =
      (passed[0] == 0 && passed[1] == 0 && passed[2] == 0) ? colour::kBrightYellow : colour::kOlive;
  b.vars.StarsLeft = 0;
  b.controls.allStarsVisible = false;
  g.PlayerPos = {0, 0};
  g.MapMax = {kMapSize - 1, kMapSize - 1};
  for (int y = 0; y <= g.MapMax.y; ++y)
    for (int x = 0; x <= g.MapMax.x; ++x)
      if (g.code(x, y) == tile::Star) ++b.vars.StarsLeft;
  b.vars.DarkView = kFalse;
}

void kartan_piirto(GameState& g, BoardModel& b) {
  const int px = g.PlayerPos.x, py = g.PlayerPos.y;
  const bool dark = b.vars.DarkView == kTrue;
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

}  // namespace quobbles::board
