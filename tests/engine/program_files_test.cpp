// Where the files live: the choice between a portable and an installed game (and that the build
// folder runs portable), the first filling of an installed game's Levels folder with the sample
// levels, and an installed game reading its campaign from one folder while players and levels go
// to another, with the same case-insensitive lookup and refusals of names as a portable one.
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
#include "state/level_file.h"
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
