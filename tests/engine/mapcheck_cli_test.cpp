// quobbles-mapcheck as a level maker runs it on maps written as text: a report per map, exit
// status 0 only when every check holds, 1 when one fails, 2 for anything it cannot read.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/run_program.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using quobbles::testing::ProgramRun;
using quobbles::testing::shellQuoted;
using quobbles::testing::TempFolder;

ProgramRun runMapcheck(const std::string& arguments) {
  return quobbles::testing::runProgram(QUOBBLES_MAPCHECK_PATH, arguments);
}

// The map written as text; returns its path quoted for the shell.
std::string writeMap(const fs::path& file, const std::string& header, const std::string& rows) {
  std::ofstream(file) << "name: Test\ncode: 1\nstatus: 1\n" << header << "map:\n" << rows;
  return shellQuoted(file);
}

TEST(MapcheckCli, ReportsSpanWalksSolverAndTheProofOfEachSpecial) {
  TempFolder folder;
  // A soft wall between the start and the exit, the red pipe before it: a real need.
  const std::string good = writeMap(folder.path() / "good.txt", "needs: remove-block\n", ".r.w..E\n");
  ProgramRun r = runMapcheck(good);
  EXPECT_EQ(r.status, 0) << r.out << r.err;
  for (const char* line :
       {"open span 6 x 1", "walk, movers as floor: no way", "walk, movers as walls: no way",
        "specials offered: remove-block", "solver: solved in 7 turns", "without remove-block: unsolvable"})
    EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;

  // A walk passes, and the blue pipe on the way is offered without being needed.
  const std::string bad = writeMap(folder.path() / "bad.txt", "solution: 66\n", ".iE\n");
  r = runMapcheck(bad);
  EXPECT_EQ(r.status, 1) << r.out;
  for (const char* line : {"walk, movers as floor: PASSES 66", "FAIL a plain walk passes",
                           "FAIL the needs line does not name exactly the specials offered",
                           "without invisibility: solved in 2 turns",
                           "FAIL invisibility is not proven needed", "stored solution: 2 turns, passes"})
    EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;

  // Without a search the same map still fails on what needs none.
  r = runMapcheck("--quick " + bad);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out.find("solver"), std::string::npos) << r.out;

  // The squares behind a wall count as open when a teleport leads there.
  r = runMapcheck("--quick " + writeMap(folder.path() / "teleports.txt", "", ".T#T.E\n"));
  EXPECT_NE(r.out.find("open span 5 x 1"), std::string::npos) << r.out;
}

TEST(MapcheckCli, PlaysKeysListsThePaletteAndRefusesWhatItCannotRead) {
  TempFolder folder;
  // A block that moves left only when it sees the player on its left, in its own row.
  const std::string map = writeMap(folder.path() / "map.txt", "", "..(\n...E\n");
  ProgramRun r = runMapcheck("--play 62 " + map);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("state 1  player 1,0"), std::string::npos) << r.out;
  // Under its row it never sees him: the squares walked over are marked, the player stands at the exit.
  r = runMapcheck("--play 2666 " + map);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find(",.(\n,,@E"), std::string::npos) << r.out;

  r = runMapcheck("--palette " + map);
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("palette codes unused: 1'+'"), std::string::npos) << r.out;
  EXPECT_EQ(r.out.find(" 85'('"), std::string::npos) << "the block is used";

  for (const std::string& args :
       {"--max-states 0 " + map, "--each " + map, shellQuoted(folder.path() / "missing.txt")}) {
    r = runMapcheck(args);
    EXPECT_EQ(r.status, 2) << args;
    EXPECT_EQ(r.err.rfind("quobbles-mapcheck: ", 0), 0u) << r.err;
  }
}

}  // namespace
