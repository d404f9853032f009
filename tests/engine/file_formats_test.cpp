// The game's files: the level file (exact bytes, round trips, records refused whole), the ".plr"
// profile (its bytes, records cut short refused, the store below the program folder with Players
// made when missing and names found whatever their case), typed names that become file names, the
// case-insensitive lookup below the program folder, and the Windows-1252 text of names.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "frontend/profile_store.h"
#include "state/file_names.h"
#include "state/level_file.h"
#include "state/profile_file.h"
#include "state/program_files.h"
#include "state/text_codec.h"
#include "support/temp_folder.h"

namespace quobbles {
namespace {

namespace fs = std::filesystem;

TEST(LevelFile, BytesAreNameEditCodeStatusAndTheMapRowByRowAndReplaceTheFileWhole) {
  Bytes expected = {1, 0, 'A', 0x34, 0x12, 0, 0};  // little-endian numbers, status 0, an empty map
  expected.resize(2507);
  EXPECT_EQ(encodeLevel(Level{"A", 0x1234}), expected);
  Level level{"Maze", -2, kPassed};
  level.code(49, 0) = 66;
  level.code(0, 1) = 120;
  level.code(49, 49) = 106;
  const Bytes bytes = encodeLevel(level);
  ASSERT_EQ(bytes.size(), 2510u);  // the map starts at offset 6 + 4
  EXPECT_EQ((Bytes{bytes[6], bytes[7], bytes[8], bytes[10 + 49], bytes[10 + 50], bytes[10 + 2499]}),
            (Bytes{0xFE, 0xFF, 2, 66, 120, 106}));

  // Written over a longer record the file is replaced whole: no tail, no temporary file left.
  testing::TempFolder dir;
  const fs::path path = dir.path() / "level.lev";
  ASSERT_EQ(WriteLevel(path, Level{std::string(300, 'x')}), "");
  ASSERT_EQ(WriteLevel(path, level), "");
  EXPECT_EQ(fs::file_size(path), 2510u);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);
  std::ofstream(path, std::ios::app | std::ios::binary) << "\x01\x02\xFF\x11";  // bytes after it are ignored
  EXPECT_EQ(ReadLevel(path).value, level);
  EXPECT_FALSE(ReadLevel(dir.path() / "nothing.lev"));
  EXPECT_TRUE(!WriteLevel(dir.path() / "no-such-folder" / "x.lev", level).empty() &&
              !fs::exists(dir.path() / "no-such-folder"));
}

TEST(LevelFile, ShortOrInvalidRecordsAreRefusedWithAReason) {
  const Bytes good = encodeLevel(Level{});
  std::vector<std::pair<Bytes, std::string>> bad = {
      {{}, "empty"}, {{5}, "short"}, {Bytes(good.begin(), good.end() - 1), "short"}};
  // Every byte that is not a tile code is refused, wherever it stands.
  for (int code : {17, 26, 39, 41, 59, 69, 79, 87, 98, 107, 119, 121, 255}) {
    bad.push_back({good, "code " + std::to_string(code)});
    bad.back().first[6 + 1234] = static_cast<uint8_t>(code);
  }
  for (const auto& [bytes, why] : bad) {
    const Outcome<Level> refused = decodeLevel(bytes);
    EXPECT_FALSE(refused) << why;
    EXPECT_NE(refused.reason.find(why), std::string::npos) << refused.reason;
  }
}

TEST(ProfileFile, BytesAreNameThenPassedThenStarsAndShortRecordsAreRefused) {
  Profile p{"abc"};
  p.LevelPassed[0] = kTrue;
  p.LevelPassed[255] = 7;  // any non-zero value counts as passed, and is kept as it is
  p.LevelStars[1] = kTrue;
  Bytes expected = {3, 0, 'a', 'b', 'c', 0xFF, 0xFF};  // LevelPassed(0) = -1, low byte first
  expected.resize(1029);
  expected[5 + 2 * 255] = 7;
  expected[5 + 512 + 2] = expected[5 + 512 + 3] = 0xFF;  // LevelStars(1)
  Bytes bytes = encodeProfile(p);
  EXPECT_EQ(bytes, expected);
  bytes.insert(bytes.end(), {1, 2, 3});  // an old tail after the record is ignored
  EXPECT_EQ(decodeProfile(bytes).value, p);

  for (std::size_t n = 0; n < expected.size(); ++n)
    EXPECT_FALSE(decodeProfile(Bytes(expected.begin(), expected.begin() + static_cast<long>(n))))
        << n << " bytes";
}

TEST(ProfileStore, SavesBelowPlayersFindsAnyLetterCaseAndRefusesBadNames) {
  testing::TempFolder root;
  setProgramFolder(root.path());
  for (const char* name : {"../evil", "CON"}) EXPECT_NE(saveProfile(Profile{name}), "") << name;
  EXPECT_FALSE(fs::exists(root.path() / "Players") || fs::exists(root.path() / "evil.plr"));

  const Profile p{"abc", {0, 0, 0, kTrue}};
  ASSERT_EQ(saveProfile(p), "");
  EXPECT_EQ(fs::file_size(root.path() / "Players" / "abc.plr"), 1029u);
  EXPECT_EQ(readProfile(profilePath("ABC")).value, p);

  // A folder in the file's place is reported (a file in the folder's: frontend_flows_test).
  fs::remove(root.path() / "Players" / "abc.plr");
  fs::create_directory(root.path() / "Players" / "abc.plr");
  EXPECT_NE(saveProfile(p), "");
}

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
