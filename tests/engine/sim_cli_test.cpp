// quobbles-sim as a level maker runs it: a level file and a key string in, the whole state out,
// and a one-line complaint with exit status 2 for anything it cannot play.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct SimRun {
  int status = -1;
  std::string out;
  std::string err;
};

class SimCli : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ =
        fs::temp_directory_path() / ("quobbles-sim-cli-" + std::to_string(getpid()) + "-" + info->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // A level file: name length, name, edit code, status, then the map row by row.
  fs::path writeLevel(const std::map<std::pair<int, int>, uint8_t>& squares,
                      const std::string& name = "level.lev", std::size_t mapBytes = 2500) {
    std::string bytes = {3, 0, 'c', 'l', 'i', 0, 0, 0, 0};
    std::string map(2500, '\0');
    for (const auto& [square, code] : squares)
      map[square.second * 50 + square.first] = static_cast<char>(code);
    bytes += map.substr(0, mapBytes);
    const fs::path file = folder_ / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }

  SimRun run(const std::string& arguments) {
    const fs::path errFile = folder_ / "stderr.txt";
    const std::string command =
        std::string("'") + QUOBBLES_SIM_PATH + "' " + arguments + " 2>'" + errFile.string() + "'";
    SimRun result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
    const int wait = pclose(pipe);
    result.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
    std::ifstream err(errFile);
    std::stringstream text;
    text << err.rdbuf();
    result.err = text.str();
    return result;
  }

  std::string quoted(const fs::path& p) { return "'" + p.string() + "'"; }

  fs::path folder_;
};

// " 0" repeated: the rest of a row that holds nothing.
std::string zeros(int count) {
  std::string s;
  for (int i = 0; i < count; ++i) s += " 0";
  return s;
}
std::string emptyRows(int count) {
  std::string s;
  for (int i = 0; i < count; ++i) s += "0" + zeros(49) + "\n";
  return s;
}
const std::string kOffMapRow = "60 60 60 60 60 60 60 60 60\n";

TEST_F(SimCli, OneTurnDump) {
  // A star to collect, a brown block that sees the player from the right, a wall below.
  const fs::path level = writeLevel({{{1, 0}, 15}, {{3, 0}, 80}, {{0, 2}, 60}});
  const SimRun r = run(quoted(level) + " 6");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  const std::string expected =
      "play_state 0\n"
      "player 1 0\n"
      "last_move_key 54\n"
      "turn_action 0\n"
      "gravity 0\n"
      "dark_view 0\n"
      "stars_left 0\n"
      "view_shift 4 4\n"
      "figure 2880 2880 1\n"
      "face 0\n"
      "message 0 Game over.\n"
      "esc_hint 0\n"
      "all_stars 1\n"
      "hint_colour 255,255,0\n"
      "counters 0 0 0 0 0\n"
      "lights 255,128,0 128,128,128 128,128,128 128,128,128\n"
      "light_spans 2880 3480 2880 3480 2880 3480 2880 3480\n"
      "view\n" +
      kOffMapRow + kOffMapRow + kOffMapRow + kOffMapRow +
      "60 60 60 0 0 80 0 0 0\n"
      "60 60 60 0 0 0 0 0 0\n"
      "60 60 60 60 0 0 0 0 0\n"
      "60 60 60 0 0 0 0 0 0\n"
      "60 60 60 0 0 0 0 0 0\n"
      "map\n"
      "0 0 80" +
      zeros(47) + "\n" + emptyRows(1) + "60" + zeros(49) + "\n" + emptyRows(47) +
      "state\n"
      "0 0 0 10" +
      zeros(46) + "\n" + emptyRows(49);
  EXPECT_EQ(r.out, expected);
}

TEST_F(SimCli, EachStepWithCountersUntilDeath) {
  // A spike ball below the start; a hanger that turns down at a wall.
  const fs::path level = writeLevel({{{0, 1}, 18}, {{2, 3}, 60}, {{3, 3}, 120}});
  const SimRun r = run("--counters 1,2,3,4,5 --each " + quoted(level) + " 2");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  const std::string start =
      "step 0\n"
      "play_state 0\n"
      "player 0 0\n"
      "last_move_key 0\n"
      "turn_action 0\n"
      "gravity 0\n"
      "dark_view 0\n"
      "stars_left 0\n"
      "view_shift 4 4\n"
      "figure 2880 2880 1\n"
      "face 0\n"
      "message 0 Game over.\n"
      "esc_hint 0\n"
      "all_stars 0\n"
      "hint_colour 255,255,0\n"
      "counters 1 2 3 4 5\n"
      "lights 192,192,192 192,192,192 192,192,192 192,192,192\n"
      "light_spans 2880 3480 2880 3480 2880 3480 2880 3480\n"
      "view\n" +
      kOffMapRow + kOffMapRow + kOffMapRow + kOffMapRow +
      "60 60 60 60 0 0 0 0 0\n"
      "60 60 60 60 18 0 0 0 0\n"
      "60 60 60 60 0 0 0 0 0\n"
      "60 60 60 60 0 0 60 h11 0\n"
      "60 60 60 60 0 0 0 0 0\n"
      "map\n" +
      emptyRows(1) + "18" + zeros(49) + "\n" + emptyRows(1) + "0 0 60 120" + zeros(46) + "\n" +
      emptyRows(46) + "state\n" + emptyRows(50);
  const std::string dead =
      "step 1\n"
      "play_state 1\n"
      "player 0 1\n"
      "last_move_key 50\n"
      "turn_action 0\n"
      "gravity 0\n"
      "dark_view 0\n"
      "stars_left 0\n"
      "view_shift 4 4\n"
      "figure 2880 2880 0\n"
      "face 0\n"
      "message 1 Game over.\n"
      "esc_hint 1\n"
      "all_stars 0\n"
      "hint_colour 255,255,0\n"
      "counters 1 2 3 4 5\n"
      "lights 128,128,128 128,128,128 128,128,128 128,128,128\n"
      "light_spans 2880 3480 2880 3480 2880 3480 2880 3480\n"
      "view\n" +
      kOffMapRow + kOffMapRow + kOffMapRow +
      "60 60 60 60 0 0 0 0 0\n"
      "60 60 60 60 18 0 0 0 0\n"
      "60 60 60 60 0 0 0 0 0\n"
      "60 60 60 60 0 0 60 0 0\n"
      "60 60 60 60 0 0 0 h12 0\n"
      "60 60 60 60 0 0 0 0 0\n"
      "map\n" +
      emptyRows(1) + "18" + zeros(49) + "\n" + emptyRows(1) + "0 0 60" + zeros(47) + "\n" + "0 0 0 120" +
      zeros(46) + "\n" + emptyRows(45) + "state\n" + emptyRows(3) + "0 0 0 10" + zeros(46) + "\n" +
      "0 0 0 12" + zeros(46) + "\n" + emptyRows(45);
  EXPECT_EQ(r.out, start + dead);
}

TEST_F(SimCli, RefusesWhatItCannotPlay) {
  const std::string good = quoted(writeLevel({}));
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"missing file", quoted(folder_ / "nowhere.lev") + " 5"},
      {"short file", quoted(writeLevel({}, "short.lev", 2499)) + " 5"},
      {"map byte 17", quoted(writeLevel({{{5, 5}, 17}}, "code17.lev")) + " 5"},
      {"key below 32", good + " '5\t5'"},
      {"key above 126", good + " \"$(printf '5\\177')\""},
      {"too few counters", "--counters 1,2,3 " + good + " 5"},
      {"counters not numbers", "--counters a,b,c,d,e " + good + " 5"},
  };
  for (const auto& [name, arguments] : cases) {
    const SimRun r = run(arguments);
    EXPECT_EQ(r.status, 2) << name;
    EXPECT_EQ(r.out, "") << name;
    ASSERT_FALSE(r.err.empty()) << name;
    EXPECT_EQ(r.err.back(), '\n') << name;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << name << ": " << r.err;
  }
}

}  // namespace
