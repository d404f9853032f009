// Levels as text and quobbles-mklevel: the legend covers every code once, the reader refuses
// bad text with the line at fault, text and ".lev" convert both ways, and the tool writes the
// record the game reads or refuses with one line and exit status 2.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "editor/level_file.h"
#include "sim/level_text.h"
#include "state/tiles.h"
#include "support/temp_folder.h"

namespace quobbles::sim {
namespace {

namespace fs = std::filesystem;

const std::string kHeader = "name: Test\ncode: -7\nstatus: 2\n";

TEST(LevelText, LegendHasOneCharacterForEveryCode) {
  std::set<char> symbols;
  std::set<uint8_t> codes;
  for (const LegendEntry& e : kLegend) {
    EXPECT_TRUE(isValidTileCode(e.code)) << int(e.code);
    EXPECT_TRUE(symbols.insert(e.symbol).second) << "symbol used twice: " << e.symbol;
    EXPECT_TRUE(codes.insert(e.code).second) << "code listed twice: " << int(e.code);
    EXPECT_EQ(codeOfSymbol(e.symbol), e.code);
    EXPECT_EQ(symbolOfCode(e.code), e.symbol);
    EXPECT_NE(e.symbol, ' ');
    EXPECT_NE(e.symbol, ';');
  }
  EXPECT_EQ(codes, std::set<uint8_t>(kValidTileCodes.begin(), kValidTileCodes.end()));
  EXPECT_FALSE(codeOfSymbol(' '));
}

TEST(LevelText, ReadsHeaderAndMap) {
  const Outcome<LevelText> t = parseLevelText(
      "; a comment\r\n"
      "name: Caf\xC3\xA9 Garden\r\n"
      "code: -7\n"
      "status: 2\n"
      "fill: .\n"
      "solution: 66b6\n"
      "stars:  2v5n8 \n"
      "needs: mine attack\n"
      "map:\n"
      "#E\r\n"
      "\n"
      "..H\n"
      "\n\n");
  ASSERT_TRUE(t) << t.reason;
  EXPECT_EQ(t.value->level.LevelName, "Caf\xE9 Garden");  // Windows-1252 in the file
  EXPECT_EQ(t.value->level.EditCode, -7);
  EXPECT_EQ(t.value->level.LevelStatus, 2);
  EXPECT_EQ(t.value->solution, "66b6");
  EXPECT_EQ(t.value->starSolution, "2v5n8");
  EXPECT_EQ(t.value->needs, (std::vector<uint8_t>{tile::MineStuff, tile::FourDirectionShoot}));
  EXPECT_EQ(t.value->rows, 3);  // trailing blank lines are not rows
  const Level& l = t.value->level;
  EXPECT_EQ(l.code(0, 0), tile::PermanentWall);
  EXPECT_EQ(l.code(1, 0), tile::Exit);
  EXPECT_EQ(l.code(2, 0), tile::Empty);  // fill
  EXPECT_EQ(l.code(0, 1), tile::Empty);  // a blank row inside the map is fill
  EXPECT_EQ(l.code(2, 2), tile::Hanger);
  EXPECT_EQ(l.code(49, 49), tile::Empty);
  // Without "fill:" the rest of the map is permanent wall.
  const Outcome<LevelText> walled = parseLevelText(kHeader + "map:\n.E\n");
  ASSERT_TRUE(walled) << walled.reason;
  EXPECT_EQ(walled.value->level.code(2, 0), tile::PermanentWall);
  EXPECT_EQ(walled.value->level.code(0, 1), tile::PermanentWall);
}

TEST(LevelText, RefusesBadTextNamingTheLine) {
  const std::string row50(50, '.');
  std::string rows51;
  for (int i = 0; i < 51; ++i) rows51 += ".\n";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"map:\n.\n", "line 2: the header needs name, code and status"},
      {kHeader, "line 3: no \"map:\" line"},
      {kHeader + "size: 5\nmap:\n", "line 4: unknown key \"size\""},
      {kHeader + "code: 5\nmap:\n", "line 4: \"code\" given twice"},
      {"name: x\ncode: 40000\n", "line 2: the edit code must be a whole number from -32768 to 32767"},
      {"name: x\ncode: 1\nstatus: 3\n", "line 3: the status must be 0, 1 or 2"},
      {"name: x\ncode: 1.5\n", "line 2: the edit code must be a whole number from -32768 to 32767"},
      {kHeader + "fill: ##\n", "line 4: the fill must be one map character"},
      {kHeader + "solution: 66a\n", "line 4: a solution holds only the keys 24568bcmnv"},
      {kHeader + "needs: mine luck\n", "line 4: unknown special \"luck\""},
      {"name: \xE2\x82\xAC\xE2\x98\x83\n", "line 1: the name holds a character a level file cannot hold"},
      {kHeader + "just words\n", "line 4: expected \"key: value\" or \"map:\""},
      {kHeader + "map: now\n", "line 4: the map starts on the line after \"map:\""},
      {kHeader + "map:\n..\n.Z.\n", "line 6: column 1: 'Z' is not a map character"},
      {kHeader + "map:\n . \n", "line 5: column 0: ' ' is not a map character"},
      {kHeader + "map:\n" + row50 + ".\n", "line 5: a map row is longer than 50 squares"},
      {kHeader + "map:\n" + rows51, "line 55: more than 50 map rows"},
  };
  for (const auto& [text, why] : cases) {
    const Outcome<LevelText> t = parseLevelText(text);
    EXPECT_FALSE(t) << text;
    EXPECT_EQ(t.reason, why) << text;
  }
  // Exactly 50 rows of 50 squares fit.
  std::string full = kHeader + "map:\n";
  for (int i = 0; i < 50; ++i) full += row50 + "\n";
  EXPECT_TRUE(parseLevelText(full)) << parseLevelText(full).reason;
}

TEST(LevelText, FormatsWhatItReads) {
  LevelText t;
  t.level.LevelName = "Round \xE9 trip";
  t.level.EditCode = 1234;
  t.level.LevelStatus = 1;
  t.level.MapGrid.fill(tile::PermanentWall);
  // Every code somewhere, a gap of fill inside a row, and the far corner.
  for (std::size_t i = 0; i < kValidTileCodes.size(); ++i)
    t.level.code(static_cast<int>(i % 20), static_cast<int>(i / 20) * 2) = kValidTileCodes[i];
  t.level.code(49, 49) = tile::Exit;
  t.solution = "2b6";
  t.needs = {tile::Immortality};
  const std::string text = formatLevelText(t);
  const Outcome<LevelText> back = parseLevelText(text);
  ASSERT_TRUE(back) << back.reason << "\n" << text;
  EXPECT_EQ(back.value->level, t.level);
  EXPECT_EQ(back.value->solution, t.solution);
  EXPECT_EQ(back.value->needs, t.needs);
  EXPECT_EQ(back.value->rows, 50);
  EXPECT_NE(text.find("name: Round \xC3\xA9 trip\n"), std::string::npos);
}

// --- The tool ----------------------------------------------------------------------------------

struct ToolRun {
  int status = -1;
  std::string out, err;
};

ToolRun mklevel(const std::string& arguments, const fs::path& folder) {
  const fs::path errFile = folder / "stderr.txt";
  const std::string command =
      std::string("'") + QUOBBLES_MKLEVEL_PATH + "' " + arguments + " 2>'" + errFile.string() + "'";
  ToolRun r;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return r;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.out.append(buffer, n);
  const int wait = pclose(pipe);
  r.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
  std::ifstream err(errFile);
  std::ostringstream text;
  text << err.rdbuf();
  r.err = text.str();
  return r;
}

std::string quoted(const fs::path& p) {
  return "'" + p.string() + "'";
}

TEST(Mklevel, WritesTheLevelRecord) {
  testing::TempFolder folder;
  const fs::path source = folder.path() / "A.txt", output = folder.path() / "A.lev";
  std::ofstream(source) << "name: A\ncode: 258\nstatus: 1\nfill: .\nmap:\n.E\n";
  const ToolRun r = mklevel(quoted(source) + " " + quoted(output), folder.path());
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  std::ifstream in(output, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_EQ(bytes.size(), 2507u);
  // Name length, the name, edit code 258 and status 1 little-endian, then the map row by row.
  EXPECT_EQ(bytes.substr(0, 7), std::string("\x01\x00"
                                            "A"
                                            "\x02\x01"
                                            "\x01\x00",
                                            7));
  EXPECT_EQ(static_cast<uint8_t>(bytes[7]), tile::Empty);
  EXPECT_EQ(static_cast<uint8_t>(bytes[8]), tile::Exit);
  EXPECT_EQ(bytes.find_first_not_of('\0', 9), std::string::npos);

  // --text gives back text that reads as the same level.
  const ToolRun text = mklevel("--text " + quoted(output), folder.path());
  EXPECT_EQ(text.status, 0) << text.err;
  const Outcome<LevelText> back = parseLevelText(text.out);
  ASSERT_TRUE(back) << back.reason;
  EXPECT_EQ(back.value->level, *ReadLevel(output).value);
}

TEST(Mklevel, RefusesWithOneLine) {
  testing::TempFolder folder;
  const fs::path bad = folder.path() / "bad.txt", good = folder.path() / "good.txt";
  std::ofstream(bad) << "name: B\ncode: 1\nstatus: 1\nmap:\n.Q\n";
  std::ofstream(good) << "name: G\ncode: 1\nstatus: 1\nmap:\n.E\n";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"bad text", quoted(bad) + " " + quoted(folder.path() / "bad.lev")},
      {"missing source", quoted(folder.path() / "none.txt") + " " + quoted(folder.path() / "none.lev")},
      {"folder that does not exist", quoted(good) + " " + quoted(folder.path() / "no" / "where.lev")},
      {"one argument", quoted(good)},
      {"unknown option", "--fast " + quoted(good)},
      {"--text of a missing file", "--text " + quoted(folder.path() / "none.lev")},
  };
  for (const auto& [what, arguments] : cases) {
    const ToolRun r = mklevel(arguments, folder.path());
    EXPECT_EQ(r.status, 2) << what;
    EXPECT_EQ(r.out, "") << what;
    ASSERT_FALSE(r.err.empty()) << what;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << what << ": " << r.err;
  }
  EXPECT_NE(mklevel(quoted(bad) + " x.lev", folder.path()).err.find("line 5: column 1: 'Q'"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(folder.path() / "bad.lev"));
}

}  // namespace
}  // namespace quobbles::sim
