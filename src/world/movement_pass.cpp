// The movement pass: once per turn every block and hanger with a direction moves one square
// in reading order, explosions age and clear, movers blow up on mines, and doors open once
// no button is left.
#include <array>
#include <bit>

#include "state/tiles.h"
#include "world/grid_sweeps.h"
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
  uint8_t* state = g.StateGrid.data();

  // Preparation: doors open when one exists and no button is left (the marks change no code,
  // so the codes may be looked at first), and last pass's marks are undone
  // (moved, vacated, explosion ages). Only squares with a state byte have marks; the sweep
  // finds them sixteen at a time and lists those the movement sweep will act on (state 1..5),
  // in reading order.
  const bool doorExists = sweeps::anyCodeWithRule<rule::kDoor>(g);
  const bool buttonLeft = doorExists && sweeps::anyCode(g, tile::Button);  // matters only with a door
  std::array<uint16_t, kSquares> due;
  int dueCount = 0;
  sweeps::forEachFound(
      g, [&](int i, int count) { return sweeps::load(state + i, count); },
      [&](int i) {
        uint8_t& s = state[i];
        if (s > 5) s = static_cast<uint8_t>(s - 10);
        if (s >= 1 && s <= 5) due[static_cast<std::size_t>(dueCount++)] = static_cast<uint16_t>(i);
      });
  if (!buttonLeft && doorExists) Ovet_auki(g);

  // The movement sweep, in reading order. It needs to stop only on the listed squares: while it
  // runs, no other square comes to hold 1..5 (a mover writes 11..14 or 0 where it arrives, 10 or
  // 0 where it leaves, 15 where it blows up, and turns only its own square), while a listed one
  // may be changed before the sweep reaches it, so its byte is read again there.
  for (int k = 0; k < dueCount; ++k) {
    const int x = due[static_cast<std::size_t>(k)] % kMapSize,
              y = due[static_cast<std::size_t>(k)] / kMapSize;
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
  // The sweep's cursor ends on the last square of the map, as a square-by-square sweep leaves it.
  if (g.MapMax.x >= 0 && g.MapMax.y >= 0) g.ScanPos = g.MapMax;
}

}  // namespace quobbles::world
