// The solver behind "quobbles-sim --solve": fewest turns on small levels whose answer is known,
// levels that cannot be passed, the star mission's detour, the bound on states, the live area
// it plays on, and the command line's output, whose solution must replay to a pass.
#include "sim/solver.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "editor/level_file.h"
#include "sim/session.h"
#include "support/ascii_map.h"
#include "support/temp_folder.h"

namespace quobbles::sim {
namespace {

using Verdict = SolveResult::Verdict;

// Directional blocks for the pictures, beside the default legend of ascii_map.h.
const std::map<char, uint8_t> kArrows = {{'^', 84}, {'v', 86}, {'(', 85}, {'~', 102}};

Level walled(const std::vector<std::string>& rows) {
  return testing::levelFromPicture(rows, '#', kArrows);
}

// Turns in a key string: every move key, mine and attack is one; b, c and m only prefix a move.
int turnsIn(const std::string& keys) {
  int turns = 0;
  for (char k : keys) turns += std::string("24568vn").find(k) != std::string::npos;
  return turns;
}

Session replay(const Level& level, const std::string& keys) {
  Session s = startSession(level);
  for (char k : keys) pressKey(s, k);
  return s;
}

TEST(Solver, FindsTheFewestTurns) {
  struct Case {
    const char* what;
    std::vector<std::string> rows;
    int turns;
  };
  const std::vector<Case> cases = {
      {"a straight walk", {"...E"}, 3},
      {"round a wall", {".#.E", "...#"}, 5},
      {"a breakable wall and the red pipe", {".rwE"}, 4},
      // Stepping next to the up-only block kills unless it cannot see you that turn.
      {"past a watcher, invisible", {".i..E", "###^#"}, 4},
      {"over a spike ball, immortal", {".IxE"}, 3},
      // The block walks at you down a dead end: seven steps and one turn to drop the mine.
      {"a mine for a block", {".m...O.E"}, 8},
      // A hanger comes along the only row and circles in the corner: let it in, then go.
      {"let a hanger pass", {"...H..E", "..#####"}, 9},
  };
  for (const Case& c : cases) {
    const Level level = walled(c.rows);
    const SolveResult r = solve(level, false, 100'000);
    ASSERT_EQ(r.verdict, Verdict::kSolved) << c.what;
    EXPECT_EQ(r.turns, c.turns) << c.what << ": " << r.keys;
    EXPECT_EQ(turnsIn(r.keys), r.turns) << c.what << ": " << r.keys;
    EXPECT_EQ(replay(level, r.keys).game.PlayState, 2) << c.what << ": " << r.keys;
  }
}

TEST(Solver, SpecialsAreUsedOnlyWhenTheyAreNeeded) {
  // Without its pick-up each of these levels is closed; the solver must say so, not give up.
  const std::vector<std::vector<std::string>> closed = {
      {"..wE"},
      {"....E", "###^#"},
      {"..xE"},
      {"....O.E"},
  };
  for (const auto& rows : closed) {
    const SolveResult r = solve(walled(rows), false, 100'000);
    EXPECT_EQ(r.verdict, Verdict::kUnsolvable) << rows[0];
    EXPECT_GT(r.states, 0) << rows[0];
  }
  // A walled-in start has one state.
  const SolveResult boxed = solve(walled({".#E"}), false, 100);
  EXPECT_EQ(boxed.verdict, Verdict::kUnsolvable);
  EXPECT_EQ(boxed.states, 1);
}

TEST(Solver, StarsNeedADetourOrCannotBeHad) {
  // The exit is two steps away; the star waits one step down.
  const Level detour = walled({"..E", "*##"});
  const SolveResult plain = solve(detour, false, 1000);
  ASSERT_EQ(plain.verdict, Verdict::kSolved);
  EXPECT_EQ(plain.turns, 2);
  EXPECT_FALSE(replay(detour, plain.keys).board.controls.allStarsVisible);
  const SolveResult stars = solve(detour, true, 1000);
  ASSERT_EQ(stars.verdict, Verdict::kSolved);
  EXPECT_EQ(stars.turns, 4);
  const Session s = replay(detour, stars.keys);
  EXPECT_EQ(s.game.PlayState, 2);
  EXPECT_TRUE(s.board.controls.allStarsVisible);

  // A star walled in behind the exit: the level passes, the mission never does.
  const Level hidden = walled({"..E", "###*"});
  EXPECT_EQ(solve(hidden, false, 1000).verdict, Verdict::kSolved);
  EXPECT_EQ(solve(hidden, true, 1000).verdict, Verdict::kUnsolvable);

  // A purple block woken by the first step slides over the star: grab it before the block does.
  const Level raced = walled({"..*...~", "...E###"});
  const SolveResult raceStars = solve(raced, true, 10'000);
  ASSERT_EQ(raceStars.verdict, Verdict::kSolved);
  EXPECT_TRUE(replay(raced, raceStars.keys).board.controls.allStarsVisible);
}

TEST(Solver, StopsAtItsBoundOfStates) {
  // An open room without an exit: every square is a state.
  const Level room = walled({"..........", "..........", "..........", "..........", ".........."});
  const SolveResult all = solve(room, false, 1000);
  EXPECT_EQ(all.verdict, Verdict::kUnsolvable);
  EXPECT_EQ(all.states, 50);
  const SolveResult bounded = solve(room, false, 20);
  EXPECT_EQ(bounded.verdict, Verdict::kGaveUp);
  EXPECT_EQ(bounded.states, 20);
}

TEST(Solver, LiveAreaPlaysLikeTheWholeMap) {
  EXPECT_EQ(liveArea(walled({"..E"})), (WordPos{3, 1}));
  Level corner = walled({"..E"});
  corner.code(49, 49) = 0;
  EXPECT_EQ(liveArea(corner), (WordPos{49, 49}));

  // Levels whose movers, teleports and gravity reach the edge of the live area.
  const std::vector<std::vector<std::string>> levels = {
      {"..T.H", "#...#", "T..*E"},
      {"..>...", "#####.", ".....E"},
      {".<.....", "##...##", "##..U.E"},
      {"....O", ".###.", "...#E"},
  };
  for (const auto& rows : levels) {
    const Level level = walled(rows);
    for (bool stars : {false, true}) {
      SolveOptions live, whole;
      live.allStars = whole.allStars = stars;
      whole.liveAreaOnly = false;
      const SolveResult a = solve(level, live), b = solve(level, whole);
      EXPECT_EQ(a.verdict, b.verdict) << rows[0];
      EXPECT_EQ(a.turns, b.turns) << rows[0];
      EXPECT_EQ(a.states, b.states) << rows[0];
    }
  }
}

// The command line, as a level maker runs it.
struct SimRun {
  int status = -1;
  std::string out;
};

SimRun runSim(const std::string& arguments) {
  SimRun r;
  FILE* pipe = popen((std::string("'") + QUOBBLES_SIM_PATH + "' " + arguments + " 2>/dev/null").c_str(), "r");
  if (!pipe) return r;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
  const int wait = pclose(pipe);
  r.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
  return r;
}

TEST(SolverCli, PrintsASolutionThatReplays) {
  testing::TempFolder folder;
  const Level level = walled({".#...", "...#E", "..*##"});
  const std::string file = (folder.path() / "solve.lev").string();
  ASSERT_EQ(WriteLevel(file, level), "");

  for (bool stars : {false, true}) {
    const SimRun r = runSim(std::string("--solve ") + (stars ? "--stars " : "") + "'" + file + "'");
    EXPECT_EQ(r.status, 0);
    const std::size_t keysEnd = r.out.find('\n');
    ASSERT_EQ(r.out.rfind("solution ", 0), 0u) << r.out;
    const std::string keys = r.out.substr(9, keysEnd - 9);
    const SolveResult direct = solve(level, stars, kDefaultMaxStates);
    EXPECT_EQ(r.out, "solution " + direct.keys + "\nturns " + std::to_string(direct.turns) + "\nstates " +
                         std::to_string(direct.states) + "\n");
    const Session s = replay(level, keys);
    EXPECT_EQ(s.game.PlayState, 2) << keys;
    EXPECT_EQ(s.board.controls.allStarsVisible, stars) << keys;
  }

  const std::string closed = (folder.path() / "closed.lev").string();
  ASSERT_EQ(WriteLevel(closed, walled({"..#E"})), "");
  const SimRun none = runSim("--solve '" + closed + "'");
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out, "unsolvable\nstates 2\n");
  const SimRun bounded = runSim("--solve --max-states 1 '" + closed + "'");
  EXPECT_EQ(bounded.status, 1);
  EXPECT_EQ(bounded.out, "gave up\nstates 1\n");
}

}  // namespace
}  // namespace quobbles::sim
