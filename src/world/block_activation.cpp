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
constexpr bool startedBy(const Scan& scan, uint8_t c, Mover family) {
  return moverOf(c) == family && (tileOf(c).seenFrom & scan.side) != 0;
}

// For every code, what each scan does on it, read once per square: bit n for a brown block that
// scan n starts, bit 4 + n for a purple one, and kSight for a square that ends every scan.
constexpr uint16_t kSight = 1 << 8;
constexpr std::array<uint16_t, 256> kOnScan = [] {
  std::array<uint16_t, 256> on{};
  for (int c = 0; c < 256; ++c) {
    const auto code = static_cast<uint8_t>(c);
    for (std::size_t n = 0; n < kScans.size(); ++n) {
      if (startedBy(kScans[n], code, Mover::kBrownBlock)) on[code] |= static_cast<uint16_t>(1 << n);
      if (startedBy(kScans[n], code, Mover::kPurpleBlock)) on[code] |= static_cast<uint16_t>(16 << n);
    }
    if (blocksSight(code)) on[code] |= kSight;
  }
  return on;
}();

}  // namespace

bool Palikat_liikkeeseen(GameState& g, BoardModel& b) {
  bool started = false;
  for (auto& line : b.controls.lines) line.colour = colour::kGrey;
  const int px = g.PlayerPos.x, py = g.PlayerPos.y;
  for (std::size_t n = 0; n < kScans.size(); ++n) {
    const Scan& scan = kScans[n];
    // Each scan starts on the player's own square and runs to the map edge; a square that
    // blocks sight ends it, whether its block was started or not.
    const bool onMap = g.insideMap(px, py);
    const int steps = !onMap        ? -1
                      : scan.dx > 0 ? g.MapMax.x - px
                      : scan.dx < 0 ? px
                      : scan.dy < 0 ? py
                                    : g.MapMax.y - py;
    const int stride = scan.dx + scan.dy * kMapSize;
    int square = onMap ? squareIndex(px, py) : 0, step = 0;
    for (; step <= steps; ++step, square += stride) {
      const uint16_t on = kOnScan[g.level.MapGrid[static_cast<std::size_t>(square)]];
      if (on == 0) continue;  // open floor and the like: the scan goes on
      if (on & (1 << n)) {
        g.StateGrid[static_cast<std::size_t>(square)] = scan.direction;
        started = true;
        b.controls.lines[static_cast<std::size_t>(scan.line)].colour = colour::kOrange;
      }
      if (on & (16 << n)) {
        g.StateGrid[static_cast<std::size_t>(square)] = scan.direction;
        started = true;
        b.controls.lines[static_cast<std::size_t>(scan.line)].colour = colour::kPink;
      }
      if (on & kSight) break;
    }
    // The scan's cursor stays where it ended: on the square that blocked sight, or one past the edge.
    g.ScanPos = {static_cast<int16_t>(px + step * scan.dx), static_cast<int16_t>(py + step * scan.dy)};
  }
  return started;
}

}  // namespace quobbles::world
