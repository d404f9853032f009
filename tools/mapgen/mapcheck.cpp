// quobbles-mapcheck: the level maker's bench for campaign maps written as text. For each map it
// measures what the campaign asks of a map: how far the squares open from (0, 0) reach, whether a
// plain walk passes (movers counted as floor, or as walls), whether the stored solutions pass,
// how many turns and searched states the solver needs (and for every star), and whether each
// special offered is needed: with its pick-ups taken away the search must run out of states.
//
//   quobbles-mapcheck [--max-states N] [--quick] [--movers] MAP.txt...
//   quobbles-mapcheck --play KEYS [--each] MAP.txt
//   quobbles-mapcheck --palette MAP.txt...
//
// --quick leaves out the searches; --movers also solves the map once without each mover, to show
// what every block and hanger does for the puzzle; --play shows the map as text after the keys,
// with the squares walked over marked ',' (or after every turn with --each); --palette lists
// the palette codes the maps leave unused.
// It never writes a file. Exit status: 0 when every map met every check, 1 otherwise, 2 on bad
// arguments or a map that cannot be read.
#include <algorithm>
#include <charconv>
#include <deque>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <iterator>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "board/session.h"
#include "editor/palette.h"
#include "frontend/show_me.h"
#include "sim/level_text.h"
#include "solver/solver.h"
#include "state/tiles.h"

namespace {

using namespace quobbles;
using sim::LevelText;
using solver::SolveResult;

constexpr const char* kUsage =
    "usage: quobbles-mapcheck [--max-states N] [--quick] [--movers] MAP.txt...\n"
    "       quobbles-mapcheck --play KEYS [--each] MAP.txt\n"
    "       quobbles-mapcheck --palette MAP.txt...\n";

constexpr int kSide = 50;

int refuse(const std::string& why) {
  std::cerr << "quobbles-mapcheck: " << why << '\n';
  return 2;
}

// The squares open from (0, 0) to a player who had every special and whose every button were
// pressed: all but permanent walls and the exit, each teleport leading to every other. Returns
// the columns and rows they span.
std::pair<int, int> openSpan(const Level& level) {
  std::vector<bool> seen(kSide * kSide, false);
  std::deque<int> queue{0};
  seen[0] = true;
  auto visit = [&](int square) {
    if (!seen[static_cast<std::size_t>(square)])
      seen[static_cast<std::size_t>(square)] = true, queue.push_back(square);
  };
  int minX = 0, maxX = 0, minY = 0, maxY = 0;
  for (bool teleportsLinked = false; !queue.empty(); queue.pop_front()) {
    const int x0 = queue.front() % kSide, y0 = queue.front() / kSide;
    minX = std::min(minX, x0), maxX = std::max(maxX, x0), minY = std::min(minY, y0),
    maxY = std::max(maxY, y0);
    if (level.code(x0, y0) == tile::Teleport && !teleportsLinked) {
      teleportsLinked = true;
      for (int i = 0; i < kSide * kSide; ++i)
        if (level.MapGrid[static_cast<std::size_t>(i)] == tile::Teleport) visit(i);
    }
    const int steps[4][2] = {{0, 1}, {-1, 0}, {1, 0}, {0, -1}};
    for (const auto& s : steps) {
      const int x = x0 + s[0], y = y0 + s[1];
      if (x < 0 || y < 0 || x >= kSide || y >= kSide) continue;
      const int c = level.code(x, y);
      if (!isPermanentWall(c) && c != tile::Exit) visit(y * kSide + x);
    }
  }
  return {maxX - minX + 1, maxY - minY + 1};
}

// The shortest way over squares the player may enter to a step into the exit, movers counted as
// floor (someone who ignores them) or as walls (someone who walks round them where they stand).
std::string walk(const Level& level, bool moversAreFloor) {
  const int steps[4][2] = {{0, 1}, {-1, 0}, {1, 0}, {0, -1}};
  const char keyOf[4] = {'2', '4', '6', '8'};
  std::vector<int> from(kSide * kSide, -1), step(kSide * kSide, 0);  // the way back, and its key
  std::deque<int> queue{0};
  from[0] = 0;
  for (; !queue.empty(); queue.pop_front()) {
    const int here = queue.front();
    for (int d = 0; d < 4; ++d) {
      const int x = here % kSide + steps[d][0], y = here / kSide + steps[d][1];
      if (x < 0 || y < 0 || x >= kSide || y >= kSide) continue;
      const int c = level.code(x, y), there = y * kSide + x;
      if (c == tile::Exit) {
        std::string keys(1, keyOf[d]);
        for (int at = here; at != 0; at = from[static_cast<std::size_t>(at)])
          keys.push_back(keyOf[step[static_cast<std::size_t>(at)]]);
        return {keys.rbegin(), keys.rend()};
      }
      if ((isEnterable(c) || (moversAreFloor && isMover(c))) && from[static_cast<std::size_t>(there)] < 0) {
        from[static_cast<std::size_t>(there)] = here;
        step[static_cast<std::size_t>(there)] = d;
        queue.push_back(there);
      }
    }
  }
  return {};
}

Session played(const Level& level, std::string_view keys) {
  Session s = startTestPlay(level);
  replay(s, keys);
  return s;
}

bool passes(const Level& level, std::string_view keys, bool allStars) {
  const Session s = played(level, keys);
  return s.game.PlayState == 2 && (!allStars || s.board.controls.allStarsVisible);
}

std::string verdict(const SolveResult& r) {
  std::ostringstream out;
  switch (r.verdict) {
    case SolveResult::Verdict::kSolved:
      out << "solved in " << r.turns << " turns";
      break;
    case SolveResult::Verdict::kUnsolvable:
      out << "unsolvable";
      break;
    case SolveResult::Verdict::kGaveUp:
      out << "GAVE UP";
      break;
    case SolveResult::Verdict::kCancelled:
      out << "cancelled";
      break;
  }
  out << ", " << r.states << " states, " << std::fixed << std::setprecision(2) << r.seconds << " s";
  return out.str();
}

const char* specialName(uint8_t pickUp) {
  for (const sim::SpecialName& s : sim::kSpecialNames)
    if (s.pickUp == pickUp) return s.name;
  return "?";
}

// The map as text with the player as '@' and the squares he visited (when given) as ','.
std::string mapText(const Session& s, const std::vector<bool>& visited = {}) {
  std::string out;
  const Level& level = s.game.level;
  int lastRow = 0;
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x)
      if (!isPermanentWall(level.code(x, y))) lastRow = y;
  for (int y = 0; y <= std::min(lastRow + 1, kSide - 1); ++y) {
    std::string row;
    for (int x = 0; x < kSide; ++x)
      row.push_back(s.game.PlayerPos.x == x && s.game.PlayerPos.y == y ? '@'
                    : !visited.empty() && visited[static_cast<std::size_t>(y * kSide + x)] &&
                            level.code(x, y) == tile::Empty
                        ? ','
                        : symbolOf(level.code(x, y)));
    row.erase(row.find_last_not_of('#') + 1);
    out += row + '\n';
  }
  return out;
}

std::string status(const Session& s) {
  std::ostringstream out;
  out << "state " << int(s.game.PlayState) << "  player " << int(s.game.PlayerPos.x) << ','
      << int(s.game.PlayerPos.y) << "  gravity " << (s.board.vars.GravityOn ? "on" : "off") << "  stars left "
      << s.board.vars.StarsLeft << "  counters";
  for (int32_t n : s.board.controls.mAna) out << ' ' << n;
  return out.str();
}

struct Options {
  int64_t maxStates = 3'000'000;
  bool quick = false;
  bool movers = false;
};

// Prints the report of one map; returns whether every check was met.
bool check(const std::string& file, const LevelText& t, const Options& o) {
  const Level& level = t.level;
  bool ok = true;
  auto fail = [&](const std::string& what) {
    std::cout << "  FAIL " << what << '\n';
    ok = false;
  };
  std::cout << file << "  \"" << level.LevelName << "\"\n";

  const auto [columns, rows] = openSpan(level);
  std::cout << "  open span " << columns << " x " << rows << '\n';

  for (bool floor : {true, false}) {
    const std::string w = walk(level, floor);
    const bool passed = !w.empty() && passes(level, w, false);
    std::cout << "  walk, movers as " << (floor ? "floor" : "walls") << ": "
              << (w.empty() ? "no way" : (passed ? "PASSES " : "fails ") + w) << '\n';
    if (passed) fail("a plain walk passes");
  }

  for (bool stars : {false, true}) {
    const std::string& keys = stars ? t.starSolution : t.solution;
    if (keys.empty()) continue;
    const bool passed = passes(level, keys, stars);
    std::cout << "  stored " << (stars ? "star solution" : "solution") << ": " << turnsOf(keys).size()
              << " turns, " << (passed ? "passes" : "DOES NOT PASS") << '\n';
    if (!passed) fail("stored solution");
  }

  std::set<uint8_t> offered;
  for (uint8_t c : level.MapGrid)
    if (pickUpCounter(c)) offered.insert(c);
  const std::set<uint8_t> needs(t.needs.begin(), t.needs.end());
  std::cout << "  specials offered:";
  for (uint8_t c : offered) std::cout << ' ' << specialName(c);
  std::cout << "\n";
  if (offered != needs) fail("the needs line does not name exactly the specials offered");

  if (o.quick) return ok;

  const bool hasStars = std::count(level.MapGrid.begin(), level.MapGrid.end(), tile::Star) > 0;
  for (bool stars : {false, true}) {
    if (stars && !hasStars) continue;
    const SolveResult r = solver::solve(level, stars, o.maxStates);
    std::cout << "  solver" << (stars ? " (every star)" : "") << ": " << verdict(r) << '\n';
    if (r.verdict == SolveResult::Verdict::kSolved)
      std::cout << "    " << r.keys << '\n';
    else
      fail(stars ? "the star mission is not solved" : "not solved");
  }

  for (uint8_t pickUp : offered) {
    Level without = level;
    std::replace(without.MapGrid.begin(), without.MapGrid.end(), pickUp, tile::Empty);
    const SolveResult r = solver::solve(without, false, o.maxStates);
    std::cout << "  without " << specialName(pickUp) << ": " << verdict(r) << '\n';
    if (r.verdict != SolveResult::Verdict::kUnsolvable)
      fail(std::string(specialName(pickUp)) + " is not proven needed");
  }

  if (o.movers) {
    for (int y = 0; y < kSide; ++y)
      for (int x = 0; x < kSide; ++x) {
        if (!isMover(level.code(x, y))) continue;
        Level without = level;
        without.code(x, y) = tile::Empty;
        const SolveResult r = solver::solve(without, false, o.maxStates);
        std::cout << "  without the " << symbolOf(level.code(x, y)) << " at " << x << ',' << y << ": "
                  << verdict(r) << '\n';
      }
  }
  return ok;
}

std::optional<LevelText> load(const std::string& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    refuse("cannot read " + file);
    return std::nullopt;
  }
  const std::string text(std::istreambuf_iterator<char>(in), {});
  Outcome<LevelText> parsed = sim::parseLevelText(text);
  if (!parsed) {
    refuse(file + ": " + parsed.reason);
    return std::nullopt;
  }
  return std::move(*parsed.value);
}

// The codes of the editor's palette: every valid code but the four it never draws.
std::set<int> paletteCodes() {
  std::set<int> codes{editor::setApartTile().code};
  for (const auto& row : editor::paletteRows())
    for (const Tile* t : row) codes.insert(t->code);
  return codes;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  bool palette = false, each = false, play = false;
  std::string keys;
  std::vector<std::string> files;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help") {
      std::cout << kUsage;
      return 0;
    } else if (arg == "--max-states") {
      const std::string_view n = ++i < argc ? argv[i] : "";
      const auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), options.maxStates);
      if (n.empty() || ec != std::errc() || end != n.data() + n.size() || options.maxStates <= 0)
        return refuse("--max-states needs a whole number > 0");
    } else if (arg == "--quick") {
      options.quick = true;
    } else if (arg == "--movers") {
      options.movers = true;
    } else if (arg == "--palette") {
      palette = true;
    } else if (arg == "--each") {
      each = true;
    } else if (arg == "--play") {
      if (++i >= argc) return refuse("--play needs KEYS");
      play = true;
      keys = argv[i];
    } else if (arg.substr(0, 2) == "--") {
      return refuse("unknown option " + std::string(arg));
    } else {
      files.emplace_back(arg);
    }
  }
  if (files.empty()) return refuse("no MAP.txt given");
  if (each && !play) return refuse("--each belongs to --play");

  if (play) {
    if (files.size() != 1) return refuse("--play takes one MAP.txt");
    const std::optional<LevelText> t = load(files[0]);
    if (!t) return 2;
    Session s = startTestPlay(t->level);
    std::vector<bool> visited(kSide * kSide, false);
    visited[0] = true;
    for (std::size_t i = 0; i < keys.size(); ++i) {
      replay(s, keys.substr(i, 1));
      visited[static_cast<std::size_t>(s.game.PlayerPos.y * kSide + s.game.PlayerPos.x)] = true;
      if (each) std::cout << "after " << keys.substr(0, i + 1) << "\n" << status(s) << '\n' << mapText(s);
    }
    if (!each) std::cout << status(s) << '\n' << mapText(s, visited);
    return s.game.PlayState == 2 ? 0 : 1;
  }

  if (palette) {
    std::set<int> used;
    for (const std::string& f : files) {
      const std::optional<LevelText> t = load(f);
      if (!t) return 2;
      used.insert(t->level.MapGrid.begin(), t->level.MapGrid.end());
    }
    std::vector<int> missing, extra;
    const std::set<int> codes = paletteCodes();
    std::set_difference(codes.begin(), codes.end(), used.begin(), used.end(), std::back_inserter(missing));
    std::set_difference(used.begin(), used.end(), codes.begin(), codes.end(), std::back_inserter(extra));
    std::cout << "palette codes unused:";
    for (int c : missing) std::cout << ' ' << c << '\'' << symbolOf(static_cast<uint8_t>(c)) << '\'';
    std::cout << "\ncodes outside the palette:";
    for (int c : extra) std::cout << ' ' << c;
    std::cout << '\n';
    return missing.empty() && extra.empty() ? 0 : 1;
  }

  bool all = true;
  for (const std::string& f : files) {
    const std::optional<LevelText> t = load(f);
    if (!t) return 2;
    all = check(f, *t, options) && all;
  }
  return all ? 0 : 1;
}
