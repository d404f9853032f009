// Typed names that become file names, case-insensitive lookup below the program folder, and the
// Windows-1252 text of names.
#include <gtest/gtest.h>

#include <fstream>

#include "state/file_names.h"
#include "state/program_files.h"
#include "state/text_codec.h"
#include "support/temp_folder.h"

namespace quobbles {
namespace {

TEST(FileNames, OrdinaryNamesAreAccepted) {
  for (const std::string& name : std::vector<std::string>{"abc", "Maze 2", "Trip to the Garden", "a.b", "J\xE4\xE4kiekko", std::string(64, 'z')})
    EXPECT_EQ(fileNameProblem(name), "") << name;
}

TEST(FileNames, NamesThatCouldEscapeTheirFolderOrBreakAFileSystemAreRefused) {
  const std::string refused[] = {
      "",           "..",       ".",        "../abc",    "a/b",       "a\\b",     "/etc/passwd", "C:abc",
      "a\nb",       "tab\there", std::string("nul\0x", 5), "what?",  "star*",     "pipe|",    "<x>",
      "\"q\"",      "   ",       "...",     " lead",     "trail ",    "trail.",   "CON",       "con.txt",
      "Lpt1",       "COM9.plr",  "aux",     std::string(65, 'z'), "del\x7f"};
  for (const std::string& name : refused) EXPECT_NE(fileNameProblem(name), "") << "accepted: " << name;
  EXPECT_EQ(fileNameProblem("COM0"), "");  // only COM1..COM9 are devices
  EXPECT_EQ(fileNameProblem("console"), "");
}

TEST(ProgramFiles, NamesMeetWhateverTheirLetterCase) {
  testing::TempFolder dir;
  std::filesystem::create_directories(dir.path() / "Levels");
  std::filesystem::create_directories(dir.path() / "Players");
  std::ofstream(dir.path() / "Players" / "abc.plr") << "x";
  std::ofstream(dir.path() / "Players" / "\xC3\x84iti.plr") << "x";  // "Äiti" in UTF-8

  EXPECT_EQ(findCaseInsensitive(dir.path(), {"levels"}), dir.path() / "Levels");
  EXPECT_EQ(findCaseInsensitive(dir.path(), {"PLAYERS", "ABC.plr"}), dir.path() / "Players" / "abc.plr");
  EXPECT_EQ(findCaseInsensitive(dir.path(), {"players", "\xC3\xA4iti.PLR"}),
            dir.path() / "Players" / "\xC3\x84iti.plr");
  // A file still to be made keeps the spelling it was asked with, in the folder that exists.
  EXPECT_EQ(findCaseInsensitive(dir.path(), {"levels", "New.lev"}), dir.path() / "Levels" / "New.lev");
  EXPECT_EQ(findCaseInsensitive(dir.path(), {"Campain", "Campain.dat"}), dir.path() / "Campain" / "Campain.dat");

  setProgramFolder(dir.path());
  EXPECT_EQ(programFile({"players", "Abc.Plr"}), dir.path() / "Players" / "abc.plr");
}

TEST(TextCodec, Windows1252RoundTripsThroughUtf8) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string utf8 = utf8FromGameText(all);
  const auto back = gameTextFromUtf8(utf8);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, all);
  EXPECT_EQ(utf8FromGameText("\x80"), "\xE2\x82\xAC");  // the euro sign
  EXPECT_EQ(utf8FromGameText("\xE4"), "\xC3\xA4");      // a with diaeresis
}

TEST(TextCodec, TextWindows1252CannotHoldIsRefused) {
  EXPECT_FALSE(gameTextFromUtf8("\xE6\x97\xA5"));      // a CJK character
  EXPECT_FALSE(gameTextFromUtf8("\xF0\x9F\x98\x80"));  // an emoji
  EXPECT_FALSE(gameTextFromUtf8("\xC3"));              // cut-off UTF-8
  EXPECT_FALSE(gameTextFromUtf8("\xFF"));              // not UTF-8 at all
  // Overlong forms would smuggle in characters the shortest form shows: a zero, a slash.
  EXPECT_FALSE(gameTextFromUtf8(std::string("a\xC0\x80", 3)));
  EXPECT_FALSE(gameTextFromUtf8("\xC0\xAF"));
  EXPECT_FALSE(gameTextFromUtf8("\xE0\x80\xAF"));
  EXPECT_FALSE(gameTextFromUtf8("\xED\xA0\x80"));      // a lone surrogate
  EXPECT_EQ(foldCase("ABC\xC4\xD7\x8A"), "abc\xE4\xD7\x9A");
}

}  // namespace
}  // namespace quobbles
