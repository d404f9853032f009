// The front end's flows without their windows: logging in (cancel, refused and damaged names, a
// missing Players folder, a new player), "Play other maps" (refusals, the warning, the file
// dialog's start), leaving the board with Esc (the three ways back, the write-back of a first
// pass and only of a pass), opening the map selection and playing a map, and progress that
// cannot be saved. The map selection's rules: row colours from the player's progress, the
// selection frame, the keys 2 and 8 while the list scrolls, and the initial selection. The help
// text: ten sections in their order, separated by lines of 44 "-", CR LF line ends, the key list
// as the board reads its keys, and the newer keys with the advice that goes with them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

#include "frontend/help_text.h"
#include "frontend/leave_board.h"
#include "frontend/login.h"
#include "frontend/main_menu.h"
#include "frontend/map_selection.h"
#include "frontend/profile_store.h"
#include "state/file_names.h"
#include "state/level_file.h"
#include "state/profile_file.h"
#include "state/program_files.h"
#include "state/text_codec.h"
#include "state/tiles.h"
#include "support/ascii_map.h"
#include "support/program_folder_test.h"

namespace quobbles {
namespace {

namespace fs = std::filesystem;
using testing::contains;

class FrontEndFlows : public testing::ProgramFolderTest {
 protected:
  FrontEndFlows() {
    for (const char* name : {"Levels", "Campain", "Players"}) fs::create_directories(dir.path() / name);
  }

  LoginResult logIn(const std::string& name, std::deque<Answer> answers = {}) {
    g.profile.LevelPassed.fill(kTrue);  // whoever played before
    g.MapNumber = 9;
    prompts = {};
    prompts.inputs = {name};
    prompts.answers = std::move(answers);
    return Loggautuminen(g, prompts);
  }
  bool nobodyLoggedIn() const { return g.profile == Profile{} && g.LoginName.empty() && g.MapNumber == 0; }
  // A level whose exit the player reaches by walking right.
  static Level walkRight(int16_t status, int16_t code = 0) {
    Level level = testing::levelFromPicture({"...E"});
    level.EditCode = code;
    level.LevelStatus = status;
    return level;
  }
  fs::path levelFile(const char* name, const Level& level) const {
    const fs::path path = dir.path() / "Levels" / name;
    EXPECT_EQ(WriteLevel(path, level), "");
    return path;
  }
};

TEST_F(FrontEndFlows, LogInRefusesCancelledAndUnusableNamesBeforeTouchingAFile) {
  EXPECT_TRUE(logIn("") == LoginResult::kStayInMenu && nobodyLoggedIn());
  EXPECT_EQ(prompts.asked[0].maxLength, kMaxNameLength);  // the name box takes no more than the editor's
  EXPECT_TRUE(logIn("Kalle", {Answer::kNo}) == LoginResult::kStayInMenu && nobodyLoggedIn());
  EXPECT_EQ(lastMessage(), "Player Kalle not found. Do you want to create a new player?");
  EXPECT_TRUE(prompts.asked.back().systemModal);
  const long before = files();
  for (const char* name : {"../x", "a/b", "a\\b", "..", "   ", "COM1", "nul", "x:y", "a\x01b", "trail ",
                           "\xE6\x97\xA5\xE6\x9C\xAC" /* not in Windows-1252 */}) {
    EXPECT_TRUE(logIn(name, {Answer::kYes}) == LoginResult::kStayInMenu && nobodyLoggedIn()) << name;
    EXPECT_TRUE(contains(lastMessage(), "cannot be used as a player name")) << name;
    // The name is quoted, so that a blank at its end shows; a control character shows as one.
    EXPECT_TRUE(contains(lastMessage(), ("\"" + shownName(name) + "\"").c_str())) << name;
  }
  EXPECT_EQ(files(), before);
}

TEST_F(FrontEndFlows, LogInNeverHalfLoadsAProfileAndMakesANewPlayerWithEveryFlagAtZero) {
  Bytes cut = encodeProfile(Profile{"abc", {kTrue}});
  cut.resize(600);
  std::ofstream(dir.path() / "Players" / "abc.plr", std::ios::binary)
      .write(reinterpret_cast<const char*>(cut.data()), static_cast<std::streamsize>(cut.size()));
  EXPECT_TRUE(logIn("abc", {Answer::kNo}) == LoginResult::kStayInMenu && nobodyLoggedIn());
  EXPECT_TRUE(contains(lastMessage(), "cannot be read"));
  EXPECT_EQ(fs::file_size(dir.path() / "Players" / "abc.plr"), 600u);  // left as it was

  fs::remove_all(dir.path() / "Players");
  std::ofstream(dir.path() / "Players") << "x";  // a file where the folder should be
  EXPECT_TRUE(logIn("Kalle", {Answer::kYes}) == LoginResult::kStayInMenu && nobodyLoggedIn());
  EXPECT_TRUE(contains(lastMessage(), "could not be saved"));
  g.profile = Profile{"Kalle", {0, 0, 0, kTrue}};  // progress after a passed map is reported, and kept
  Pelaajan_seivaus(g, prompts);
  EXPECT_TRUE(contains(lastMessage(), "Your progress could not be saved"));
  EXPECT_EQ(g.profile.LevelPassed[3], kTrue);

  fs::remove(dir.path() / "Players");  // a missing folder is made
  EXPECT_EQ(logIn("J\xC3\xB6rg", {Answer::kYes}), LoginResult::kLoggedIn);
  EXPECT_EQ(g.profile, Profile{"J\xF6rg"});  // stored in Windows-1252, every flag 0
  EXPECT_EQ(readProfile(dir.path() / "Players" / "J\xC3\xB6rg.plr").value, std::optional(Profile{"J\xF6rg"}));
  Profile veteran{"abc"};
  veteran.LevelPassed[16] = kTrue;
  ASSERT_EQ(writeProfile(dir.path() / "Players" / "abc.plr", veteran), "");
  EXPECT_EQ(logIn("ABC"), LoginResult::kLoggedIn);  // any letter case; the stored name is kept
  EXPECT_EQ((std::tuple{g.profile, g.MapNumber}), (std::tuple{veteran, uint8_t{0}}));
}

TEST_F(FrontEndFlows, TheEditorOpensOnlyForAPlayerWhoPassedMap16) {
  EXPECT_FALSE(mayOpenEditor(g.profile, prompts));
  EXPECT_EQ(prompts.asked.back().title, "Not yet!");
  EXPECT_EQ(
      lastMessage(),
      "To get edit your own maps you need to pass level number 16: 'Trip to the Garden'. If you are already "
      "passed it enter to play campain and come back to enter to the MAP EDITOR.");
  g.profile.LevelPassed[16] = 3;  // any value but 0 counts as passed
  EXPECT_TRUE(mayOpenEditor(g.profile, prompts));
  EXPECT_EQ(prompts.asked.size(), 1u);  // nothing more was said
}

TEST_F(FrontEndFlows, OtherMapsRefusesCampaignMapsUnknownStatusAndUnreadableFilesAndWarnsBeforeANewOne) {
  std::ofstream(dir.path() / "Levels" / "short.lev") << std::string(100, '\0');
  const std::pair<fs::path, const char*> refused[] = {
      {levelFile("campaign.lev", walkRight(kCampaignMap)),
       "This is campain map. -Ha! Don't you think it's that easy!"},
      {levelFile("odd.lev", walkRight(7)), "status value is 7"},
      {dir.path() / "Levels" / "short.lev", "too short"}};
  for (const auto& [file, refusal] : refused) {
    g.level = walkRight(kUnpassed);  // whatever was in the record before
    prompts = {};
    prompts.files = {file.string()};
    EXPECT_FALSE(playOtherMaps(g, e, prompts)) << file;
    EXPECT_TRUE(contains(lastMessage(), refusal)) << lastMessage();
    EXPECT_EQ((std::tuple{g.level, g.LevelPath}), (std::tuple{Level{}, file.string()}));
  }
  // The dialog starts in Levels with the one filter; Cancel changes nothing but the path.
  prompts = {};
  g.LevelPath = "old";
  EXPECT_FALSE(playOtherMaps(g, e, prompts));
  EXPECT_EQ(
      (std::tuple{prompts.asked[0].text, prompts.asked[0].title, g.LevelPath}),
      (std::tuple{std::string("Levels (*.lev)"), (dir.path() / "Levels").string() + "/", std::string()}));

  const fs::path fresh = levelFile("fresh.lev", walkRight(kUnpassed)),
                 passed = levelFile("passed.lev", walkRight(kPassed));
  prompts = {};
  prompts.files = {fresh.string(), passed.string()};
  EXPECT_TRUE(playOtherMaps(g, e, prompts));
  EXPECT_EQ(prompts.asked.back().title, "Warning!");
  EXPECT_TRUE(lastMessage().starts_with("No one has ever passed this version of this level!"));
  EXPECT_EQ(g.level, walkRight(kUnpassed));
  EXPECT_TRUE(playOtherMaps(g, e, prompts));
  EXPECT_EQ(prompts.asked.size(), 3u);  // a passed level plays at once
}

TEST_F(FrontEndFlows, EscLeadsBackAndWritesOnlyAFirstPassOfAnOtherMapIntoItsFile) {
  // A test play goes back to the editor with the record kept.
  g.level = walkRight(kUnpassed);
  g.EditorTestPlay = true;
  g.PlayState = 2;
  EXPECT_EQ(leaveBoard(g, e, prompts), LeaveTo::kEditor);
  EXPECT_EQ((std::tuple{g.level, g.PlayState}), (std::tuple{walkRight(kUnpassed), uint8_t{0}}));

  // A campaign map goes back to the selection, discarded.
  g.EditorTestPlay = false;
  g.level = walkRight(kCampaignMap, 4);
  e.LevelChanged = true;
  EXPECT_EQ(leaveBoard(g, e, prompts), LeaveTo::kMapSelection);
  EXPECT_EQ((std::tuple{g.level, e.LevelChanged}), (std::tuple{Level{}, false}));

  // An other map: its file is touched only when it was passed now for the first time.
  const fs::path file = levelFile("mine.lev", walkRight(kUnpassed));
  const auto stored = [&file] { return ReadLevel(file).value.value_or(Level{}); };
  g.LevelPath = file.string();
  for (uint8_t playState : {0, 1}) {  // given up or dead: the file stays as it is
    g.level = walkRight(kUnpassed);
    g.PlayState = playState;
    EXPECT_EQ(leaveBoard(g, e, prompts), LeaveTo::kMainMenu);
    EXPECT_EQ(stored().LevelStatus, kUnpassed) << int(playState);
  }
  g.level = walkRight(kUnpassed);
  g.level.code(0, 0) = tile::Explosion;  // as play left the map: the stored map is what gets written
  g.PlayState = 2;
  EXPECT_EQ(leaveBoard(g, e, prompts), LeaveTo::kMainMenu);
  EXPECT_EQ(stored(), walkRight(kPassed));
  EXPECT_EQ((std::tuple{g.level, g.PlayState}), (std::tuple{Level{}, uint8_t{0}}));
  EXPECT_TRUE(prompts.asked.empty());

  fs::remove(file);  // a write-back that cannot be made is reported, and the way back stays open
  g.level = walkRight(kUnpassed);
  g.PlayState = 2;
  EXPECT_EQ(leaveBoard(g, e, prompts), LeaveTo::kMainMenu);
  EXPECT_TRUE(contains(lastMessage(), "could not be marked as passed"));
  EXPECT_FALSE(fs::exists(file));
}

TEST_F(FrontEndFlows, TheSelectionReportsAMissingIndexAndPlaysOnlyMapsThatLoad) {
  MapSelection s;
  openMapSelection(s, g, prompts);
  EXPECT_TRUE(contains(lastMessage(), "Campain\\Campain.dat cannot be read"));
  EXPECT_EQ(s.Lista[0].caption, "---");
  EXPECT_FALSE(playSelectedMap(s, g, e, prompts));  // nothing to play, and "Play" says why
  EXPECT_EQ((std::tuple{lastMessage(), g.level}), (std::tuple{std::string(kNoCampaign), Level{}}));

  std::ofstream(dir.path() / "Campain" / "Campain.dat") << "\r\n";
  openMapSelection(s, g, prompts);
  EXPECT_TRUE(contains(lastMessage(), "names no maps"));

  std::ofstream(dir.path() / "Campain" / "Campain.dat") << "One\nTwo\nThree\n";
  ASSERT_EQ(WriteLevel(dir.path() / "Campain" / "Map0.lev", walkRight(kCampaignMap, 5)), "");  // another code
  ASSERT_EQ(WriteLevel(dir.path() / "Campain" / "Map1.lev", walkRight(kCampaignMap, 1)), "");
  s = MapSelection{};
  prompts = {};
  openMapSelection(s, g, prompts);
  EXPECT_TRUE(prompts.asked.empty());
  for (const auto& [map, message] : {std::pair{0, "Map file corrupted!"}, {2, "Map file not found!"}}) {
    g.MapNumber = static_cast<uint8_t>(map);
    g.level = walkRight(kUnpassed);
    EXPECT_FALSE(playSelectedMap(s, g, e, prompts)) << map;
    EXPECT_EQ((std::tuple{lastMessage(), g.level}), (std::tuple{std::string(message), Level{}}));
  }
  g.MapNumber = 1;
  g.PlayState = 1;
  EXPECT_TRUE(playSelectedMap(s, g, e, prompts));
  EXPECT_EQ((std::tuple{g.level, g.PlayState}), (std::tuple{walkRight(kCampaignMap, 1), uint8_t{0}}));
}

using Where = std::array<int, 3>;  // {MapNumber, Skrolli, frame row}

class MapSelectionRules : public ::testing::Test {
 protected:
  // Opens the list on a campaign of `maps` maps, then presses `keys`.
  void open(int maps, const std::string& keys = "") {
    s.campaign.titles.clear();
    for (int i = 0; i < maps; ++i) s.campaign.titles.push_back("Map " + std::to_string(i));
    Päivitä_lista(s, g.profile);
    ValintaJuzka(s, g);
    for (char k : keys) EXPECT_EQ(selectionKey(s, g, k), SelectionKeyResult::kNothing);
  }
  // The five rows' colours as letters: Green, Aquamarine, Yellow, Red and D for dark red.
  std::string colours() const {
    std::string out;
    for (const ListRow& row : s.Lista) out += "GAYRD"[static_cast<int>(row.colour)];
    return out;
  }
  Where where() const { return {g.MapNumber, s.Skrolli, s.frameRow}; }

  GameState g;
  MapSelection s;
};

TEST_F(MapSelectionRules, ColoursFollowProgressAndTheFrameTakesTheRowsColour) {
  open(10);
  EXPECT_EQ(colours(), "YYYRR");
  Lista_Click(s, g, 3);  // locked: ignored
  EXPECT_EQ(where(), (Where{0, 0, 0}));

  g.profile.LevelPassed[0] = kTrue;
  g.profile.LevelPassed[2] = 5;  // any non-zero value is passed
  g.profile.LevelStars[2] = kTrue;
  g.profile.LevelStars[0] = 1;  // only -1 means all stars
  open(10);
  EXPECT_EQ(colours(), "GYAYY");
  Lista_Click(s, g, 2);
  EXPECT_EQ(s.frameColour, RowColour::kAquamarine);
  EXPECT_EQ(where(), (Where{2, 0, 2}));
  Skrolli_Change(s, g.profile, 1);
  EXPECT_EQ(where(), (Where{2, 1, kHiddenRow}));  // scrolling keeps the selected map
  EXPECT_EQ(colours(), "YAYYR");                  // maps 1 .. 5

  g = GameState{};
  open(3, "22");
  EXPECT_EQ(colours() + s.Lista[3].caption, "YYYDD---");
  Lista_Click(s, g, 3);  // ignored
  EXPECT_EQ(where(), (Where{2, 0, 2}));
  EXPECT_EQ(selectionKey(s, g, '2'), SelectionKeyResult::kNothing);  // scrolls; the new middle row is "---":
                                                                     // the frame goes, map 2 stays selected
  EXPECT_EQ(where(), (Where{2, 1, kHiddenRow}));
  g.MapNumber = 0;
  open(1, "2");  // no step onto the "---" row below the only map
  EXPECT_EQ(where(), (Where{0, 0, 0}));
}

TEST_F(MapSelectionRules, KeysWalkTheTopRowsThenScrollUnderTheMiddleRow) {
  g.profile.LevelPassed.fill(kTrue);
  const std::tuple<int, std::string, Where> cases[] = {
      // {MapNumber, keys, then where}
      {0, "8", {0, 0, 0}},  // at the top with map 0: nothing
      {0, "22", {2, 0, 2}},
      {0, "2222222", {7, 5, 2}},
      {0, "22222228", {6, 4, 2}},  // scrolled to 5, row 2: scrolls to 4 and selects map 6
      {0, "2222222888888", {1, 0, 1}},
      {9, "", {9, 7, 2}},  // opened with the map in the middle row
      {1, "", {1, 0, 1}},
      {253, "2", {253, 251, 2}},  // the last scroll position
      {255, "", {255, 251, 4}},   // maps 254 and 255 cannot reach the middle row
  };
  for (const auto& [start, keys, expected] : cases) {
    g.MapNumber = static_cast<uint8_t>(start);
    open(256, keys);
    EXPECT_EQ(where(), expected) << "from map " << start << " keys " << keys;
  }

  // Key 8 after the list was dragged back to the top brings the selection back into sight.
  g.MapNumber = 9;
  open(20);
  Skrolli_Change(s, g.profile, 0);
  EXPECT_EQ(selectionKey(s, g, '8'), SelectionKeyResult::kNothing);
  EXPECT_EQ(where(), (Where{8, 6, 2}));
}

TEST(HelpText, TenSectionsInOrderWithCrLfLinesAndTheNewerKeys) {
  const std::string& text = helpText();
  std::string withoutCrLf = text;
  for (std::size_t at; (at = withoutCrLf.find("\r\n")) != std::string::npos;) withoutCrLf.erase(at, 2);
  EXPECT_EQ(withoutCrLf.find_first_of("\r\n"), std::string::npos) << "a line end that is not CR LF";

  const std::string rule = std::string(44, '-') + "\r\n";
  const std::string start =
      "Purpose of the game:\r\nBasicly to get exit. (Green 'E')\r\n" + rule +
      "Keys:\r\n   Moving: 4, 6, 8, 2\r\n   Pass turn: 5\r\n   Moving view: A, D, W, X, S\r\n"
      "   Using specials:\r\n      Invisibility: C\r\n      Mine: V\r\n"
      "      Remove block: B\r\n      Four direction attack: N\r\n      Immortality: M\r\n"
      "   This help-window: Spacebar\r\n   End game: Esc";
  EXPECT_EQ(text.substr(0, start.size()), start);
  // The other eight headings, each on the line after a rule, in this order and with no rule after.
  std::size_t at = start.size();
  for (const char* heading : {"More keys:", "What's wrong? - I can't move!:", "Moving blocks:", "Walls:",
                              "Doors:", "Specials:", "Hangers:", "Stars:"}) {
    at = text.find("\r\n" + rule + heading + "\r\n", at);
    ASSERT_NE(at, std::string::npos) << heading;
  }
  EXPECT_EQ(text.find("\r\n" + rule, at + 1), std::string::npos);
  for (const char* special : {"Invisibility (blue):", "Mine (green):", "Remove block (red):",
                              "Four direction attack (orange):", "Immortality (purple):"})
    EXPECT_NE(text.find(std::string("\r\n") + special + "\r\n"), std::string::npos) << special;

  // The newer keys, and no more asking for Num Lock.
  const std::size_t more = text.find("More keys:");
  const std::size_t wrong = text.find("What's wrong? - I can't move!:");
  ASSERT_LT(more, wrong);
  const std::string keys = text.substr(more, wrong - more);
  for (const char* key : {"arrow keys", "without Num Lock", "Backspace", "Ctrl+Z", "Ctrl+R"})
    EXPECT_NE(keys.find(key), std::string::npos) << key;
  const std::string advice = text.substr(wrong, text.find(rule, wrong) - wrong);
  EXPECT_TRUE(advice.find("Caps Lock must be off") != std::string::npos &&
              advice.find("arrow keys") != std::string::npos &&
              advice.find("Num Lock must be on") == std::string::npos)
      << advice;
}

}  // namespace
}  // namespace quobbles
