// The solver's answers on the campaign may not change as the search gets faster: for every map and
// star mission the fewest turns and the states searched are recorded (tests/data/solver_campaign.txt).
// The states may only go down from what the first solver searched, and only through pruning that
// keeps the fewest turns. Every search stays within 400 000 states, and act two (maps 21 to 40) is
// hard: each map takes at least 40 turns and 20 000 states, its last five 80 turns and 200 000
// states. The figures are printed, so that the difficulty curve can be read in the test log.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include "board/session.h"
#include "sim/level_text.h"
#include "solver/solver.h"
#include "state/tiles.h"

namespace quobbles::solver {
namespace {

namespace fs = std::filesystem;

const fs::path kSource = QUOBBLES_SOURCE_DIR;
constexpr int kActTwo = 21, kFinale = 36, kActTwoEnd = 41;

struct Recorded {
  int turns = 0;
  int64_t states = 0, statesBefore = 0;
};

// "MapN plain" or "MapN stars" -> what was recorded.
std::map<std::string, Recorded> recorded() {
  std::ifstream in(kSource / "tests" / "data" / "solver_campaign.txt");
  std::map<std::string, Recorded> out;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    std::string map, mission;
    Recorded r;
    fields >> map >> mission >> r.turns >> r.states >> r.statesBefore;
    out[map + " " + mission] = r;
  }
  return out;
}

TEST(SolverCampaign, FewestTurnsAndStatesSearchedAsRecorded) {
  const std::map<std::string, Recorded> figures = recorded();
  ASSERT_GE(figures.size(), 29u);
  std::map<std::string, bool> missions;  // every map, and its star mission if it has stars
  for (int n = 0;; ++n) {
    const fs::path file = kSource / "data" / "campaign-maps" / ("Map" + std::to_string(n) + ".txt");
    if (!fs::exists(file)) break;
    std::ifstream in(file, std::ios::binary);
    const Outcome<sim::LevelText> text =
        sim::parseLevelText(std::string(std::istreambuf_iterator<char>(in), {}));
    ASSERT_TRUE(text) << file.filename() << ": " << text.reason;
    const Level& level = text.value->level;
    const bool hasStars = std::count(level.MapGrid.begin(), level.MapGrid.end(), tile::Star) > 0;
    for (bool stars : {false, true}) {
      if (stars && !hasStars) continue;
      const std::string name = "Map" + std::to_string(n) + (stars ? " stars" : " plain");
      missions[name] = true;
      const auto found = figures.find(name);
      if (found == figures.end()) {
        ADD_FAILURE() << name
                      << " has no line in tests/data/solver_campaign.txt: record its turns and states";
        continue;
      }
      SolveOptions options;
      options.allStars = stars;
      const SolveResult r = solve(level, options);
      const Recorded& want = found->second;
      EXPECT_EQ((std::tuple{r.verdict, r.turns, r.states}),
                (std::tuple{SolveResult::Verdict::kSolved, want.turns, want.states}))
          << name << ": " << r.keys;
      EXPECT_LE(want.states, want.statesBefore) << name;
      EXPECT_LE(r.states, 400'000) << name;
      std::printf("[ difficulty ] Map%-2d %-20s %s %4d turns %7lld states\n", n, level.LevelName.c_str(),
                  stars ? "every star" : "          ", r.turns, static_cast<long long>(r.states));
      if (!stars && n >= kActTwo && n < kActTwoEnd) {
        EXPECT_GE(r.states, n >= kFinale ? 200'000 : 20'000) << name << ": searched before the solution";
        EXPECT_GE(r.turns, n >= kFinale ? 80 : 40) << name;
      }
      Session s = startTestPlay(level);
      replay(s, r.keys);
      EXPECT_TRUE(s.game.PlayState == 2 && (!stars || s.board.controls.allStarsVisible))
          << name << ": " << r.keys;
    }
  }
  for (const auto& [name, figure] : figures)
    EXPECT_TRUE(missions.count(name)) << name << " is not a campaign mission";
}

}  // namespace
}  // namespace quobbles::solver
