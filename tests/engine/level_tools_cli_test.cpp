// The level maker's command-line tools as he runs them. quobbles-sim: a level file and a key
// string in, the whole state out (after the last key, or after every one with --each, from the
// counters given), and a one-line complaint with exit status 2 for anything it cannot play (the
// dump's own fields are held by the recorded dumps of campaign_dumps_test.cpp and by the rules
// tests). quobbles-mapcheck, on maps written as text: a report per map, exit status 0 only when
// every check holds, 1 when one fails, 2 for anything it cannot read.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "board/session.h"
#include "sim/dump.h"
#include "state/level_file.h"
#include "support/ascii_map.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace quobbles::testing {
namespace {

namespace fs = std::filesystem;

ProgramRun runSim(const std::string& arguments) {
  return runProgram(QUOBBLES_SIM_PATH, arguments);
}
ProgramRun runMapcheck(const std::string& arguments) {
  return runProgram(QUOBBLES_MAPCHECK_PATH, arguments);
}

// The map written as text; returns its path quoted for the shell.
std::string writeMap(const fs::path& file, const std::string& header, const std::string& rows) {
  std::ofstream(file) << "name: Test\ncode: 1\nstatus: 1\n" << header << "map:\n" << rows;
  return shellQuoted(file);
}

TEST(SimCli, DumpsTheStateTheGamesOwnRulesLeaveAfterTheKeysOrAfterEachKey) {
  TempFolder folder;
  // A star, a brown block that sees the player, a spike ball below him, a hanger by a wall.
  const Level level = levelFromPicture({".*.O", "x", "", "..#H"});
  const std::string file = shellQuoted(folder.path() / "a.lev");
  ASSERT_EQ(WriteLevel(folder.path() / "a.lev", level), "");
  Session plain = startTestPlay(level), counted = startTestPlay(level, {1, 2, 3, 4, 5});
  replay(plain, "6");
  const ProgramRun once = runSim(file + " 6");
  EXPECT_EQ((std::tuple{once.status, once.out, once.err}), (std::tuple{0, sim::dump(plain), ""}));
  std::string steps = "step 0\n" + sim::dump(counted);
  replay(counted, "c");
  steps += "step 1\n" + sim::dump(counted);
  replay(counted, "2");
  steps += "step 2\n" + sim::dump(counted);
  const ProgramRun each = runSim("--counters 1,2,3,4,5 --each " + file + " c2");
  EXPECT_EQ((std::tuple{each.status, each.out, each.err}), (std::tuple{0, steps, ""}));
  EXPECT_EQ(counted.game.PlayState, 1) << "the spike ball killed him";
}

TEST(SimCli, RefusesWhatItCannotPlay) {
  TempFolder folder;
  const auto level = [&folder](const char* name, std::size_t mapBytes, uint8_t code = 0) {
    std::string record = {3, 0, 'c', 'l', 'i', 0, 0, 0, 0};
    record += std::string(mapBytes, '\0');
    if (code != 0) record[9 + 55] = static_cast<char>(code);
    std::ofstream(folder.path() / name, std::ios::binary) << record;
    return shellQuoted(folder.path() / name);
  };
  const std::string good = level("good.lev", 2500);
  const std::pair<const char*, std::string> cases[] = {
      {"missing file", shellQuoted(folder.path() / "nowhere.lev") + " 5"},
      {"short file", level("short.lev", 2499) + " 5"},
      {"map byte 17", level("code17.lev", 2500, 17) + " 5"},
      {"key below 32", good + " '5\t5'"},
      {"key above 126", good + " \"$(printf '5\\177')\""},
      {"too few counters", "--counters 1,2,3 " + good + " 5"},
      {"counters not numbers", "--counters a,b,c,d,e " + good + " 5"},
  };
  ASSERT_EQ(runSim(good + " 5").status, 0);
  for (const auto& [name, arguments] : cases) {
    const ProgramRun r = runSim(arguments);
    EXPECT_EQ((std::tuple{r.status, r.out, r.saidOneLine()}), (std::tuple{2, "", true}))
        << name << ": " << r.err;
  }
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
}  // namespace quobbles::testing
