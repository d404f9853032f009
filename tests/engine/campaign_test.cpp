// The campaign that ships with the game (data/campaign-maps): every map is a valid campaign map that
// the solver can pass, its stored solutions replay to a pass, and together the maps show every
// tile of the editor's palette, need every special and, from map 3 on, make the player think.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/level_file.h"
#include "editor/palette.h"
#include "frontend/campaign_index.h"
#include "sim/level_text.h"
#include "sim/session.h"
#include "sim/solver.h"
#include "state/tiles.h"

namespace quobbles::sim {
namespace {

namespace fs = std::filesystem;

const fs::path kSources = fs::path(QUOBBLES_SOURCE_DIR) / "data" / "campaign-maps";

// Every search stays within this many states; the whole campaign is solved in seconds.
constexpr int64_t kStateBudget = 400'000;

std::string readText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The campaign index, read once.
const std::vector<std::string>& titles() {
  static const std::vector<std::string> read = [] {
    const std::string text = readText(kSources / "Campain.dat");
    const Outcome<CampaignTitles> index = parseCampaignIndex(Bytes(text.begin(), text.end()));
    return index ? index.value->titles : std::vector<std::string>{};
  }();
  return read;
}

// Map N as written in MapN.txt, read once; a map that cannot be read holds the reason.
struct CampaignMap {
  std::optional<LevelText> text;
  std::string problem;
};

const CampaignMap& campaignMap(int number) {
  static std::map<int, CampaignMap> read;
  auto [it, fresh] = read.try_emplace(number);
  if (fresh) {
    const fs::path file = kSources / ("Map" + std::to_string(number) + ".txt");
    const Outcome<LevelText> parsed = parseLevelText(readText(file));
    if (parsed)
      it->second.text = *parsed.value;
    else
      it->second.problem = file.filename().string() + ": " + parsed.reason;
  }
  return it->second;
}

std::vector<int> mapNumbers() {
  std::vector<int> numbers(titles().size());
  for (std::size_t i = 0; i < numbers.size(); ++i) numbers[i] = static_cast<int>(i);
  return numbers;
}

Session replay(const Level& level, const std::string& keys) {
  Session s = startSession(level);
  for (char k : keys) pressKey(s, k);
  return s;
}

int turnsIn(const std::string& keys) {
  return static_cast<int>(std::count_if(
      keys.begin(), keys.end(), [](char k) { return std::string("24568vn").find(k) != std::string::npos; }));
}

bool isMover(uint8_t c) {
  return (c >= 80 && c <= 86) || (c >= 100 && c <= 106) || c == tile::Hanger;
}

// The walk of someone who ignores the movers: the shortest way over squares the player may
// enter, blocks and hangers counting as empty floor, to a step into the exit. Empty when no
// such way exists.
std::string naiveWalk(const Level& level) {
  constexpr int kSteps[4][2] = {{0, 1}, {-1, 0}, {1, 0}, {0, -1}};
  constexpr char kKeys[4] = {'2', '4', '6', '8'};
  std::vector<int> from(kSquares, -1);
  std::vector<char> key(kSquares, 0);
  std::deque<int> queue{0};
  from[0] = 0;
  while (!queue.empty()) {
    const int at = queue.front();
    queue.pop_front();
    for (int d = 0; d < 4; ++d) {
      const int x = at % kMapSize + kSteps[d][0], y = at / kMapSize + kSteps[d][1];
      if (x < 0 || y < 0 || x >= kMapSize || y >= kMapSize) continue;
      const uint8_t c = level.code(x, y);
      if (c == tile::Exit) {
        std::string keys(1, kKeys[d]);
        for (int i = at; i != 0; i = from[static_cast<std::size_t>(i)])
          keys.insert(0, 1, key[static_cast<std::size_t>(i)]);
        return keys;
      }
      const int next = squareIndex(x, y);
      if ((!isEnterable(c) && !isMover(c)) || from[static_cast<std::size_t>(next)] != -1) continue;
      from[static_cast<std::size_t>(next)] = at;
      key[static_cast<std::size_t>(next)] = kKeys[d];
      queue.push_back(next);
    }
  }
  return {};
}

// --- The campaign as a whole ---------------------------------------------------------------

TEST(Campaign, IndexNamesEveryMap) {
  const auto& names = titles();
  ASSERT_GE(names.size(), 20u) << "Campain.dat must list at least 20 maps";
  EXPECT_EQ(names[16], "Trip to the Garden");  // the main menu's editor gate names it
  std::set<std::string> sources;
  for (const auto& entry : fs::directory_iterator(kSources))
    if (entry.path().extension() == ".txt") sources.insert(entry.path().filename().string());
  std::set<std::string> expected;
  for (std::size_t n = 0; n < names.size(); ++n) expected.insert("Map" + std::to_string(n) + ".txt");
  EXPECT_EQ(sources, expected) << "one MapN.txt for every title, and no other";
}

TEST(Campaign, EveryPaletteTileAppearsAndNoOther) {
  std::set<int> palette{editor::kCandleEntry.code};
  for (const auto& row : editor::paletteRows())
    for (const auto& entry : row) palette.insert(entry.code);
  std::set<int> used;
  for (int n : mapNumbers()) {
    const CampaignMap& m = campaignMap(n);
    ASSERT_TRUE(m.text) << m.problem;
    for (uint8_t c : m.text->level.MapGrid) used.insert(c);
  }
  std::vector<int> missing, foreign;
  std::set_difference(palette.begin(), palette.end(), used.begin(), used.end(), std::back_inserter(missing));
  std::set_difference(used.begin(), used.end(), palette.begin(), palette.end(), std::back_inserter(foreign));
  EXPECT_TRUE(missing.empty()) << "palette codes no map uses: " << ::testing::PrintToString(missing);
  EXPECT_TRUE(foreign.empty()) << "codes the editor cannot draw: " << ::testing::PrintToString(foreign);
}

TEST(Campaign, EverySpecialIsNeededSomewhere) {
  // Each map's claim is proved by CampaignMaps.NeededSpecialsAreNeeded.
  std::set<int> needed;
  for (int n : mapNumbers())
    if (campaignMap(n).text)
      for (uint8_t code : campaignMap(n).text->needs) needed.insert(code);
  EXPECT_EQ(needed, (std::set<int>{10, 11, 12, 13, 14}));
}

TEST(Campaign, AtLeastSixStarMissions) {
  // Each stored star solution is replayed by CampaignMaps.StoredSolutionsPass.
  int missions = 0;
  for (int n : mapNumbers())
    if (campaignMap(n).text && !campaignMap(n).text->starSolution.empty()) ++missions;
  EXPECT_GE(missions, 6);
}

TEST(Campaign, MapZeroIsAWalkToTheRight) {
  const CampaignMap& m = campaignMap(0);
  ASSERT_TRUE(m.text) << m.problem;
  // The end-to-end test plays it with these keys.
  const Session s = replay(m.text->level, "6666");
  EXPECT_EQ(s.game.PlayState, 2);
  EXPECT_EQ(s.game.PlayerPos, (BytePos{3, 0}));
}

// The files the build places beside the game, when this test runs from a built tree.
TEST(Campaign, BuildPlacesTheGeneratedCampaign) {
  const fs::path shipped = fs::read_symlink("/proc/self/exe").parent_path() / "Campain";
  if (!fs::exists(shipped / "Campain.dat")) GTEST_SKIP() << "no built campaign beside " << shipped;
  EXPECT_EQ(readText(shipped / "Campain.dat"), readText(kSources / "Campain.dat"));
  for (int n : mapNumbers()) {
    const CampaignMap& m = campaignMap(n);
    ASSERT_TRUE(m.text) << m.problem;
    const Outcome<Level> built = ReadLevel(shipped / ("Map" + std::to_string(n) + ".lev"));
    ASSERT_TRUE(built) << built.reason;
    EXPECT_EQ(*built.value, m.text->level) << "map " << n << " is stale: rebuild";
  }
}

// The sample levels for "Play other maps" and the editor (data/sample-levels): named as their files,
// so the editor finds them; one never passed and one passed; each can be passed.
TEST(SampleLevels, AreNamedPlayableLevels) {
  std::set<int> statuses;
  int count = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(QUOBBLES_SOURCE_DIR) / "data" / "sample-levels")) {
    if (entry.path().extension() != ".txt") continue;
    ++count;
    const Outcome<LevelText> t = parseLevelText(readText(entry.path()));
    ASSERT_TRUE(t) << entry.path().filename() << ": " << t.reason;
    const Level& level = t.value->level;
    EXPECT_EQ(level.LevelName, entry.path().stem().string());
    statuses.insert(level.LevelStatus);
    EXPECT_NE(level.LevelStatus, kCampaignMap)
        << level.LevelName << ": \"Play other maps\" refuses campaign maps";
    ASSERT_FALSE(t.value->solution.empty()) << level.LevelName;
    EXPECT_EQ(replay(level, t.value->solution).game.PlayState, 2) << level.LevelName;
    EXPECT_EQ(solve(level, false, kStateBudget).verdict, SolveResult::Verdict::kSolved) << level.LevelName;
  }
  EXPECT_GE(count, 2);
  EXPECT_TRUE(statuses.count(kUnpassed) && statuses.count(kPassed));
}

// --- Each map ----------------------------------------------------------------------------------

class CampaignMaps : public ::testing::TestWithParam<int> {
 protected:
  const LevelText& text() {
    const CampaignMap& m = campaignMap(GetParam());
    if (!m.text) throw std::runtime_error(m.problem);
    return *m.text;
  }
  bool hasStars() {
    const Grid& g = text().level.MapGrid;
    return std::find(g.begin(), g.end(), tile::Star) != g.end();
  }
};

TEST_P(CampaignMaps, IsACampaignMap) {
  const Level& level = text().level;
  EXPECT_EQ(level.EditCode, GetParam());
  EXPECT_EQ(level.LevelStatus, kCampaignMap);
  EXPECT_EQ(level.LevelName, titles()[static_cast<std::size_t>(GetParam())]);
  // Encoded and read back as the game reads it.
  const Outcome<Level> read = decodeLevel(encodeLevel(level));
  ASSERT_TRUE(read) << read.reason;
  EXPECT_EQ(*read.value, level);
}

TEST_P(CampaignMaps, StoredSolutionsPass) {
  const LevelText& t = text();
  ASSERT_FALSE(t.solution.empty()) << "every map stores a solution";
  const Session s = replay(t.level, t.solution);
  EXPECT_EQ(s.game.PlayState, 2) << t.solution;
  if (hasStars()) {
    ASSERT_FALSE(t.starSolution.empty()) << "a map with stars stores how to get them all";
    const Session all = replay(t.level, t.starSolution);
    EXPECT_EQ(all.game.PlayState, 2) << t.starSolution;
    EXPECT_TRUE(all.board.controls.allStarsVisible) << t.starSolution;
  } else {
    EXPECT_TRUE(t.starSolution.empty());
  }
}

TEST_P(CampaignMaps, SolverPassesIt) {
  const LevelText& t = text();
  const SolveResult r = solve(t.level, false, kStateBudget);
  ASSERT_EQ(r.verdict, SolveResult::Verdict::kSolved) << r.states << " states searched";
  EXPECT_LE(r.turns, turnsIn(t.solution));
  EXPECT_EQ(replay(t.level, r.keys).game.PlayState, 2) << r.keys;
  if (hasStars()) {
    const SolveResult stars = solve(t.level, true, kStateBudget);
    ASSERT_EQ(stars.verdict, SolveResult::Verdict::kSolved) << stars.states << " states searched";
    EXPECT_LE(stars.turns, turnsIn(t.starSolution));
    EXPECT_TRUE(replay(t.level, stars.keys).board.controls.allStarsVisible) << stars.keys;
  }
}

TEST_P(CampaignMaps, NeededSpecialsAreNeeded) {
  const LevelText& t = text();
  for (uint8_t pickUp : t.needs) {
    Level without = t.level;
    EXPECT_NE(std::count(without.MapGrid.begin(), without.MapGrid.end(), pickUp), 0) << int(pickUp);
    std::replace(without.MapGrid.begin(), without.MapGrid.end(), pickUp, tile::Empty);
    const SolveResult r = solve(without, false, kStateBudget);
    EXPECT_EQ(r.verdict, SolveResult::Verdict::kUnsolvable)
        << "still passable without pick-up " << int(pickUp) << ": " << r.keys;
  }
}

// From map 3 on the shortest open way, walked as if blocks and hangers were not there, fails.
class CampaignPuzzles : public CampaignMaps {};

TEST_P(CampaignPuzzles, NoNaiveWalk) {
  const Level& level = text().level;
  const std::string walk = naiveWalk(level);
  if (walk.empty())
    SUCCEED() << "no open way to the exit at the start";
  else
    EXPECT_NE(replay(level, walk).game.PlayState, 2) << "passed by the naive walk " << walk;
}

std::vector<int> puzzleNumbers() {
  std::vector<int> numbers = mapNumbers();
  numbers.erase(numbers.begin(), numbers.begin() + std::min<std::ptrdiff_t>(3, std::ssize(numbers)));
  return numbers;
}

std::string mapName(const ::testing::TestParamInfo<int>& info) {
  return "Map" + std::to_string(info.param);
}

INSTANTIATE_TEST_SUITE_P(Campaign, CampaignMaps, ::testing::ValuesIn(mapNumbers()), mapName);
INSTANTIATE_TEST_SUITE_P(Campaign, CampaignPuzzles, ::testing::ValuesIn(puzzleNumbers()), mapName);

}  // namespace
}  // namespace quobbles::sim
