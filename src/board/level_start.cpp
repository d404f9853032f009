// Starting a level on the board: the controls as designed, the stars counted, the player on
// (0, 0) with the whole map in play.
#include "board/board_engine.h"
#include "play/board_view.h"
#include "state/tiles.h"
#include "world/world_rules.h"

namespace quobbles::board {

void Form_Load(GameState& g, BoardModel& b) {
  b.controls = BoardControls{};  // the controls come back as designed
  b.effects = BoardEffects{};
  b.vars.GravityOn = false;
  b.vars.ViewShift = {4, 4};
  Pelin_aloitus(g, b);
  g.LastMoveKey = 0;
  world::Äxönin_poisto(g);
  play::kartan_piirto(g, b);
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
  b.vars.DarkView = false;
}

}  // namespace quobbles::board
