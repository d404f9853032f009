// The campaign that ships with the game (data/campaign-maps): every map is a valid campaign map that
// the solver can pass, its stored solutions replay to a pass, and together the maps show every
// tile of the editor's palette, need every special and, from map 3 on, make the player think.
// Act two (maps 21 on) uses the whole board and is hard: the solver's effort is checked and
// printed for every map, so that the difficulty curve can be read in the test log.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "board/session.h"
#include "editor/palette.h"
#include "frontend/campaign_index.h"
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
constexpr int64_t kStateBudget = 400'000;  // every search stays within it

// Act two, maps 21 to 40: each spans the board and is hard; its last five are harder still.
constexpr int kActTwo = 21, kFinale = 36, kActTwoEnd = 41;
constexpr int kActTwoSpan = 30;                                     // columns and rows open from (0, 0)
constexpr int64_t kActTwoStates = 20'000, kFinaleStates = 200'000;  // searched before the solution
constexpr int kActTwoTurns = 40, kFinaleTurns = 80;

// The sanitizer build replays the stored solutions only: its searches would take minutes.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSearches = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSearches = false;
#else
constexpr bool kSearches = true;
#endif
#else
constexpr bool kSearches = true;
#endif

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

// A plain walk: the shortest way over squares the player may enter to a step into the exit, with
// blocks and hangers counted as floor (someone who ignores them) or as walls (someone who walks
// round them where they stand at the start); empty if there is no such way.
std::string plainWalk(const Level& level, bool moversAreFloor) {
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
      if ((isEnterable(c) || (moversAreFloor && isMover(c))) && way[squareIndex(x, y)].empty()) {
        way[squareIndex(x, y)] = keys;
        queue.push_back(squareIndex(x, y));
      }
    }
  }
  return {};
}

// The columns and rows spanned by the squares open from (0, 0) to a player who had every special
// and every button pressed: all squares but permanent walls and the exit, each teleport leading
// to every other.
std::pair<int, int> openSpan(const Level& level) {
  std::vector<bool> seen(kSquares, false);
  std::deque<int> queue{0};
  seen[0] = true;
  int columns[2] = {0, 0}, rows[2] = {0, 0};
  auto visit = [&](int square) {
    if (!seen[static_cast<std::size_t>(square)])
      seen[static_cast<std::size_t>(square)] = true, queue.push_back(square);
  };
  for (bool teleportsLinked = false; !queue.empty(); queue.pop_front()) {
    const int x0 = queue.front() % kMapSize, y0 = queue.front() / kMapSize;
    columns[0] = std::min(columns[0], x0), columns[1] = std::max(columns[1], x0);
    rows[0] = std::min(rows[0], y0), rows[1] = std::max(rows[1], y0);
    if (level.code(x0, y0) == tile::Teleport && !teleportsLinked) {
      teleportsLinked = true;
      for (int i = 0; i < kSquares; ++i)
        if (level.MapGrid[static_cast<std::size_t>(i)] == tile::Teleport) visit(i);
    }
    const int steps[4][2] = {{0, 1}, {-1, 0}, {1, 0}, {0, -1}};
    for (const auto& step : steps) {
      const int x = x0 + step[0], y = y0 + step[1];
      if (x < 0 || y < 0 || x >= kMapSize || y >= kMapSize) continue;
      const uint8_t c = level.code(x, y);
      if (!isPermanentWall(c) && c != tile::Exit) visit(squareIndex(x, y));
    }
  }
  return {columns[1] - columns[0] + 1, rows[1] - rows[0] + 1};
}

std::set<int> offeredSpecials(const Level& level) {  // the pick-up codes on the map
  std::set<int> offered;
  for (uint8_t c : level.MapGrid)
    if (c >= tile::Invisibility && c <= tile::Immortality) offered.insert(c);
  return offered;
}

TEST(Campaign, IndexNamesEveryMapAndTheMapsShowEveryPaletteTileAndNeedEverySpecial) {
  const std::vector<std::string> names = titles();
  ASSERT_GE(names.size(), static_cast<std::size_t>(kActTwoEnd));
  EXPECT_EQ(names[16], "Trip to the Garden");  // the main menu's editor gate names it
  std::set<std::string> files, expected;
  for (const auto& entry : fs::directory_iterator(kMaps))
    if (entry.path().extension() == ".txt") files.insert(entry.path().filename().string());
  std::set<int> palette{editor::setApartTile().code}, used, usedInActTwo, needed;
  for (const auto& row : editor::paletteRows())
    for (const Tile* entry : row) palette.insert(entry->code);
  int starMissions = 0, actTwoStarMissions = 0;
  for (int n = 0; n < static_cast<int>(names.size()); ++n) {
    expected.insert("Map" + std::to_string(n) + ".txt");
    const LevelText map = campaignMap(n);
    used.insert(map.level.MapGrid.begin(), map.level.MapGrid.end());
    const bool actTwo = n >= kActTwo && n < kActTwoEnd;
    if (actTwo) usedInActTwo.insert(map.level.MapGrid.begin(), map.level.MapGrid.end());
    needed.insert(map.needs.begin(), map.needs.end());  // each claim is proved by NeededSpecialsAreNeeded
    starMissions += !map.starSolution.empty();          // each one is proved by the solver below
    actTwoStarMissions += actTwo && !map.starSolution.empty();
  }
  EXPECT_EQ(files, expected) << "one MapN.txt for every title, and no other";
  EXPECT_EQ(used, palette) << "every code of the editor's palette, and no other";
  EXPECT_EQ(usedInActTwo, palette) << "act two on its own shows the whole palette again";
  EXPECT_EQ(needed, (std::set<int>{10, 11, 12, 13, 14}));
  EXPECT_GE(starMissions, 6);
  EXPECT_GE(actTwoStarMissions, 8);
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
  const int n = GetParam();
  const LevelText t = campaignMap(n);
  EXPECT_EQ((std::tuple{t.level.EditCode, t.level.LevelStatus, t.level.LevelName}),
            (std::tuple{n, kCampaignMap, titles()[n]}));
  EXPECT_EQ(decodeLevel(encodeLevel(t.level)).value, t.level);  // as the game reads it
  // A map with stars stores how to get them all, and the solver finds its own way to do it.
  const bool hasStars = std::count(t.level.MapGrid.begin(), t.level.MapGrid.end(), tile::Star) > 0;
  EXPECT_EQ(!t.starSolution.empty(), hasStars);
  for (bool stars : {false, true}) {
    if (stars && !hasStars) continue;
    const std::string& stored = stars ? t.starSolution : t.solution;
    const Session s = played(t.level, stored);
    EXPECT_TRUE(s.game.PlayState == 2 && (!stars || s.board.controls.allStarsVisible)) << stored;
    if (!kSearches) continue;
    const SolveResult r = solve(t.level, stars, kStateBudget);
    ASSERT_EQ(r.verdict, SolveResult::Verdict::kSolved) << r.states << " states searched";
    const Session found = played(t.level, r.keys);
    EXPECT_TRUE(found.game.PlayState == 2 && (!stars || found.board.controls.allStarsVisible)) << r.keys;
    std::printf("[ difficulty ] Map%-2d %-20s %s %4d turns %7lld states\n", n, t.level.LevelName.c_str(),
                stars ? "every star" : "          ", r.turns, static_cast<long long>(r.states));
    if (stars || n < kActTwo || n >= kActTwoEnd) continue;
    const bool finale = n >= kFinale;
    EXPECT_GE(r.states, finale ? kFinaleStates : kActTwoStates) << "searched before the solution";
    EXPECT_GE(r.turns, finale ? kFinaleTurns : kActTwoTurns);
  }
}

TEST_P(CampaignMaps, NeededSpecialsAreNeeded) {
  const LevelText t = campaignMap(GetParam());
  if (GetParam() >= kActTwo && GetParam() < kActTwoEnd) {
    // Every special an act-two map offers is needed, and each map needs at least two.
    EXPECT_EQ(offeredSpecials(t.level), std::set<int>(t.needs.begin(), t.needs.end()));
    EXPECT_GE(t.needs.size(), 2u);
  }
  if (!kSearches) GTEST_SKIP() << "the proofs search; the sanitizer build only replays";
  for (uint8_t pickUp : t.needs) {
    Level without = t.level;
    EXPECT_NE(std::count(without.MapGrid.begin(), without.MapGrid.end(), pickUp), 0) << int(pickUp);
    std::replace(without.MapGrid.begin(), without.MapGrid.end(), pickUp, tile::Empty);
    const SolveResult r = solve(without, false, kStateBudget);
    EXPECT_EQ(r.verdict, SolveResult::Verdict::kUnsolvable)
        << "passable without " << int(pickUp) << ": " << r.keys;
  }
}

// From map 3 on no plain walk passes: neither the shortest open way walked as if blocks and
// hangers were not there, nor the shortest way round them.
class CampaignPuzzles : public ::testing::TestWithParam<int> {};

TEST_P(CampaignPuzzles, NoPlainWalk) {
  const Level level = campaignMap(GetParam()).level;
  for (bool moversAreFloor : {true, false}) {
    const std::string walk = plainWalk(level, moversAreFloor);
    EXPECT_TRUE(walk.empty() || played(level, walk).game.PlayState != 2)
        << "passed by the walk " << walk << (moversAreFloor ? " over the movers" : " round the movers");
  }
}

// Act two uses the board: the player explores through the 9 x 9 view.
class CampaignActTwo : public ::testing::TestWithParam<int> {};

TEST_P(CampaignActTwo, OpensAtLeastThirtyColumnsAndRows) {
  const auto [columns, rows] = openSpan(campaignMap(GetParam()).level);
  EXPECT_GE(columns, kActTwoSpan);
  EXPECT_GE(rows, kActTwoSpan);
}

const auto mapName = [](const ::testing::TestParamInfo<int>& map) {
  return "Map" + std::to_string(map.param);
};

const int kMapCount = static_cast<int>(titles().size());
INSTANTIATE_TEST_SUITE_P(Campaign, CampaignMaps, ::testing::Range(0, kMapCount), mapName);
INSTANTIATE_TEST_SUITE_P(Campaign, CampaignPuzzles, ::testing::Range(3, kMapCount), mapName);
INSTANTIATE_TEST_SUITE_P(Campaign, CampaignActTwo, ::testing::Range(kActTwo, kActTwoEnd), mapName);

}  // namespace
}  // namespace quobbles::sim
