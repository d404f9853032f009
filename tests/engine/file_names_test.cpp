// Typed names that become file names, case-insensitive lookup below the program folder, and the
// Windows-1252 text of names.
#include "state/file_names.h"

#include <gtest/gtest.h>

#include <fstream>

#include "state/program_files.h"
#include "state/text_codec.h"
#include "support/temp_folder.h"

namespace quobbles {
namespace {

TEST(FileNames, NamesThatCouldEscapeTheirFolderOrBreakAFileSystemAreRefused) {
  for (const std::string& name : std::vector<std::string>{"abc", "Maze 2", "a.b", "J\xE4\xE4kiekko", "COM0",
                                                          "console", std::string(64, 'z')})
    EXPECT_EQ(fileNameProblem(name), "") << name;
  for (const std::string& name : std::vector<std::string>{
           "", "..", "../abc", "   ", " lead", "trail ", "trail.", "tab\there", std::string("nul\0x", 5),
           "del\x7f", "CON", "con.txt", "Lpt1", "COM9.plr", std::string(65, 'z')})
    EXPECT_NE(fileNameProblem(name), "") << "accepted: " << name;
  for (char c : std::string("<>:\"/\\|?*")) EXPECT_NE(fileNameProblem(std::string("a") + c + "b"), "") << c;
}

TEST(ProgramFiles, NamesMeetWhateverTheirLetterCase) {
  testing::TempFolder dir;
  std::filesystem::create_directories(dir.path() / "Players");
  std::ofstream(dir.path() / "Players" / "abc.plr") << "x";
  std::ofstream(dir.path() / "Players" / "\xC3\x84iti.plr") << "x";  // "Äiti" in UTF-8
  EXPECT_EQ(findCaseInsensitive(dir.path(), {"players", "\xC3\xA4iti.PLR"}),
            dir.path() / "Players" / "\xC3\x84iti.plr");
  // A file still to be made keeps the spelling it was asked with, in the folder that exists.
  EXPECT_EQ(findCaseInsensitive(dir.path(), {"PLAYERS", "New.plr"}), dir.path() / "Players" / "New.plr");
  EXPECT_EQ(findCaseInsensitive(dir.path(), {"Campain", "Campain.dat"}),
            dir.path() / "Campain" / "Campain.dat");
  setProgramFolder(dir.path());
  EXPECT_EQ(dataFile({"players", "Abc.Plr"}), dir.path() / "Players" / "abc.plr");
  EXPECT_EQ(foldCase("ABC\xC4\xD7\x8A"), "abc\xE4\xD7\x9A");  // Windows-1252 letters fold too
}

TEST(TextCodec, Windows1252RoundTripsThroughUtf8AndNothingElseComesBack) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(gameTextFromUtf8(utf8FromGameText(all)), all);
  EXPECT_EQ(utf8FromGameText("\x80\xE4"), "\xE2\x82\xAC\xC3\xA4");  // the euro sign, a with diaeresis
  // A CJK character, an emoji, cut-off UTF-8, no UTF-8 at all, a lone surrogate, and overlong
  // forms, which would smuggle in a character the shortest form shows: a zero, a slash.
  for (const std::string& refused :
       std::vector<std::string>{"\xE6\x97\xA5", "\xF0\x9F\x98\x80", "\xC3", "\xFF", "\xED\xA0\x80",
                                std::string("a\xC0\x80", 3), "\xC0\xAF", "\xE0\x80\xAF"})
    EXPECT_EQ(gameTextFromUtf8(refused), std::nullopt) << refused;
}

}  // namespace
}  // namespace quobbles
