// The campaign that ships with the game (data/campaign-maps): every map is a valid campaign map
// whose stored solutions pass, and together the maps show every tile of the editor's palette,
// need every special and, from map 3 on, make the player think: the level maker's bench
// (quobbles-mapcheck) finds no plain walk that passes them. Act two (maps 21 on) uses the whole
// board. The solver's answers on every map and star mission may not change as the search gets
// faster: the fewest turns and the states searched are recorded (tests/data/solver_campaign.txt),
// and the states may only go down from what the first solver searched. Every search stays within
// 400 000 states, and act two is hard: each map takes at least 40 turns and 20 000 states, its
// last five 80 turns and 200 000 states. The figures are printed, so that the difficulty curve
// can be read in the test log. The end states of the stored solutions are compared with recorded
// dumps in campaign_dumps_test.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "board/session.h"
#include "editor/palette.h"
#include "frontend/campaign_index.h"
#include "sim/level_text.h"
#include "solver/solver.h"
#include "state/level_file.h"
#include "state/tiles.h"
#include "support/run_program.h"

namespace quobbles::sim {
namespace {

using solver::solve;
using solver::SolveResult;

namespace fs = std::filesystem;

const fs::path kMaps = fs::path(QUOBBLES_SOURCE_DIR) / "data" / "campaign-maps";
constexpr int64_t kStateBudget = 400'000;  // every search stays within it

// Act two, maps 21 to 40: each spans the board.
constexpr int kActTwo = 21, kFinale = 36, kActTwoEnd = 41;
constexpr int kActTwoSpan = 30;  // columns and rows open from (0, 0)

// The sanitizer build leaves out the searches: they would take minutes.
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

fs::path mapFile(int number) {
  return kMaps / ("Map" + std::to_string(number) + ".txt");
}

LevelText levelText(const fs::path& path) {
  const Outcome<LevelText> parsed = parseLevelText(readText(path));
  if (!parsed) throw std::runtime_error(path.filename().string() + ": " + parsed.reason);
  return *parsed.value;
}

LevelText campaignMap(int number) {
  return levelText(mapFile(number));
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

// The bench's report on a map, without the searches; the bench runs once, on every map.
std::string benchReport(int number) {
  static const std::string all = [] {
    std::string arguments = "--quick";
    for (int n = 0; n < static_cast<int>(titles().size()); ++n)
      arguments += " " + testing::shellQuoted(mapFile(n));
    return testing::runProgram(QUOBBLES_MAPCHECK_PATH, arguments).out;
  }();
  const std::size_t from = all.find(mapFile(number).string() + "  \"");
  if (from == std::string::npos) return "no report on map " + std::to_string(number) + "\n" + all;
  return all.substr(from, all.find(mapFile(number + 1).string() + "  \"", from) - from);
}

// The solver's figures: "MapN plain" or "MapN stars" -> fewest turns, states, states before.
struct Recorded {
  int turns = 0;
  int64_t states = 0, statesBefore = 0;
};
const std::map<std::string, Recorded>& recorded() {
  static const std::map<std::string, Recorded> figures = [] {
    std::ifstream in(fs::path(QUOBBLES_SOURCE_DIR) / "tests" / "data" / "solver_campaign.txt");
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
  }();
  return figures;
}

bool hasStars(const Level& level) {
  return std::count(level.MapGrid.begin(), level.MapGrid.end(), tile::Star) > 0;
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
  std::set<std::string> missions;  // every map, and its star mission if it has stars
  for (int n = 0; n < static_cast<int>(names.size()); ++n) {
    expected.insert("Map" + std::to_string(n) + ".txt");
    const LevelText map = campaignMap(n);
    used.insert(map.level.MapGrid.begin(), map.level.MapGrid.end());
    const bool actTwo = n >= kActTwo && n < kActTwoEnd;
    if (actTwo) usedInActTwo.insert(map.level.MapGrid.begin(), map.level.MapGrid.end());
    needed.insert(map.needs.begin(), map.needs.end());  // each claim is proved by NeededSpecialsAreNeeded
    starMissions += !map.starSolution.empty();          // each one passes by its stored keys
    actTwoStarMissions += actTwo && !map.starSolution.empty();
    missions.insert("Map" + std::to_string(n) + " plain");
    if (hasStars(map.level)) missions.insert("Map" + std::to_string(n) + " stars");
  }
  for (const auto& [name, figure] : recorded()) EXPECT_TRUE(missions.count(name)) << name << " is no mission";
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

TEST_P(CampaignMaps, IsACampaignMapWhoseStoredSolutionsPassAndNoPlainWalkDoes) {
  const int n = GetParam();
  const LevelText t = campaignMap(n);
  EXPECT_EQ((std::tuple{t.level.EditCode, t.level.LevelStatus, t.level.LevelName}),
            (std::tuple{n, kCampaignMap, titles()[n]}));
  EXPECT_EQ(decodeLevel(encodeLevel(t.level)).value, t.level);  // as the game reads it
  // A map with stars stores how to get them all.
  EXPECT_EQ(!t.starSolution.empty(), hasStars(t.level));
  for (bool stars : {false, hasStars(t.level)}) {
    const Session s = played(t.level, stars ? t.starSolution : t.solution);
    EXPECT_TRUE(s.game.PlayState == 2 && (!stars || s.board.controls.allStarsVisible)) << stars;
  }
  const std::string bench = benchReport(n);
  ASSERT_EQ(bench.rfind(mapFile(n).string(), 0), 0u) << bench;
  // From map 3 on neither the shortest open way walked as if blocks and hangers were not there,
  // nor the shortest way round them, passes.
  if (n >= 3) {
    EXPECT_EQ(bench.find("FAIL a plain walk passes"), std::string::npos) << bench;
  }
  if (n < kActTwo || n >= kActTwoEnd) return;
  // Act two meets every check of the bench (every special it offers is needed), and the squares
  // open from (0, 0) to a player with every special span thirty columns and rows: the player
  // explores through the 9 x 9 view.
  EXPECT_EQ(bench.find("FAIL"), std::string::npos) << bench;
  int columns = 0, rows = 0;
  const std::size_t span = bench.find("open span ");
  ASSERT_NE(span, std::string::npos) << bench;
  ASSERT_EQ(std::sscanf(bench.c_str() + span, "open span %d x %d", &columns, &rows), 2);
  EXPECT_GE(columns, kActTwoSpan);
  EXPECT_GE(rows, kActTwoSpan);
}

TEST_P(CampaignMaps, NeededSpecialsAreNeeded) {
  const LevelText t = campaignMap(GetParam());
  if (GetParam() >= kActTwo && GetParam() < kActTwoEnd) {
    EXPECT_GE(t.needs.size(), 2u) << "two at least";
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

TEST_P(CampaignMaps, SolverFindsTheRecordedFewestTurnsAndStates) {
  const int n = GetParam();
  const Level level = campaignMap(n).level;
  for (bool stars : {false, true}) {
    if (stars && !hasStars(level)) continue;
    const std::string name = "Map" + std::to_string(n) + (stars ? " stars" : " plain");
    const auto found = recorded().find(name);
    ASSERT_NE(found, recorded().end()) << name << " has no line in tests/data/solver_campaign.txt";
    const Recorded& want = found->second;
    solver::SolveOptions options;
    options.allStars = stars;
    const SolveResult r = solve(level, options);
    EXPECT_EQ((std::tuple{r.verdict, r.turns, r.states}),
              (std::tuple{SolveResult::Verdict::kSolved, want.turns, want.states}))
        << name << ": " << r.keys;
    EXPECT_LE(want.states, want.statesBefore) << name;
    EXPECT_LE(r.states, kStateBudget) << name;
    std::printf("[ difficulty ] Map%-2d %-20s %s %4d turns %7lld states\n", n, level.LevelName.c_str(),
                stars ? "every star" : "          ", r.turns, static_cast<long long>(r.states));
    if (!stars && n >= kActTwo && n < kActTwoEnd) {
      EXPECT_GE(r.states, n >= kFinale ? 200'000 : 20'000) << name << ": searched before the solution";
      EXPECT_GE(r.turns, n >= kFinale ? 80 : 40) << name;
    }
    const Session s = played(level, r.keys);
    EXPECT_TRUE(s.game.PlayState == 2 && (!stars || s.board.controls.allStarsVisible))
        << name << ": " << r.keys;
  }
}

const auto mapName = [](const ::testing::TestParamInfo<int>& map) {
  return "Map" + std::to_string(map.param);
};

const int kMapCount = static_cast<int>(titles().size());
INSTANTIATE_TEST_SUITE_P(Campaign, CampaignMaps, ::testing::Range(0, kMapCount), mapName);

}  // namespace
}  // namespace quobbles::sim
