// The campaign that ships with the game (data/campaign-maps): every map is a valid campaign map that
// the solver can pass, its stored solutions replay to a pass, and together the maps show every
// tile of the editor's palette, need every special and, from map 3 on, make the player think.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>

#include "board/session.h"
#include "editor/palette.h"
#include "frontend/campaign_index.h"
#include "sim/dump.h"
#include "sim/level_text.h"
#include "solver/solver.h"
#include "state/level_file.h"
#include "state/tiles.h"

namespace quobbles::sim {
namespace {

using solver::solve;
using solver::SolveResult;

namespace fs = std::filesystem;

const fs::path kMaps = fs::path(QUOBBLES_SOURCE_DIR) / "data" / "campaign-maps";
constexpr int64_t kStateBudget = 400'000;  // every search stays within it; the campaign takes seconds

std::string readText(const fs::path& path) {
  return std::string(std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {});
}

LevelText levelText(const fs::path& path) {
  const Outcome<LevelText> parsed = parseLevelText(readText(path));
  if (!parsed) throw std::runtime_error(path.filename().string() + ": " + parsed.reason);
  return *parsed.value;
}

LevelText campaignMap(int number) {
  return levelText(kMaps / ("Map" + std::to_string(number) + ".txt"));
}

std::vector<std::string> titles() {
  const std::string text = readText(kMaps / "Campain.dat");
  return parseCampaignIndex(Bytes(text.begin(), text.end())).value.value_or(CampaignTitles{}).titles;
}

Session played(const Level& level, const std::string& keys) {
  Session s = startTestPlay(level);
  replay(s, keys);
  return s;
}

// The walk of someone who ignores the movers: the shortest way over squares the player may
// enter, blocks and hangers counting as empty floor, to a step into the exit; empty if none.
std::string naiveWalk(const Level& level) {
  const int steps[4][2] = {{0, 1}, {-1, 0}, {1, 0}, {0, -1}};
  std::vector<std::string> way(kSquares);  // the keys that reach each square, "" where none do yet
  std::deque<int> queue{0};
  for (way[0] = " "; !queue.empty(); queue.pop_front()) {
    for (int d = 0; d < 4; ++d) {
      const int x = queue.front() % kMapSize + steps[d][0], y = queue.front() / kMapSize + steps[d][1];
      if (x < 0 || y < 0 || x >= kMapSize || y >= kMapSize) continue;
      const uint8_t c = level.code(x, y);
      const std::string keys = way[queue.front()] + "2468"[d];
      if (c == tile::Exit) return keys.substr(1);
      if ((isEnterable(c) || isMover(c)) && way[squareIndex(x, y)].empty()) {
        way[squareIndex(x, y)] = keys;
        queue.push_back(squareIndex(x, y));
      }
    }
  }
  return {};
}

TEST(Campaign, IndexNamesEveryMapAndTheMapsShowEveryPaletteTileAndNeedEverySpecial) {
  const std::vector<std::string> names = titles();
  ASSERT_GE(names.size(), 20u);
  EXPECT_EQ(names[16], "Trip to the Garden");  // the main menu's editor gate names it
  std::set<std::string> files, expected;
  for (const auto& entry : fs::directory_iterator(kMaps))
    if (entry.path().extension() == ".txt") files.insert(entry.path().filename().string());
  std::set<int> palette{editor::setApartTile().code}, used, needed;
  for (const auto& row : editor::paletteRows())
    for (const Tile* entry : row) palette.insert(entry->code);
  int starMissions = 0;
  for (int n = 0; n < static_cast<int>(names.size()); ++n) {
    expected.insert("Map" + std::to_string(n) + ".txt");
    const LevelText map = campaignMap(n);
    used.insert(map.level.MapGrid.begin(), map.level.MapGrid.end());
    needed.insert(map.needs.begin(), map.needs.end());  // each claim is proved by NeededSpecialsAreNeeded
    starMissions += !map.starSolution.empty();
  }
  EXPECT_EQ(files, expected) << "one MapN.txt for every title, and no other";
  EXPECT_EQ(used, palette) << "every code of the editor's palette, and no other";
  EXPECT_EQ(needed, (std::set<int>{10, 11, 12, 13, 14}));
  EXPECT_GE(starMissions, 6);
}

// The levels for "Play other maps" and the editor: named as their files, one never passed and one
// passed, each passable.
TEST(SampleLevels, AreNamedPlayableLevels) {
  std::set<int> statuses;
  for (const auto& entry : fs::directory_iterator(kMaps.parent_path() / "sample-levels")) {
    const LevelText t = levelText(entry.path());
    EXPECT_EQ(t.level.LevelName, entry.path().stem().string());
    statuses.insert(t.level.LevelStatus);
    EXPECT_EQ(played(t.level, t.solution).game.PlayState, 2) << t.level.LevelName;
  }
  EXPECT_EQ(statuses, (std::set<int>{kUnpassed, kPassed}));  // "Play other maps" refuses campaign maps
}

class CampaignMaps : public ::testing::TestWithParam<int> {};

TEST_P(CampaignMaps, IsACampaignMapThatItsStoredSolutionsAndTheSolverPass) {
  const LevelText t = campaignMap(GetParam());
  EXPECT_EQ((std::tuple{t.level.EditCode, t.level.LevelStatus, t.level.LevelName}),
            (std::tuple{GetParam(), kCampaignMap, titles()[GetParam()]}));
  EXPECT_EQ(decodeLevel(encodeLevel(t.level)).value, t.level);  // as the game reads it
  // A map with stars stores how to get them all, and the solver finds its own way to do it.
  const bool hasStars = std::count(t.level.MapGrid.begin(), t.level.MapGrid.end(), tile::Star) > 0;
  EXPECT_EQ(!t.starSolution.empty(), hasStars);
  for (bool stars : {false, hasStars}) {
    const SolveResult r = solve(t.level, stars, kStateBudget);
    EXPECT_EQ(r.verdict, SolveResult::Verdict::kSolved) << r.states << " states searched";
    for (const std::string& keys : {stars ? t.starSolution : t.solution, r.keys}) {
      const Session s = played(t.level, keys);
      EXPECT_TRUE(s.game.PlayState == 2 && (!stars || s.board.controls.allStarsVisible)) << keys;
    }
  }
}

TEST_P(CampaignMaps, NeededSpecialsAreNeeded) {
  const LevelText t = campaignMap(GetParam());
  for (uint8_t pickUp : t.needs) {
    Level without = t.level;
    EXPECT_NE(std::count(without.MapGrid.begin(), without.MapGrid.end(), pickUp), 0) << int(pickUp);
    std::replace(without.MapGrid.begin(), without.MapGrid.end(), pickUp, tile::Empty);
    const SolveResult r = solve(without, false, kStateBudget);
    EXPECT_EQ(r.verdict, SolveResult::Verdict::kUnsolvable)
        << "passable without " << int(pickUp) << ": " << r.keys;
  }
}

// From map 3 on the shortest open way, walked as if blocks and hangers were not there, fails.
class CampaignPuzzles : public ::testing::TestWithParam<int> {};

TEST_P(CampaignPuzzles, NoNaiveWalk) {
  const Level level = campaignMap(GetParam()).level;
  const std::string walk = naiveWalk(level);
  EXPECT_TRUE(walk.empty() || played(level, walk).game.PlayState != 2) << "passed by the naive walk " << walk;
}

const auto mapName = [](const ::testing::TestParamInfo<int>& map) {
  return "Map" + std::to_string(map.param);
};

const int kMapCount = static_cast<int>(titles().size());
INSTANTIATE_TEST_SUITE_P(Campaign, CampaignMaps, ::testing::Range(0, kMapCount), mapName);
INSTANTIATE_TEST_SUITE_P(Campaign, CampaignPuzzles, ::testing::Range(3, kMapCount), mapName);

}  // namespace
}  // namespace quobbles::sim
