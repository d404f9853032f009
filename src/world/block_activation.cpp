// Moving blocks that see the player along his row or column get a direction towards him,
// and the warning lines show from which sides a brown or a purple block is looking.
#include <algorithm>
#include <initializer_list>

#include "state/tiles.h"
#include "world/world_rules.h"

namespace quobbles::world {

namespace {

struct Scan {
  int dx, dy;                    // step away from the player
  std::array<uint8_t, 3> brown;  // kinds that this scan starts
  std::array<uint8_t, 3> purple;
  uint8_t direction;  // written into the state grid: towards the player
  int line;           // Line1(n) at index n - 1
};

// In this order: right, left, up, down.
constexpr std::array<Scan, 4> kScans = {{
    {1, 0, {80, 82, 85}, {100, 102, 105}, kMoveLeft, 0},
    {-1, 0, {80, 82, 83}, {100, 102, 103}, kMoveRight, 2},
    {0, -1, {80, 81, 86}, {100, 101, 106}, kMoveDown, 1},
    {0, 1, {80, 81, 84}, {100, 101, 104}, kMoveUp, 3},
}};

bool contains(const std::array<uint8_t, 3>& kinds, uint8_t c) {
  return std::find(kinds.begin(), kinds.end(), c) != kinds.end();
}

}  // namespace

void Palikat_liikkeeseen(GameState& g, BoardModel& b) {
  for (auto& line : b.controls.lines) line.colour = colour::kGrey;
  for (const Scan& scan : kScans) {
    // Each scan starts on the player's own square and runs to the map edge; every code above
    // 19 ends the view, started or not.
    for (g.ScanPos = {g.PlayerPos.x, g.PlayerPos.y}; g.insideMap(g.ScanPos.x, g.ScanPos.y);
         g.ScanPos.x = static_cast<int16_t>(g.ScanPos.x + scan.dx),
        g.ScanPos.y = static_cast<int16_t>(g.ScanPos.y + scan.dy)) {
      const uint8_t c = g.code(g.ScanPos.x, g.ScanPos.y);
      if (contains(scan.brown, c)) {
        g.state(g.ScanPos.x, g.ScanPos.y) = scan.direction;
        b.controls.lines[static_cast<std::size_t>(scan.line)].colour = colour::kOrange;
      }
      if (contains(scan.purple, c)) {
        g.state(g.ScanPos.x, g.ScanPos.y) = scan.direction;
        b.controls.lines[static_cast<std::size_t>(scan.line)].colour = colour::kPink;
      }
      if (c > 19) break;
    }
  }
}

}  // namespace quobbles::world
