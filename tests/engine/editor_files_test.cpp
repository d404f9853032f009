// The editor's level files: which typed names may become files, the Levels folder found
// whatever the letter case of it and of the name, and statuses no level can have.
#include "editor/editor_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "state/level_file.h"
#include "state/program_files.h"
#include "support/temp_folder.h"

namespace quobbles::editor {
namespace {

namespace fs = std::filesystem;

TEST(EditorFiles, NamesThatCannotBeFileNamesOrWindows1252AreRefused) {
  for (const char* bad : {"", "../../etc/passwd", "..\\x", "con", "snow\xE2\x98\x83"})
    EXPECT_FALSE(levelNameFromTyped(bad)) << bad;
  const auto accented = levelNameFromTyped("K\xC3\xA4rpp\xC3\xA4");  // "Kärppä"
  ASSERT_TRUE(accented);
  EXPECT_EQ(*accented.value, "K\xE4rpp\xE4");  // one byte per character
}

TEST(EditorFiles, FoundWhateverTheLetterCaseAndNeverReadWithAStatusNoLevelCanHave) {
  testing::TempFolder dir;
  setProgramFolder(dir.path());
  GameState g;
  EditorState e;
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

  setProgramFolder({});
}

}  // namespace
}  // namespace quobbles::editor
