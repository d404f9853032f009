// Fuzz target: the rules engine fed an arbitrary map, counters and key string. Besides not
// crashing, every key must leave the state inside the game's ranges.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "board/board_engine.h"
#include "board/session.h"
#include "sim/dump.h"
#include "state/tiles.h"
#include "support/engine_invariants.h"

namespace {

using namespace quobbles;

// The keys the board acts on, plus one it ignores.
constexpr char kKeys[] = {'2', '4', '5', '6', '8', 'c', 'v', 'b', 'n',
                          'm', 'a', 'd', 'w', 'x', 's', ' ', 27,  'Z'};

void checkInvariants(const Session& s) {
  const std::string broken = testing::brokenInvariant(s);
  if (!broken.empty()) {
    std::fprintf(stderr, "engine invariant broken: %s\n", broken.c_str());
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size < static_cast<std::size_t>(kSquares) + kSpecialCount) return 0;
  Level level;
  for (int i = 0; i < kSquares; ++i)
    level.MapGrid[static_cast<std::size_t>(i)] = kTiles[data[i] % kTiles.size()].code;
  std::array<int32_t, kSpecialCount> counters{};
  for (int i = 0; i < kSpecialCount; ++i) counters[static_cast<std::size_t>(i)] = data[kSquares + i] % 4;
  Session s = startTestPlay(level, counters);
  checkInvariants(s);
  for (std::size_t i = kSquares + kSpecialCount; i < size && i < kSquares + kSpecialCount + 400; ++i) {
    replay(s, std::string(1, kKeys[data[i] % sizeof kKeys]));
    checkInvariants(s);
  }
  return 0;
}
