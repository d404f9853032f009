// Fuzz target: the rules engine fed an arbitrary map, counters and key string. Besides not
// crashing, every key must leave the state inside the game's ranges.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "board/board_engine.h"
#include "sim/session.h"
#include "state/tiles.h"

namespace {

using namespace quobbles;

// The keys the board acts on, plus one it ignores.
constexpr char kKeys[] = {'2', '4', '5', '6', '8', 'c', 'v', 'b', 'n', 'm', 'a', 'd', 'w', 'x', 's', ' ', 27, 'Z'};

void require(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "engine invariant broken: %s\n", what);
    std::abort();
  }
}

bool validStateByte(uint8_t s) { return s <= 5 || (s >= 10 && s <= 15) || s == 25; }

void checkInvariants(const sim::Session& s) {
  const GameState& g = s.game;
  const BoardModel& b = s.board;
  require(g.PlayerPos.x < kMapSize && g.PlayerPos.y < kMapSize, "the player stays on the map");
  require(g.PlayState <= 2, "play state is 0, 1 or 2");
  require(b.vars.ViewShift.x <= 8 && b.vars.ViewShift.y <= 8, "view shift stays in 0..8");
  int stars = 0;
  for (int i = 0; i < kSquares; ++i) {
    require(isValidTileCode(g.level.MapGrid[static_cast<std::size_t>(i)]), "every square holds a tile code");
    require(validStateByte(g.StateGrid[static_cast<std::size_t>(i)]), "state bytes keep their known values");
    stars += g.level.MapGrid[static_cast<std::size_t>(i)] == tile::Star;
  }
  require(b.vars.StarsLeft >= stars, "stars left counts every star still on the map");
  for (int32_t c : b.controls.mAna) require(c >= 0 && c <= kCounterLimit, "counters stay in range");
  require(b.controls.figureLeft >= kBoardOrigin && b.controls.figureLeft <= kBoardEnd - kSquareTwips,
          "the figure stays over the board");
  require(b.controls.figureTop >= kBoardOrigin && b.controls.figureTop <= kBoardEnd - kSquareTwips,
          "the figure stays over the board");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size < static_cast<std::size_t>(kSquares) + kSpecialCount) return 0;
  Level level;
  for (int i = 0; i < kSquares; ++i)
    level.MapGrid[static_cast<std::size_t>(i)] = kValidTileCodes[data[i] % kValidTileCodes.size()];
  std::array<int32_t, kSpecialCount> counters{};
  for (int i = 0; i < kSpecialCount; ++i) counters[static_cast<std::size_t>(i)] = data[kSquares + i] % 4;
  sim::Session s = sim::startSession(level, counters);
  checkInvariants(s);
  for (std::size_t i = kSquares + kSpecialCount; i < size && i < kSquares + kSpecialCount + 400; ++i) {
    sim::pressKey(s, kKeys[data[i] % sizeof kKeys]);
    checkInvariants(s);
  }
  return 0;
}
