// A breadth-first search over whole turns on the game's own rules: the fewest turns from the
// level start (all counters 0) to the exit, optionally with every star collected.
#pragma once

#include <cstdint>
#include <string>

#include "state/game_state.h"

namespace quobbles::solver {

constexpr int64_t kDefaultMaxStates = 3'000'000;

struct SolveOptions {
  bool allStars = false;  // the exit counts only with every star collected
  int64_t maxStates = kDefaultMaxStates;
  // Play the search on the smallest rectangle from (0, 0) outside which the map holds only
  // permanent walls, closed by one row and column of them (the rules see such a wall and the
  // map edge alike). Off, every turn sweeps the whole map; kept for comparing the two.
  bool liveAreaOnly = true;
};

struct SolveResult {
  enum class Verdict { kSolved, kUnsolvable, kGaveUp } verdict = Verdict::kUnsolvable;
  std::string keys;    // the solution's key string
  int turns = 0;       // turns it takes
  int64_t states = 0;  // distinct states searched
  double seconds = 0;
};

[[nodiscard]] SolveResult solve(const Level& level, const SolveOptions& options);
[[nodiscard]] SolveResult solve(const Level& level, bool allStars, int64_t maxStates);

// The highest x and y of the live rectangle described at SolveOptions::liveAreaOnly.
[[nodiscard]] WordPos liveArea(const Level& level);

}  // namespace quobbles::solver
