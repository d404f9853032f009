// quobbles-sim as a level maker runs it: a level file and a key string in, the whole state out,
// and a one-line complaint with exit status 2 for anything it cannot play.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using quobbles::testing::TempFolder;
using Squares = std::map<std::pair<int, int>, int>;  // (x, y) -> code; every other square holds 0

struct SimRun {
  int status = -1;
  std::string out, err;
};

SimRun runSim(const fs::path& folder, const std::string& arguments) {
  const fs::path errFile = folder / "stderr.txt";
  SimRun r;
  FILE* pipe = popen(("'" QUOBBLES_SIM_PATH "' " + arguments + " 2>'" + errFile.string() + "'").c_str(), "r");
  if (pipe == nullptr) return r;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) r.out.append(buffer, n);
  const int wait = pclose(pipe);
  r.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
  std::ostringstream err;
  err << std::ifstream(errFile).rdbuf();
  r.err = err.str();
  return r;
}

// A level file (name length, name, edit code, status, then the map row by row), quoted for the shell.
std::string writeLevel(const fs::path& file, const Squares& squares, std::size_t mapBytes = 2500) {
  std::string map(2500, '\0');
  for (const auto& [square, code] : squares) map[square.second * 50 + square.first] = static_cast<char>(code);
  std::ofstream(file, std::ios::binary)
      << std::string{3, 0, 'c', 'l', 'i', 0, 0, 0, 0} + map.substr(0, mapBytes);
  return "'" + file.string() + "'";
}

// The 50 rows of a grid as the dump writes them.
std::string grid(const Squares& squares) {
  std::string text;
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 50; ++x)
      text += (x ? " " : "") + std::to_string(squares.count({x, y}) ? squares.at({x, y}) : 0) +
              (x == 49 ? "\n" : "");
  return text;
}

const std::string kOffMap = "60 60 60 60 60 60 60 60 60\n";

TEST(SimCli, OneTurnDump) {
  TempFolder folder;
  // A star to collect, a brown block that sees the player from the right, a wall below.
  const SimRun r = runSim(
      folder.path(), writeLevel(folder.path() / "a.lev", {{{1, 0}, 15}, {{3, 0}, 80}, {{0, 2}, 60}}) + " 6");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(
      r.out,
      "play_state 0\nplayer 1 0\nlast_move_key 54\nturn_action 0\ngravity 0\ndark_view 0\nstars_left 0\n"
      "view_shift 4 4\nfigure 2880 2880 1\nface 0\nmessage 0 Game over.\nesc_hint 0\nall_stars 1\n"
      "hint_colour 255,255,0\ncounters 0 0 0 0 0\nlights 255,128,0 128,128,128 128,128,128 128,128,128\n"
      "light_spans 2880 3480 2880 3480 2880 3480 2880 3480\nview\n" +
          kOffMap + kOffMap + kOffMap + kOffMap +
          "60 60 60 0 0 80 0 0 0\n60 60 60 0 0 0 0 0 0\n60 60 60 60 0 0 0 0 0\n"
          "60 60 60 0 0 0 0 0 0\n60 60 60 0 0 0 0 0 0\nmap\n" +
          grid({{{2, 0}, 80}, {{0, 2}, 60}}) + "state\n" + grid({{{3, 0}, 10}}));
}

TEST(SimCli, EachStepWithCountersUntilDeath) {
  TempFolder folder;
  // A spike ball below the start; a hanger that turns down at a wall.
  const Squares map = {{{0, 1}, 18}, {{2, 3}, 60}, {{3, 3}, 120}};
  const SimRun r =
      runSim(folder.path(), "--counters 1,2,3,4,5 --each " + writeLevel(folder.path() / "a.lev", map) + " 2");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  const std::string start =
      "step 0\nplay_state 0\nplayer 0 0\nlast_move_key 0\nturn_action 0\ngravity 0\ndark_view 0\nstars_left "
      "0\n"
      "view_shift 4 4\nfigure 2880 2880 1\nface 0\nmessage 0 Game over.\nesc_hint 0\nall_stars 0\n"
      "hint_colour 255,255,0\ncounters 1 2 3 4 5\nlights 192,192,192 192,192,192 192,192,192 192,192,192\n"
      "light_spans 2880 3480 2880 3480 2880 3480 2880 3480\nview\n" +
      kOffMap + kOffMap + kOffMap + kOffMap +
      "60 60 60 60 0 0 0 0 0\n60 60 60 60 18 0 0 0 0\n60 60 60 60 0 0 0 0 0\n"
      "60 60 60 60 0 0 60 h11 0\n60 60 60 60 0 0 0 0 0\nmap\n" +
      grid(map) + "state\n" + grid({});
  const std::string dead =
      "step 1\nplay_state 1\nplayer 0 1\nlast_move_key 50\nturn_action 0\ngravity 0\ndark_view 0\nstars_left "
      "0\n"
      "view_shift 4 4\nfigure 2880 2880 0\nface 0\nmessage 1 Game over.\nesc_hint 1\nall_stars 0\n"
      "hint_colour 255,255,0\ncounters 1 2 3 4 5\nlights 128,128,128 128,128,128 128,128,128 128,128,128\n"
      "light_spans 2880 3480 2880 3480 2880 3480 2880 3480\nview\n" +
      kOffMap + kOffMap + kOffMap +
      "60 60 60 60 0 0 0 0 0\n60 60 60 60 18 0 0 0 0\n60 60 60 60 0 0 0 0 0\n"
      "60 60 60 60 0 0 60 0 0\n60 60 60 60 0 0 0 h12 0\n60 60 60 60 0 0 0 0 0\nmap\n" +
      grid({{{0, 1}, 18}, {{2, 3}, 60}, {{3, 4}, 120}}) + "state\n" + grid({{{3, 3}, 10}, {{3, 4}, 12}});
  EXPECT_EQ(r.out, start + dead);
}

TEST(SimCli, RefusesWhatItCannotPlay) {
  TempFolder folder;
  const std::string good = writeLevel(folder.path() / "good.lev", {});
  const std::pair<const char*, std::string> cases[] = {
      {"missing file", "'" + (folder.path() / "nowhere.lev").string() + "' 5"},
      {"short file", writeLevel(folder.path() / "short.lev", {}, 2499) + " 5"},
      {"map byte 17", writeLevel(folder.path() / "code17.lev", {{{5, 5}, 17}}) + " 5"},
      {"key below 32", good + " '5\t5'"},
      {"key above 126", good + " \"$(printf '5\\177')\""},
      {"too few counters", "--counters 1,2,3 " + good + " 5"},
      {"counters not numbers", "--counters a,b,c,d,e " + good + " 5"},
  };
  for (const auto& [name, arguments] : cases) {
    const SimRun r = runSim(folder.path(), arguments);
    EXPECT_EQ(r.status, 2) << name;
    EXPECT_EQ(r.out, "") << name;
    // One line on stderr, ended by its line feed.
    EXPECT_TRUE(r.err.size() > 1 && r.err.find('\n') == r.err.size() - 1) << name << ": " << r.err;
  }
}

}  // namespace
