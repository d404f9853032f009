// quobbles-sim as a level maker runs it: a level file and a key string in, the whole state out
// (after the last key, or after every one with --each, from the counters given), and a one-line
// complaint with exit status 2 for anything it cannot play. The dump's own fields are held by the
// recorded dumps (campaign_dumps_test.cpp) and by the rules tests, which read them field by field.
#include <gtest/gtest.h>

#include <fstream>

#include "board/session.h"
#include "sim/dump.h"
#include "state/level_file.h"
#include "support/ascii_map.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace quobbles::testing {
namespace {

ProgramRun runSim(const std::string& arguments) {
  return runProgram(QUOBBLES_SIM_PATH, arguments);
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

}  // namespace
}  // namespace quobbles::testing
