// Hangers: they start walking left in their first turn, and a blocked hanger turns by a
// fixed order (left, down, right, up, round again) to the first open neighbour.
#include "state/tiles.h"
#include "world/grid_sweeps.h"
#include "world/world_rules.h"

namespace quobbles::world {

void Viholliset_liikkeeseen(GameState& g) {
  // Every hanger is looked at on its own, so the sweep may go from hanger to hanger.
  uint8_t* state = g.StateGrid.data();
  sweeps::forEachCode(g, tile::Hanger, [&](int i) {
    if (state[i] == 0) state[i] = kMoveLeft;
  });
}

WordPos hangerTurn(GameState& g, int x, int y) {
  uint8_t& heading = g.state(x, y);
  const uint8_t first = heading;
  for (;;) {
    heading = static_cast<uint8_t>(heading % 4 + 1);                                  // 1 -> 2 -> 3 -> 4 -> 1
    if (heading == first) return {static_cast<int16_t>(x), static_cast<int16_t>(y)};  // closed in
    int tx = x, ty = y;
    switch (heading) {
      case kMoveLeft:
        --tx;
        break;
      case kMoveDown:
        ++ty;
        break;
      case kMoveRight:
        ++tx;
        break;
      default:
        --ty;
        break;
    }
    // The square must be one a block may move onto, and not left by a mover this pass.
    if (!g.insideMap(tx, ty) || g.state(tx, ty) == kVacated || !moverMayEnter(g.code(tx, ty))) continue;
    return {static_cast<int16_t>(tx), static_cast<int16_t>(ty)};
  }
}

}  // namespace quobbles::world
