// Moving blocks that see the player along his row or column get a direction towards him,
// and the warning lines show from which sides a brown or a purple block is looking.
#include "state/tiles.h"
#include "world/world_rules.h"

namespace quobbles::world {

namespace {

struct Scan {
  int dx, dy;         // step away from the player
  uint8_t side;       // the blocks it meets see the player from this side (seen_from)
  uint8_t direction;  // written into the state grid: towards the player
  int line;           // Line1(n) at index n - 1
};

// In this order: right, left, up, down.
constexpr std::array<Scan, 4> kScans = {{
    {1, 0, seen_from::kRight, kMoveLeft, 0},
    {-1, 0, seen_from::kLeft, kMoveRight, 2},
    {0, -1, seen_from::kAbove, kMoveDown, 1},
    {0, 1, seen_from::kBelow, kMoveUp, 3},
}};

// A moving block of the given family that this scan starts.
bool startedBy(const Scan& scan, uint8_t c, Mover family) {
  return moverOf(c) == family && (tileOf(c).seenFrom & scan.side) != 0;
}

}  // namespace

void Palikat_liikkeeseen(GameState& g, BoardModel& b) {
  for (auto& line : b.controls.lines) line.colour = colour::kGrey;
  for (const Scan& scan : kScans) {
    // Each scan starts on the player's own square and runs to the map edge; a square that
    // blocks sight ends it, whether its block was started or not.
    for (g.ScanPos = {g.PlayerPos.x, g.PlayerPos.y}; g.insideMap(g.ScanPos.x, g.ScanPos.y);
         g.ScanPos.x = static_cast<int16_t>(g.ScanPos.x + scan.dx),
        g.ScanPos.y = static_cast<int16_t>(g.ScanPos.y + scan.dy)) {
      const uint8_t c = g.code(g.ScanPos.x, g.ScanPos.y);
      if (startedBy(scan, c, Mover::kBrownBlock)) {
        g.state(g.ScanPos.x, g.ScanPos.y) = scan.direction;
        b.controls.lines[static_cast<std::size_t>(scan.line)].colour = colour::kOrange;
      }
      if (startedBy(scan, c, Mover::kPurpleBlock)) {
        g.state(g.ScanPos.x, g.ScanPos.y) = scan.direction;
        b.controls.lines[static_cast<std::size_t>(scan.line)].colour = colour::kPink;
      }
      if (blocksSight(c)) break;
    }
  }
}

}  // namespace quobbles::world
