// The game's files and where they live. The level file (exact bytes, round trips, records
// refused whole), the ".plr" profile (its bytes, records cut short refused, the store below the
// program folder with Players made when missing and names found whatever their case), typed names
// that become file names, the case-insensitive lookup below the program folder, and the
// Windows-1252 text of names. The choice between a portable and an installed game (and that the
// build folder runs portable), the first filling of an installed game's Levels folder with the
// sample levels, and an installed game reading its campaign from one folder while players and
// levels go to another, with the same case-insensitive lookup and refusals of names as a portable
// one.
#include "state/program_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "editor/editor_files.h"
#include "frontend/campaign_index.h"
#include "frontend/login.h"
#include "frontend/main_menu.h"
#include "frontend/map_selection.h"
#include "frontend/profile_store.h"
#include "state/file_names.h"
#include "state/level_file.h"
#include "state/profile_file.h"
#include "state/text_codec.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

namespace quobbles {
namespace {

namespace fs = std::filesystem;

void writeText(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

std::string readText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every entry below a folder, relative to it, with the size of each file.
std::vector<std::string> listing(const fs::path& folder) {
  std::vector<std::string> out;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    out.push_back(fs::relative(entry.path(), folder).string() + " " +
                  (entry.is_regular_file() ? std::to_string(entry.file_size()) : "dir"));
  std::sort(out.begin(), out.end());
  return out;
}

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

TEST(FileFolders, PortableOnlyWhereTheExecutablesFolderHoldsTheCampaignAndMayBeWritten) {
  testing::TempFolder dir;
  const fs::path exe = dir.path() / "game" / "bin";
  const fs::path userData = dir.path() / "home" / "quobbles";
  fs::create_directories(exe);
  const FileFolders installed{dir.path() / "game" / "share" / "quobbles", userData, false};

  // No campaign beside the executable, or only a file of that name: installed.
  const FileFolders without = chooseFileFolders(exe, userData);
  writeText(exe / "Campain", "not a folder");
  EXPECT_EQ((std::pair{without, chooseFileFolders(exe, userData)}), (std::pair{installed, installed}));
  fs::remove(exe / "Campain");

  // The campaign folder whatever its letter case: portable, everything beside the executable.
  fs::create_directories(exe / "campain");
  EXPECT_EQ(chooseFileFolders(exe, userData), (FileFolders{exe, exe, true}));

  // A folder the game may not write keeps only its campaign; players and levels go to the
  // player's data folder (root may write everywhere, so this part tells something only for other
  // users).
  fs::permissions(exe, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  if (::geteuid() != 0) {
    EXPECT_EQ(chooseFileFolders(exe, userData), (FileFolders{exe, userData, false}));
  }
  fs::permissions(exe, fs::perms::owner_write, fs::perm_options::add);
}

TEST(FileFolders, TheBuildFolderRunsPortable) {
  // The tools are built beside the game, whose folder holds the campaign made at build time.
  const fs::path buildBin = fs::path(QUOBBLES_SIM_PATH).parent_path();
  ASSERT_TRUE(fs::is_directory(buildBin / "Campain")) << buildBin;
  EXPECT_EQ(chooseFileFolders(buildBin, "/nonexistent/quobbles"), (FileFolders{buildBin, buildBin, true}));
}

class InstalledGame : public ::testing::Test {
 protected:
  InstalledGame() {
    writeText(shipped / "Campain" / "CAMPAIN.DAT", "\"Shipped map\"\r\n");
    writeText(shipped / "Levels" / "Orchard.lev", "orchard");
    writeText(shipped / "Levels" / "Tangle.LEV", "tangle");
    writeText(shipped / "Levels" / "notes.txt", "not a level");
    fs::create_directories(shipped / "Levels" / "folder.lev");
    fs::create_symlink(shipped / "Campain" / "CAMPAIN.DAT", shipped / "Levels" / "link.lev");
    fs::permissions(shipped / "Levels" / "Orchard.lev", fs::perms::owner_read | fs::perms::group_read,
                    fs::perm_options::replace);
    setFileFolders(folders);
  }
  ~InstalledGame() override { setProgramFolder({}); }

  testing::TempFolder dir;
  const fs::path shipped = dir.path() / "usr" / "share" / "quobbles";
  const fs::path data = dir.path() / "home" / ".local" / "share" / "quobbles";
  const FileFolders folders{shipped, data, false};
};

TEST_F(InstalledGame, LevelsIsFilledWithTheSampleLevelsOnceWhenItIsFirstMade) {
  const auto shippedBefore = listing(shipped);
  ASSERT_EQ(prepareDataFolder(folders), "");
  // Only the plain ".lev" files, whatever the letter case of the extension.
  EXPECT_EQ(listing(data),
            (std::vector<std::string>{"Levels dir", "Levels/Orchard.lev 7", "Levels/Tangle.LEV 6"}));
  EXPECT_EQ(readText(data / "Levels" / "Tangle.LEV"), "tangle");
  // A read-only sample becomes the player's own file, which the board may rewrite when it is passed.
  EXPECT_NE(fs::status(data / "Levels" / "Orchard.lev").permissions() & fs::perms::owner_write,
            fs::perms::none);
  EXPECT_EQ(listing(shipped), shippedBefore);

  // Once Levels is there, whatever its letter case, nothing is copied again: a sample the player
  // changed or removed stays so.
  writeText(data / "Levels" / "Orchard.lev", "changed by the player");
  fs::remove(data / "Levels" / "Tangle.LEV");
  fs::rename(data / "Levels", data / "levels");
  ASSERT_EQ(prepareDataFolder(folders), "");
  EXPECT_EQ(listing(data), (std::vector<std::string>{"levels dir", "levels/Orchard.lev 21"}));
}

TEST_F(InstalledGame, ADataFolderThatCannotBeMadeIsReportedAndAPortableGameIsLeftAlone) {
  writeText(data, "a file");
  const std::string problem = prepareDataFolder(folders);
  EXPECT_NE(problem.find((data / "Levels").string()), std::string::npos) << problem;
  EXPECT_EQ(readText(data), "a file");

  fs::remove(data);
  writeText(data / "Levels", "a file where Levels belongs");
  EXPECT_NE(prepareDataFolder(folders), "");

  // No samples shipped at all: the folder is still made.
  fs::remove_all(data);
  fs::remove_all(shipped / "Levels");
  EXPECT_TRUE(prepareDataFolder(folders).empty() && fs::is_directory(data / "Levels"));

  // A portable game's Levels is the one beside the executable; it is never made or filled here.
  const fs::path portable = dir.path() / "portable";
  fs::create_directories(portable);
  EXPECT_TRUE(prepareDataFolder({portable, portable, true}).empty() && fs::is_empty(portable));
}

TEST_F(InstalledGame, TheCampaignIsReadFromTheInstallAndEveryWriteGoesToTheDataFolder) {
  ASSERT_EQ(prepareDataFolder(folders), "");
  ASSERT_EQ(WriteLevel(shipped / "Campain" / "map3.LEV", Level{"", 3, kCampaignMap}), "");
  const auto shippedBefore = listing(shipped);

  // The campaign, whatever the letter case of its files.
  const Outcome<CampaignTitles> titles = readProgramCampaignIndex();
  ASSERT_TRUE(titles) << titles.reason;
  EXPECT_EQ(titles.value->titles, std::vector<std::string>{"Shipped map"});
  EXPECT_EQ(campaignMapPath(3), shipped / "Campain" / "map3.LEV");

  // A new player's profile, and an editor level, land in the data folder (Players is made).
  GameState g;
  testing::ScriptedPrompts prompts;
  prompts.inputs = {"Abc"};
  prompts.answers = {Answer::kYes};
  ASSERT_EQ(Loggautuminen(g, prompts), LoginResult::kLoggedIn);
  EXPECT_EQ(profilePath("ABC"), data / "Players" / "Abc.plr");
  EXPECT_TRUE(fs::is_regular_file(profilePath("ABC")));
  editor::EditorState e;
  ASSERT_EQ(editor::saveLevelAs(g, e, "Maze"), "");
  EXPECT_TRUE(fs::is_regular_file(data / "Levels" / "Maze.lev") && editor::readEditorLevel("MAZE"));

  // "Play other maps" starts in the data folder's Levels.
  prompts = {};
  editor::EditorState other;
  EXPECT_FALSE(playOtherMaps(g, other, prompts));
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(fs::path(prompts.asked[0].title), data / "Levels" / "");

  // Names that would reach outside their folder are refused as in a portable game.
  EXPECT_NE(editor::saveLevelAs(g, e, "../escaped"), "");
  EXPECT_FALSE(editor::readEditorLevel("../../../usr/share/quobbles/Campain/map3"));
  EXPECT_FALSE(fs::exists(data / "escaped.lev"));

  EXPECT_EQ(listing(shipped), shippedBefore);
}

}  // namespace
}  // namespace quobbles
