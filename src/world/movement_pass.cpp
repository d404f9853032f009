// The movement pass: once per turn every block and hanger with a direction moves one square
// in reading order, explosions age and clear, movers blow up on mines, and doors open once
// no button is left.
#include "state/tiles.h"
#include "world/world_rules.h"

namespace quobbles::world {

namespace {

WordPos stepFrom(int x, int y, uint8_t direction) {
  switch (direction) {
    case kMoveLeft:
      --x;
      break;
    case kMoveDown:
      ++y;
      break;
    case kMoveRight:
      ++x;
      break;
    case kMoveUp:
      --y;
      break;
    default:
      break;
  }
  return {static_cast<int16_t>(x), static_cast<int16_t>(y)};
}

bool freeForMover(const GameState& g, WordPos t) {
  return g.insideMap(t.x, t.y) && moverMayEnter(g.code(t.x, t.y)) && g.state(t.x, t.y) != kVacated;
}

}  // namespace

void Äxönin_poisto(GameState& g) {
  for (int y = 0; y <= g.MapMax.y; ++y)
    for (int x = 0; x <= g.MapMax.x; ++x) g.state(x, y) = 0;
}

void Palikoiden_liikutus(GameState& g) {
  // Preparation: note buttons and doors, and undo last pass's marks (moved, vacated,
  // explosion ages).
  bool buttonLeft = false, doorExists = false;
  for (int y = 0; y <= g.MapMax.y; ++y) {
    for (int x = 0; x <= g.MapMax.x; ++x) {
      const uint8_t c = g.code(x, y);
      if (c == tile::Button) buttonLeft = true;
      if (isDoor(c)) doorExists = true;
      uint8_t& s = g.state(x, y);
      if (s > 5) s = static_cast<uint8_t>(s - 10);
    }
  }
  if (!buttonLeft && doorExists) Ovet_auki(g);

  for (int y = 0; y <= g.MapMax.y; ++y) {
    for (int x = 0; x <= g.MapMax.x; ++x) {
      g.ScanPos = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
      const uint8_t d = g.state(x, y);
      if (d == kExplosionDue) {
        g.code(x, y) = tile::Empty;
        g.state(x, y) = 0;
        continue;
      }
      if (d < 1 || d > 4) continue;

      WordPos t = stepFrom(x, y, d);
      if (!g.insideMap(t.x, t.y)) t = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
      if (!freeForMover(g, t)) {
        if (g.code(x, y) == tile::Hanger) {
          t = hangerTurn(g, x, y);
        } else {
          g.state(x, y) = 0;  // the block stops; a purple one loses its direction
          continue;
        }
      }
      g.TargetPos = t;

      const bool stays = t.x == x && t.y == y;
      if (g.code(t.x, t.y) == tile::Mine) {
        // The mover and the mine are both gone; the old square is not marked as vacated.
        g.code(t.x, t.y) = tile::Explosion;
        g.state(t.x, t.y) = kMineExplosion;
        g.code(x, y) = tile::Empty;
        g.state(x, y) = 0;
      } else {
        const uint8_t mover = g.code(x, y);
        g.code(t.x, t.y) = mover;
        g.state(t.x, t.y) = keepsDirection(mover) ? static_cast<uint8_t>(g.state(x, y) + kMovedMark) : 0;
        if (!stays) {
          g.code(x, y) = tile::Empty;
          g.state(x, y) = kVacated;
        }
      }
    }
  }
}

}  // namespace quobbles::world
