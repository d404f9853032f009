// The solver behind "quobbles-sim --solve": fewest turns on small levels whose answer is known,
// levels that cannot be passed, stars raced for or out of reach, the live area it plays on and the
// world's answers it shares, a search in a thread of its own, and the command line's output, whose
// solution must replay to a pass, and its limits.
#include "solver/solver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "board/session.h"
#include "state/level_file.h"
#include "state/tiles.h"
#include "support/ascii_map.h"
#include "support/run_program.h"
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

// Its bounds on states and memory are seen through "Check level" (level_check_test.cpp).
TEST(Solver, FindsTheFewestTurnsOrSaysThereIsNoWay) {
  // Past the up-only block only while it cannot see you; over the spike ball only while immortal;
  // the block walks down the dead end at you: seven steps and one turn to drop the mine; the hanger
  // comes along the only row and circles in the corner: let it in, then go. Without the pick-up,
  // or walled in, there is no way (0 turns), and the solver must say so, not give up.
  const std::pair<std::vector<std::string>, int> cases[] = {{{"...E"}, 3},
                                                            {{".#.E", "...#"}, 5},
                                                            {{".rwE"}, 4},
                                                            {{".i..E", "###^#"}, 4},
                                                            {{".IxE"}, 3},
                                                            {{".m...O.E"}, 8},
                                                            {{"...H..E", "..#####"}, 9},
                                                            {{"..wE"}, 0},
                                                            {{"....E", "###^#"}, 0},
                                                            {{"..xE"}, 0},
                                                            {{"....O.E"}, 0},
                                                            {{".#E"}, 0}};
  for (const auto& [rows, turns] : cases) {
    const SolveResult r = solve(walled(rows), false, 100'000);
    if (turns == 0) {
      EXPECT_EQ(r.verdict, Verdict::kUnsolvable) << rows[0];
      continue;
    }
    EXPECT_EQ((std::tuple{r.verdict, r.turns, turnsIn(r.keys)}), (std::tuple{Verdict::kSolved, turns, turns}))
        << rows[0] << ": " << r.keys;
    EXPECT_TRUE(passes(walled(rows), r.keys)) << rows[0] << ": " << r.keys;
  }
}

TEST(Solver, StarsCanBeRacedForOrCannotBeHad) {
  // A star walled in behind the exit: the level passes, the mission never does (the detour for a
  // star is in level_check_test.cpp).
  EXPECT_EQ(solve(walled({"..E", "###*"}), false, 1000).verdict, Verdict::kSolved);
  EXPECT_EQ(solve(walled({"..E", "###*"}), true, 1000).verdict, Verdict::kUnsolvable);
  // A purple block woken by the first step slides over the star: grab it before the block does.
  const Level raced = walled({"..*...~", "...E###"});
  EXPECT_TRUE(passes(raced, solve(raced, true, 10'000).keys, true));
}

// Rooms full of movers, specials, stars, mines, teleports, gravity squares, buttons and doors, with
// the verdict, turns and states the solver found before it was made faster
// (tests/data/solver_rooms.txt). Every way of searching must find exactly those: every turn played
// on its own on the whole map as the rules say, and with the live area, the world's answers
// shared, or both.
TEST(Solver, EveryWayOfSearchingFindsWhatTheFirstSolverFound) {
  std::ifstream in(std::string(QUOBBLES_SOURCE_DIR) + "/tests/data/solver_rooms.txt");
  const std::map<std::string, Verdict> verdictOf = {
      {"solved", Verdict::kSolved}, {"unsolvable", Verdict::kUnsolvable}, {"gave-up", Verdict::kGaveUp}};
  std::map<Verdict, int> verdicts;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string picture;
    fields >> picture;
    std::vector<std::string> rows;
    for (std::istringstream parts(picture); std::getline(parts, rows.emplace_back(), '/');) {
    }
    rows.pop_back();
    const Level level = walled(rows);
    for (int mission = 0; mission < 2; ++mission) {
      std::string name, verdict;
      int turns = 0;
      int64_t states = 0;
      fields >> name >> verdict >> turns >> states;
      const bool stars = name == "stars";
      ++verdicts[verdictOf.at(verdict)];
      for (const auto& [live, share] :
           {std::pair{false, false}, {true, false}, {false, true}, {true, true}}) {
        SolveOptions options{stars, 3000, live};
        options.shareWorldAnswers = share;
        const SolveResult r = solve(level, options);
        EXPECT_EQ((std::tuple{r.verdict, r.turns, r.states}),
                  (std::tuple{verdictOf.at(verdict), turns, states}))
            << picture << " " << name << ", live area " << live << ", shared answers " << share;
        Session s = startTestPlay(level);
        replay(s, r.keys);
        EXPECT_TRUE(r.verdict != Verdict::kSolved ||
                    (s.game.PlayState == 2 && (!stars || s.board.controls.allStarsVisible)))
            << picture << ": " << r.keys;
      }
    }
  }
  // The rooms give every answer a search can give, or the comparison would prove little.
  EXPECT_GE(verdicts[Verdict::kSolved], 40);
  EXPECT_GE(verdicts[Verdict::kUnsolvable], 20);
  EXPECT_GE(verdicts[Verdict::kGaveUp], 10);
}

// Its progress and cancelling are seen through "Check level" (level_check_test.cpp).
TEST(SearchJob, SearchesItsOwnCopyInItsOwnThread) {
  Level level = walled({"...H..E", "..#####"});
  const SolveResult alone = solve(level, SolveOptions{});
  SearchJob job(level, SolveOptions{});
  level.MapGrid.fill(tile::PermanentWall);  // the editor goes on changing its level
  const SolveResult& r = job.result();
  EXPECT_EQ((std::tuple{r.verdict, r.keys, r.states}),
            (std::tuple{Verdict::kSolved, alone.keys, alone.states}));
  EXPECT_TRUE(job.done());
  // The last progress is the answer's.
  EXPECT_EQ((std::pair{job.progress().states.load(), job.progress().peakBytes.load()}),
            (std::pair{r.states, r.peakBytes}));
  EXPECT_GT(r.peakBytes, 0);
}

// The command line, as a level maker runs it.
testing::ProgramRun runSim(const std::string& arguments) {
  return testing::runProgram(QUOBBLES_SIM_PATH, arguments);
}

TEST(SolverCli, PrintsASolutionThatReplaysOrWhyThereIsNone) {
  testing::TempFolder folder;
  const Level level = walled({".#...", "...#E", "..*##"});
  const std::string file = testing::shellQuoted(folder.path() / "solve.lev"),
                    closed = testing::shellQuoted(folder.path() / "closed.lev");
  ASSERT_EQ(WriteLevel(folder.path() / "solve.lev", level), "");
  ASSERT_EQ(WriteLevel(folder.path() / "closed.lev", walled({"..#E"})), "");
  for (const std::string stars : {"", "--stars "}) {
    const SolveResult r = solve(level, !stars.empty(), kDefaultMaxStates);
    const std::string want = "solution " + r.keys + "\nturns " + std::to_string(r.turns) + "\nstates " +
                             std::to_string(r.states) + "\n";
    const testing::ProgramRun plain = runSim("--solve " + stars + file);
    EXPECT_EQ(std::pair(plain.out, plain.status), std::pair(want, 0));
    // With progress the search runs in a thread of its own; the answer is the same.
    const testing::ProgramRun progress = runSim("--solve --progress " + stars + file);
    EXPECT_EQ(std::pair(progress.out, progress.status), std::pair(want, 0));
    EXPECT_NE(progress.err.find("searched " + std::to_string(r.states) + " states in "), std::string::npos)
        << progress.err;
    EXPECT_NE(progress.err.find(" MB\n"), std::string::npos) << progress.err;
    EXPECT_TRUE(passes(level, r.keys, !stars.empty())) << r.keys;
  }
  const testing::ProgramRun none = runSim("--solve " + closed);
  EXPECT_EQ(std::pair(none.out, none.status), std::pair(std::string("unsolvable\nstates 2\n"), 1));
}

TEST(SolverCli, SaysWhichLimitStoppedTheSearch) {
  testing::TempFolder folder;
  const std::string closed = testing::shellQuoted(folder.path() / "closed.lev"),
                    open = testing::shellQuoted(folder.path() / "open.lev");
  ASSERT_EQ(WriteLevel(folder.path() / "closed.lev", walled({"..#E"})), "");
  Level wide;
  wide.code(25, 25) = tile::Hanger;
  ASSERT_EQ(WriteLevel(folder.path() / "open.lev", wide), "");
  const testing::ProgramRun states = runSim("--solve --max-states 1 " + closed),
                            memory = runSim("--solve --max-memory 1 " + open);
  EXPECT_EQ(std::tuple(states.out, states.status), std::tuple("gave up\nstates 1\n", 1));
  EXPECT_NE(states.err.find("stopped without an answer: it reached its limit of 1 states (--max-states)"),
            std::string::npos)
      << states.err;
  EXPECT_EQ(std::tuple(memory.out.substr(0, 8), memory.status), std::tuple("gave up\n", 1));
  EXPECT_NE(memory.err.find("stopped without an answer: it reached its memory limit of 1 MB (--max-memory)"),
            std::string::npos)
      << memory.err;
  // Limits that are no limits, and limits without a search, are refused.
  for (const std::string& arguments :
       {"--solve --max-memory 0 " + open, "--solve --max-memory lots " + open, "--solve --max-memory " + open,
        "--max-memory 5 " + open + " 5", "--progress " + open + " 5"}) {
    const testing::ProgramRun r = runSim(arguments);
    EXPECT_EQ(std::tuple(r.out, r.status, r.err.substr(0, 14)), std::tuple("", 2, "quobbles-sim: "))
        << arguments;
  }
}

}  // namespace
}  // namespace quobbles::solver
