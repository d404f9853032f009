// The blast of one square, the four-direction attack and the edge clamp that the specials use.
#include "state/tiles.h"
#include "world/world_rules.h"

namespace quobbles::world {

void Pomautus(GameState& g, BoardModel& b) {
  b.vars.BlastHit = false;
  uint8_t& c = g.code(g.ScanPos.x, g.ScanPos.y);
  if (isRemovable(c)) {
    c = tile::Explosion;
    g.state(g.ScanPos.x, g.ScanPos.y) = kBlastExplosion;
    b.vars.BlastHit = true;
  }
}

void Ampuminen(GameState& g, BoardModel& b) {
  // Four rays from the player's own square, in the order right, left, up, down: each passes
  // over the squares the player may enter and blows up the first removable square, or dies on
  // anything else.
  constexpr int kRays[4][2] = {{1, 0}, {-1, 0}, {0, -1}, {0, 1}};
  for (const auto& ray : kRays) {
    g.ScanPos = {g.PlayerPos.x, g.PlayerPos.y};
    while (g.insideMap(g.ScanPos.x, g.ScanPos.y)) {
      Pomautus(g, b);
      if (b.vars.BlastHit) break;
      if (!isEnterable(g.code(g.ScanPos.x, g.ScanPos.y))) break;
      g.ScanPos.x = static_cast<int16_t>(g.ScanPos.x + ray[0]);
      g.ScanPos.y = static_cast<int16_t>(g.ScanPos.y + ray[1]);
    }
  }
}

void Reunan_tarkistus(GameState& g) {
  if (g.ScanPos.x < 0) g.ScanPos.x = 0;
  if (g.ScanPos.y < 0) g.ScanPos.y = 0;
  if (g.ScanPos.x > g.MapMax.x) g.ScanPos.x = g.MapMax.x;
  if (g.ScanPos.y > g.MapMax.y) g.ScanPos.y = g.MapMax.y;
}

}  // namespace quobbles::world
