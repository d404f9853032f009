// How long one turn takes on a busy map: hundreds of purple blocks and hangers on the move,
// brown blocks watching, mines and buttons in their way.
#include <benchmark/benchmark.h>

#include "board/board_engine.h"
#include "board/session.h"
#include "sim/dump.h"
#include "state/tiles.h"

namespace {

using namespace quobbles;

// A checkerboard of lanes: every third row holds purple blocks and hangers, the rows between are
// open, with walls and mines scattered so that movers keep turning, stopping and blowing up.
Level busyLevel() {
  Level level;
  for (int y = 0; y < kMapSize; ++y) {
    for (int x = 0; x < kMapSize; ++x) {
      uint8_t c = tile::Empty;
      if (y % 3 == 1)
        c = (x % 4 == 0) ? tile::Hanger : (x % 4 == 2 ? tile::PurpleBlock : tile::Empty);
      else if (y % 6 == 0 && x % 7 == 3)
        c = tile::Mine;
      else if (y % 6 == 3 && x % 9 == 5)
        c = tile::BreakableWall;
      else if (x == 25 && y % 5 == 2)
        c = tile::BrownBlock;
      level.code(x, y) = c;
    }
  }
  level.code(0, 0) = tile::Empty;
  return level;
}

void OneTurnOnABusyMap(benchmark::State& state) {
  const Session start = startTestPlay(busyLevel(), {0, 0, 0, 0, 99});
  Session s = start;
  // Give every purple block a heading, as if they had all seen the player.
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x)
      if (s.game.code(x, y) == tile::PurpleBlock) s.game.state(x, y) = static_cast<uint8_t>(1 + (x + y) % 4);
  const Session moving = s;
  int turns = 0;
  for (auto _ : state) {
    if (++turns == 40) {  // keep the map busy: start again before the movers have settled
      state.PauseTiming();
      s = moving;
      turns = 0;
      state.ResumeTiming();
    }
    s.game.LastMoveKey = 53;
    s.board.vars.TurnAction = turn_action::kImmortality;  // the player survives every turn
    board::Vuoron_suoritus(s.game, s.board);
    benchmark::DoNotOptimize(s.game.level.MapGrid.data());
  }
}
BENCHMARK(OneTurnOnABusyMap);

void KeyStringReplay(benchmark::State& state) {
  const Level level = busyLevel();
  for (auto _ : state) {
    Session s = startTestPlay(level, {0, 0, 0, 0, 1000});
    replay(s, "m6m6m2m2m5m4m8m5m6m2");
    benchmark::DoNotOptimize(s.game.PlayState);
  }
}
BENCHMARK(KeyStringReplay);

}  // namespace
