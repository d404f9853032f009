// Levels as text and quobbles-mklevel: the reader takes the header and the map and refuses bad
// text with the line at fault; the tool writes the record the game reads and prints it back as
// text, or refuses with one line and exit status 2.
#include <gtest/gtest.h>

#include <fstream>

#include "sim/level_text.h"
#include "state/level_file.h"
#include "state/tiles.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace quobbles::sim {
namespace {

const std::string kHeader = "name: Test\ncode: -7\nstatus: 2\n";

TEST(LevelText, ReadsHeaderAndMap) {
  const Outcome<LevelText> parsed = parseLevelText(
      "; a comment\r\nname: Caf\xC3\xA9 Garden\r\ncode: -7\nstatus: 2\nfill: .\n"
      "solution: 66b6\nstars:  2v5n8 \nneeds: mine attack\nmap:\n#E\r\n\n..H\n\n\n");
  ASSERT_TRUE(parsed) << parsed.reason;
  const LevelText& t = *parsed.value;
  const Level& l = t.level;
  EXPECT_EQ(l.LevelName, "Caf\xE9 Garden");  // Windows-1252 in the file
  EXPECT_EQ((std::tuple{l.EditCode, l.LevelStatus, t.solution, t.starSolution, t.rows}),
            (std::tuple{-7, 2, "66b6", "2v5n8", 3}));  // trailing blank lines are not rows
  EXPECT_EQ(t.needs, (std::vector<uint8_t>{tile::MineStuff, tile::FourDirectionShoot}));
  // The fill stands for what the rows leave out, and for a blank row inside the map.
  EXPECT_EQ(
      (std::array{l.code(0, 0), l.code(1, 0), l.code(2, 0), l.code(0, 1), l.code(2, 2), l.code(49, 49)}),
      (std::array<uint8_t, 6>{tile::PermanentWall, tile::Exit, 0, 0, tile::Hanger, 0}));
  const Level walled = parseLevelText(kHeader + "map:\n.E\n").value.value().level;  // no fill: walls
  EXPECT_EQ((std::array{walled.code(2, 0), walled.code(0, 1)}), (std::array<uint8_t, 2>{60, 60}));
}

TEST(LevelText, RefusesBadTextNamingTheLine) {
  std::string rows50;
  for (int i = 0; i < 50; ++i) rows50 += std::string(50, '.') + "\n";
  const std::pair<std::string, std::string> cases[] = {
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
      {kHeader + "map:\n" + std::string(51, '.'), "line 5: a map row is longer than 50 squares"},
      {kHeader + "map:\n" + rows50 + ".\n", "line 55: more than 50 map rows"},
      {kHeader + "map:\n" + rows50, ""}};  // exactly 50 rows of 50 squares fit
  for (const auto& [text, why] : cases) EXPECT_EQ(parseLevelText(text).reason, why) << text;
}

testing::ProgramRun mklevel(const std::string& arguments) {
  return testing::runProgram(QUOBBLES_MKLEVEL_PATH, arguments);
}

TEST(Mklevel, WritesTheRecordTheGameReadsOrRefusesWithOneLine) {
  testing::TempFolder folder;
  const auto file = [&folder](const char* name) { return testing::shellQuoted(folder.path() / name); };
  // Every map character, rows of fill between them, and a name that is not ASCII.
  std::string source = "name: Caf\xC3\xA9\ncode: 258\nstatus: 1\nfill: .\nmap:\n";
  for (std::size_t i = 0; i < kTiles.size(); ++i)
    source += kTiles[i].symbol + std::string(i % 10 == 9 ? "\n\n" : "");
  std::ofstream(folder.path() / "A.txt") << source;
  std::ofstream(folder.path() / "bad.txt") << "name: B\ncode: 1\nstatus: 1\nmap:\n.Q\n";
  const testing::ProgramRun made = mklevel(file("A.txt") + " " + file("A.lev"));
  EXPECT_EQ((std::tuple{made.status, made.out, made.err}), std::tuple(0, "", ""));
  EXPECT_EQ(ReadLevel(folder.path() / "A.lev").value, parseLevelText(source).value.value().level);
  // --text gives back text that reads as the same level.
  const std::string text = mklevel("--text " + file("A.lev")).out;
  EXPECT_EQ(parseLevelText(text).value.value().level, ReadLevel(folder.path() / "A.lev").value);

  for (const std::string& arguments :
       {file("bad.txt") + " " + file("bad.lev"), file("none.txt") + " " + file("none.lev"),
        file("A.txt") + " " + file("no/where.lev"), file("A.txt"), "--fast " + file("A.txt"),
        "--text " + file("none.lev")}) {
    const testing::ProgramRun r = mklevel(arguments);
    EXPECT_EQ((std::tuple{r.status, r.out, r.saidOneLine()}), (std::tuple{2, "", true}))
        << arguments << ": " << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "bad.lev"));
}

}  // namespace
}  // namespace quobbles::sim
