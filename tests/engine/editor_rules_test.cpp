// The editor's rules below its commands: which typed names may become level files, the Levels
// folder found whatever the letter case of it and of the name, statuses no level can have; numbers
// typed in the editor (exact reading, halves rounded to the even neighbour, the edit-code box's
// last-character rule, hostile text that is no number); the labyrinth and clearing; and copy and
// paste of a rectangle (the prompts' failure rule, the cut at the grid's edge and the failure
// midway).
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "editor/copy_paste.h"
#include "editor/editor_files.h"
#include "editor/editor_logic.h"
#include "editor/editor_numbers.h"
#include "state/level_file.h"
#include "state/program_files.h"
#include "state/tiles.h"
#include "support/program_folder_test.h"

namespace quobbles::editor {
namespace {

namespace fs = std::filesystem;

class EditorFiles : public testing::ProgramFolderTest {};

TEST_F(EditorFiles, NamesThatCannotBeFileNamesOrWindows1252AreRefused) {
  for (const char* bad : {"", "../../etc/passwd", "..\\x", "con", "snow\xE2\x98\x83"})
    EXPECT_FALSE(levelNameFromTyped(bad)) << bad;
  const auto accented = levelNameFromTyped("K\xC3\xA4rpp\xC3\xA4");  // "Kärppä"
  ASSERT_TRUE(accented);
  EXPECT_EQ(*accented.value, "K\xE4rpp\xE4");  // one byte per character
}

TEST_F(EditorFiles, FoundWhateverTheLetterCaseAndNeverReadWithAStatusNoLevelCanHave) {
  ASSERT_EQ(saveLevelAs(g, e, "Maze"), "");  // the missing folder is made
  fs::rename(dir.path() / "Levels", dir.path() / "levels");
  ASSERT_EQ(saveLevelAs(g, e, "maze"), "");  // into the folder and over the file that are there
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "levels"), {}), 1);
  EXPECT_FALSE(fs::exists(dir.path() / "Levels"));
  EXPECT_FALSE(readEditorLevel("../levels/maze"));

  Level odd;  // a status no level can have is refused
  for (int16_t status : {-1, 3, 300}) {
    odd.LevelStatus = status;
    ASSERT_EQ(WriteLevel(dir.path() / "levels" / "odd.lev", odd), "");
    const Outcome<Level> read = readEditorLevel("odd");
    EXPECT_FALSE(read) << status;
    EXPECT_NE(read.reason.find(std::to_string(status)), std::string::npos) << read.reason;
  }
}

TEST(EditorNumbers, TextIsOneDecimalNumberWithHalvesRoundedToTheEvenOneAndKeptToItsRange) {
  const std::pair<const char*, std::optional<int16_t>> codes[] = {
      {"0.5", 0},         {"1.5", 2}, {"2.5", 2},         {"2.5000001", 3}, {"-2.5", -2},
      {"-2.6", -3},       {".5", 0},  {"7.", 7},          {"+12", 12},      {"  42  ", 42},
      {"-32768", -32768}, {"-0", 0},  {"32767.4", 32767}, {"32767.5", {}}};
  for (const auto& [text, expected] : codes) EXPECT_EQ(readInteger16(text), expected) << text;
  for (const char* text :
       {"", " ", "-", ".", "- 1", "1 2", "1.2.3", "1e3", "0x10", "../x", "1,5", "\t1", "\xEF\xBC\x91", "--1"})
    EXPECT_FALSE(readDecimal(text)) << "'" << text << "'";
  EXPECT_FALSE(readInteger16(std::string(5000, '9')));
  EXPECT_EQ(readInteger16(std::string(5000, '0') + "17"), 17);
  EXPECT_EQ(readByteAnswer("254.5"), 254);
  EXPECT_EQ(readByteAnswer("-0.4"), 0);
  EXPECT_FALSE(readByteAnswer("255.5"));
  // The edit-code answer: an empty answer is no code, not zero; a fraction is another number;
  // nothing is wrapped into 16 bits.
  const std::tuple<const char*, int16_t, bool> answers[] = {{" 0.000 ", 0, true},   {"-1234", -1234, true},
                                                            {"", 0, false},         {"0.4", 0, false},
                                                            {"1234", -1234, false}, {"65613", 77, false}};
  for (const auto& [answer, code, equal] : answers)
    EXPECT_EQ(answerEqualsCode(answer, code), equal) << answer;
}

TEST(EditorNumbers, TheCodeBoxDropsLastCharactersUntilItsTextIsANumber) {
  // Above 32767 the last digit goes at once; an accented letter goes whole; only ever the last
  // character goes, so "1a2" keeps just the 1.
  const std::tuple<const char*, const char*, std::optional<int16_t>> cases[] = {
      {"32768", "3276", 3276},  {"-", "", std::nullopt}, {"-45", "-45", -45},     {"2.5", "2.5", 2},
      {"12\xC3\xA9", "12", 12}, {"1a2", "1", 1},         {"ab", "", std::nullopt}};
  for (const auto& [typed, kept, code] : cases)
    EXPECT_EQ(std::pair(editCodeBoxRule(typed).text, editCodeBoxRule(typed).code),
              std::pair(std::string(kept), code));
}

// A repeatable stand-in for the clock-seeded generator.
Random01 sequence(uint32_t seed) {
  return [state = seed]() mutable {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) / static_cast<double>(1u << 24);
  };
}

TEST(EditorLabyrinth, RoomsAndPillarsAreFixedAboutFortyPercentOfPassagesWalledAndClearingUndoesAll) {
  GameState g, h;
  EditorState e;  // Empty selected: the tool builds with the permanent wall
  g.level = Level{"Old", -5, kPassed, {}};
  useLabyrinthTool(g, e, sequence(12345));
  EXPECT_EQ((std::pair{e.SelectedTile, g.level.LevelName}), (std::pair{tile::PermanentWall, std::string()}));
  // Rooms at even squares stay empty, pillars at odd ones are walls, the passages between either.
  int walled = 0;
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x) {
      const uint8_t c = g.code(x, y);
      const bool room = x % 2 == 0 && y % 2 == 0, pillar = x % 2 == 1 && y % 2 == 1;
      ASSERT_EQ(c, room ? tile::Empty : pillar ? tile::PermanentWall : c) << x << "," << y;
      ASSERT_TRUE(c == tile::Empty || c == tile::PermanentWall) << x << "," << y;
      walled += !room && !pillar && c != tile::Empty;
    }
  EXPECT_NEAR(walled / 1250.0, 0.4, 0.05);  // 1250 passages

  g.MapMax = {9, 9};
  g.PlayerPos = {7, 3};
  e.LevelChanged = true;
  Clear_map(g, e, ClearMode::kPlain);  // not a wall left, even beyond the extent
  EXPECT_EQ((std::tuple{g.level, g.MapMax, g.PlayerPos, e.LevelChanged}),
            (std::tuple{Level{}, WordPos{49, 49}, BytePos{0, 0}, false}));

  // Another tile builds with itself; the clock's own generator makes (almost surely) two mazes.
  e.SelectedTile = 21;
  useLabyrinthTool(g, e);
  useLabyrinthTool(h, e);
  EXPECT_TRUE(g.code(49, 49) == 21 && g.level.MapGrid != h.level.MapGrid);
}

using Area = std::array<uint8_t, 6>;

// Copies with the prompts answered from a list, then with Cancel (the empty text).
bool copyWith(EditorState& e, std::vector<std::string> texts) {
  testing::ScriptedPrompts prompts;
  prompts.inputs.assign(texts.begin(), texts.end());
  return copyArea(e, prompts);
}

TEST(EditorCopy, EdgesBecomeSpansAndRefusalsKeepWhatWasStored) {
  EditorState e;
  ASSERT_TRUE(copyWith(e, {"2", "3", "4", "3"}));
  EXPECT_EQ(e.CopyArea, (Area{2, 3, 2, 0, 0, 0}));
  EXPECT_FALSE(copyWith(e, {"5", "1", "4", "1"}));  // right edge one left of the left edge
  EXPECT_FALSE(copyWith(e, {"5", "1", "1", "8"}));
  EXPECT_EQ(e.CopyArea, (Area{5, 1, 1, 8, 0, 0}));  // the raw edges stay
  EXPECT_FALSE(copyWith(e, {"1", "6", "256"}));     // bottom above the top, or not a byte
  EXPECT_FALSE(copyWith(e, {"1", "6", "3", "2"}));
  EXPECT_EQ(e.CopyArea, (Area{1, 6, 2, 2, 0, 0}));
  ASSERT_TRUE(copyWith(e, {"20", "0", "60", "0"}));  // beyond 49 only a paste refuses
  EXPECT_EQ(e.CopyArea[CopySpanX], 40);
}

TEST(EditorPaste, IsCutAtTheGridsEdgeAndFailsMidwayOffIt) {
  // (A paste that reads squares it has written: the editor's paste command, editor_commands_test.)
  GameState g;
  EditorState e;
  g.MapMax = {10, 10};
  for (int x = 0; x < 10; ++x) g.code(x, 0) = g.code(x, 1) = static_cast<uint8_t>(60 + (x % 6));
  e.CopyArea = {0, 0, 9, 2, 45, 48};  // 10 x 3 squares at (45, 48)
  ASSERT_TRUE(pasteArea(g, e));
  for (int x = 45; x <= 49; ++x) {
    EXPECT_EQ(g.code(x, 48), 60 + (x - 45) % 6) << x;
    EXPECT_EQ(g.code(x, 49), 60 + (x - 45) % 6) << x;
  }

  // Left 20 and right 60: source column 50 stops the paste midway; what was pasted stays.
  for (int x = 0; x < kMapSize; ++x) g.code(x, 0) = static_cast<uint8_t>(x % 2 ? 21 : 64);
  const Grid before = g.level.MapGrid;
  e.CopyArea = {20, 0, 40, 1, 0, 10};
  EXPECT_FALSE(pasteArea(g, e));
  for (int x = 0; x <= 29; ++x) EXPECT_EQ(g.code(x, 10), before[squareIndex(x + 20, 0)]) << x;
  EXPECT_EQ(g.code(30, 10), 0);  // source column 50 stopped it

  g.level.MapGrid = before;
  e.CopyArea = {0, 0, 60, 0, 0, 10};  // from column 0 the grid's edge comes first: no failure
  EXPECT_TRUE(pasteArea(g, e));
  EXPECT_EQ(g.code(49, 10), before[squareIndex(49, 0)]);
  e.CopyArea = {250, 0, 255, 0, 0, 0};  // sums past 255 never wrap around onto the grid
  EXPECT_FALSE(pasteArea(g, e));
}

}  // namespace
}  // namespace quobbles::editor
