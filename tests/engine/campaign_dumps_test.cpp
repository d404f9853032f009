// The rules must not drift: every stored solution of the campaign, replayed on the engine, ends in
// exactly the state that was recorded when it was written (tests/data/dumps, one file per map and
// mission, as quobbles-sim prints it).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "board/session.h"
#include "sim/dump.h"
#include "sim/level_text.h"

namespace quobbles::sim {
namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
  return std::string(std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {});
}

TEST(CampaignDumps, EveryStoredSolutionEndsInItsRecordedState) {
  const fs::path maps = fs::path(QUOBBLES_SOURCE_DIR) / "data" / "campaign-maps";
  const fs::path dumps = fs::path(QUOBBLES_SOURCE_DIR) / "tests" / "data" / "dumps";
  int compared = 0;
  for (const auto& entry : fs::directory_iterator(dumps)) {
    // MapN.solution.dump or MapN.stars.dump
    const std::string map = entry.path().stem().stem().string();
    const std::string mission = entry.path().stem().extension().string();
    const Outcome<LevelText> text = parseLevelText(readText(maps / (map + ".txt")));
    ASSERT_TRUE(text) << map << ": " << text.reason;
    Session s = startTestPlay(text.value->level);
    replay(s, mission == ".stars" ? text.value->starSolution : text.value->solution);
    EXPECT_EQ(dump(s), readText(entry.path())) << entry.path().filename();
    ++compared;
  }
  EXPECT_GE(compared, 29);
}

}  // namespace
}  // namespace quobbles::sim
