// The solver behind "quobbles-sim --solve": fewest turns on small levels whose answer is known,
// levels that cannot be passed, the star mission's detour, the bound on states, the live area
// it plays on, and the command line's output, whose solution must replay to a pass.
#include "solver/solver.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include "board/session.h"
#include "sim/dump.h"
#include "state/level_file.h"
#include "support/ascii_map.h"
#include "support/temp_folder.h"

namespace quobbles::solver {
namespace {

using Verdict = SolveResult::Verdict;

// Walled levels; "^" is a brown block that moves only up, "~" a purple one that moves only sideways.
Level walled(const std::vector<std::string>& rows) {
  return testing::levelFromPicture(rows, '#', {{'^', 84}, {'~', 102}});
}

// Turns in a key string: b, c and m only prefix a move.
int turnsIn(const std::string& keys) {
  int turns = 0;
  for (char k : keys) turns += std::string("bcm").find(k) == std::string::npos;
  return turns;
}

// Whether the keys pass the level, with every star collected exactly when `stars`.
bool passes(const Level& level, const std::string& keys, bool stars = false) {
  Session s = startTestPlay(level);
  replay(s, keys);
  return s.game.PlayState == 2 && s.board.controls.allStarsVisible == stars;
}

TEST(Solver, FindsTheFewestTurns) {
  // Past the up-only block only while it cannot see you; over the spike ball only while immortal;
  // the block walks down the dead end at you: seven steps and one turn to drop the mine; the hanger
  // comes along the only row and circles in the corner: let it in, then go.
  const std::pair<std::vector<std::string>, int> cases[] = {
      {{"...E"}, 3},     {{".#.E", "...#"}, 5},      {{".rwE"}, 4}, {{".i..E", "###^#"}, 4}, {{".IxE"}, 3},
      {{".m...O.E"}, 8}, {{"...H..E", "..#####"}, 9}};
  for (const auto& [rows, turns] : cases) {
    const SolveResult r = solve(walled(rows), false, 100'000);
    EXPECT_EQ((std::tuple{r.verdict, r.turns, turnsIn(r.keys)}), (std::tuple{Verdict::kSolved, turns, turns}))
        << rows[0] << ": " << r.keys;
    EXPECT_TRUE(passes(walled(rows), r.keys)) << rows[0] << ": " << r.keys;
  }
}

TEST(Solver, SaysWhatCannotBePassedAndStopsAtItsBound) {
  // Each is closed without the pick-up of the levels above, the last one walled in; the solver must
  // say so, not give up.
  for (const auto& rows :
       std::vector<std::vector<std::string>>{{"..wE"}, {"....E", "###^#"}, {"..xE"}, {"....O.E"}, {".#E"}})
    EXPECT_EQ(solve(walled(rows), false, 100'000).verdict, Verdict::kUnsolvable) << rows[0];
  // An open room without an exit: every square is a state.
  const Level room = walled({"..........", "..........", "..........", "..........", ".........."});
  const SolveResult all = solve(room, false, 1000), bounded = solve(room, false, 20);
  EXPECT_EQ((std::pair{all.verdict, all.states}), (std::pair{Verdict::kUnsolvable, int64_t{50}}));
  EXPECT_EQ((std::pair{bounded.verdict, bounded.states}), (std::pair{Verdict::kGaveUp, int64_t{20}}));
}

TEST(Solver, StarsNeedADetourOrCannotBeHad) {
  const Level detour = walled({"..E", "*##"});  // the exit two steps away, the star one step down
  const SolveResult plain = solve(detour, false, 1000), stars = solve(detour, true, 1000);
  EXPECT_EQ((std::pair{plain.turns, stars.turns}), (std::pair{2, 4}));
  EXPECT_TRUE(passes(detour, plain.keys, false)) << plain.keys;
  EXPECT_TRUE(passes(detour, stars.keys, true)) << stars.keys;
  // A star walled in behind the exit: the level passes, the mission never does.
  EXPECT_EQ(solve(walled({"..E", "###*"}), false, 1000).verdict, Verdict::kSolved);
  EXPECT_EQ(solve(walled({"..E", "###*"}), true, 1000).verdict, Verdict::kUnsolvable);
  // A purple block woken by the first step slides over the star: grab it before the block does.
  const Level raced = walled({"..*...~", "...E###"});
  EXPECT_TRUE(passes(raced, solve(raced, true, 10'000).keys, true));
}

TEST(Solver, LiveAreaPlaysLikeTheWholeMap) {
  // Movers, teleports and gravity that reach the edge of the live area.
  for (const auto& rows : std::vector<std::vector<std::string>>{
           {"..T.H", "#...#", "T..*E"}, {".<.....", "##...##", "##..U.E"}, {"....O", ".###.", "...#E"}}) {
    for (bool stars : {false, true}) {
      const SolveOptions live{stars}, whole{stars, kDefaultMaxStates, false};
      const SolveResult a = solve(walled(rows), live), b = solve(walled(rows), whole);
      EXPECT_EQ((std::tuple{a.verdict, a.turns, a.states}), (std::tuple{b.verdict, b.turns, b.states}))
          << rows[0];
    }
  }
}

// The command line, as a level maker runs it: the output and exit status.
std::pair<std::string, int> runSim(const std::string& arguments) {
  FILE* pipe = popen(("'" QUOBBLES_SIM_PATH "' " + arguments + " 2>/dev/null").c_str(), "r");
  std::string out;
  char buffer[4096];
  for (std::size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int wait = pipe ? pclose(pipe) : -1;
  return {out, WIFEXITED(wait) ? WEXITSTATUS(wait) : -1};
}

TEST(SolverCli, PrintsASolutionThatReplaysOrWhyThereIsNone) {
  testing::TempFolder folder;
  const Level level = walled({".#...", "...#E", "..*##"});
  const std::string file = (folder.path() / "solve.lev").string(),
                    closed = (folder.path() / "closed.lev").string();
  ASSERT_EQ(WriteLevel(file, level), "");
  ASSERT_EQ(WriteLevel(closed, walled({"..#E"})), "");
  for (bool stars : {false, true}) {
    const SolveResult r = solve(level, stars, kDefaultMaxStates);
    EXPECT_EQ(runSim(std::string("--solve ") + (stars ? "--stars '" : "'") + file + "'"),
              std::pair("solution " + r.keys + "\nturns " + std::to_string(r.turns) + "\nstates " +
                            std::to_string(r.states) + "\n",
                        0));
    EXPECT_TRUE(passes(level, r.keys, stars)) << r.keys;
  }
  EXPECT_EQ(runSim("--solve '" + closed + "'"), std::pair(std::string("unsolvable\nstates 2\n"), 1));
  EXPECT_EQ(runSim("--solve --max-states 1 '" + closed + "'"),
            std::pair(std::string("gave up\nstates 1\n"), 1));
}

}  // namespace
}  // namespace quobbles::solver
