// Logging in: clearing the profile, creating a new player, finding an existing one whatever the
// letter case, refusing names that cannot be file names, damaged profiles and unwritable folders.
#include <gtest/gtest.h>
#include <unistd.h>

#include <deque>
#include <filesystem>
#include <fstream>

#include "frontend/login.h"
#include "frontend/profile_file.h"
#include "state/program_files.h"

namespace quobbles {
namespace {

namespace fs = std::filesystem;

// Answers the log-in's dialogs from a script and records what was asked.
struct ScriptedPrompts : LoginPrompts {
  std::deque<std::string> names;
  std::deque<bool> answers;
  std::vector<std::string> questions, notes;
  int inputsAsked = 0;

  std::string input(const std::string& prompt, const std::string& title) override {
    EXPECT_EQ(prompt, "Enter your player name:");
    EXPECT_EQ(title, "Loging:");
    ++inputsAsked;
    if (names.empty()) return {};
    std::string n = names.front();
    names.pop_front();
    return n;
  }
  bool askYesNo(const std::string& text, const std::string& title) override {
    EXPECT_EQ(title, "Loging:");
    questions.push_back(text);
    if (answers.empty()) return false;
    const bool a = answers.front();
    answers.pop_front();
    return a;
  }
  void tell(const std::string& text, const std::string&) override { notes.push_back(text); }
};

class Login : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("quobbles-login-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "Players");
    setProgramFolder(root);
    // What a previous player left in memory: the clearing must remove all of it.
    g.profile.PlayerName = "old";
    g.profile.LevelPassed.fill(kTrue);
    g.profile.LevelStars.fill(kTrue);
    g.MapNumber = 9;
  }
  void TearDown() override { fs::remove_all(root); }

  LoginResult logIn(const std::string& name, std::deque<bool> answers = {}) {
    Pelaajatietojen_tyhjennys(g);
    prompts.names = {name};
    prompts.answers = std::move(answers);
    return Loggautuminen(g, prompts);
  }
  std::vector<std::string> filesBelowRoot() const {
    std::vector<std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(root))
      out.push_back(fs::relative(e.path(), root).string());
    std::sort(out.begin(), out.end());
    return out;
  }
  void expectNobodyLoggedIn() const {
    EXPECT_EQ(g.profile, Profile{});
    EXPECT_EQ(g.LoginName, "");
    EXPECT_EQ(g.MapNumber, 0);
  }

  fs::path root;
  GameState g;
  ScriptedPrompts prompts;
};

TEST_F(Login, ClearingResetsEveryFlag) {
  Pelaajatietojen_tyhjennys(g);
  EXPECT_EQ(g.profile, Profile{});
  EXPECT_EQ(g.LoginName, "");
}

TEST_F(Login, NewPlayerIsCreatedWithEveryFlagAtZero) {
  ASSERT_EQ(logIn("Kalle", {true}), LoginResult::kLoggedIn);
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_EQ(prompts.questions[0], "Player Kalle not found. Do you want to create a new player?");
  EXPECT_EQ(g.profile.PlayerName, "Kalle");
  EXPECT_EQ(g.MapNumber, 0);
  std::ifstream in(root / "Players" / "Kalle.plr", std::ios::binary);
  const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_EQ(bytes.size(), 1026u + 5u);
  EXPECT_EQ(bytes[0], 5);
  EXPECT_EQ(bytes[1], 0);
  EXPECT_TRUE(std::all_of(bytes.begin() + 7, bytes.end(), [](uint8_t b) { return b == 0; }));
}

TEST_F(Login, ExistingPlayerIsFoundWhateverTheCaseAndKeepsTheStoredName) {
  Profile stored;
  stored.PlayerName = "abc";
  stored.LevelPassed[16] = 1;
  stored.LevelStars[2] = kTrue;
  ASSERT_EQ(writeProfile(root / "Players" / "abc.plr", stored), "");
  ASSERT_EQ(logIn("ABC"), LoginResult::kLoggedIn);
  EXPECT_TRUE(prompts.questions.empty());
  EXPECT_EQ(g.profile, stored);
  EXPECT_EQ(g.LoginName, "ABC");
  EXPECT_EQ(filesBelowRoot(), (std::vector<std::string>{"Players", "Players/abc.plr"}));
}

TEST_F(Login, CancelAndNoLeaveNobodyLoggedIn) {
  EXPECT_EQ(logIn(""), LoginResult::kStayInMenu);
  EXPECT_TRUE(prompts.questions.empty());
  expectNobodyLoggedIn();
  g.MapNumber = 4;
  EXPECT_EQ(logIn("Nobody", {false}), LoginResult::kStayInMenu);
  EXPECT_EQ(prompts.questions.size(), 1u);
  expectNobodyLoggedIn();
  EXPECT_EQ(filesBelowRoot(), (std::vector<std::string>{"Players"}));
}

TEST_F(Login, NamesThatCannotBeFileNamesAreRefusedBeforeAnyFileIsTouched) {
  const std::vector<std::string> bad = {"../x",
                                        "a/b",
                                        "a\\b",
                                        "..",
                                        "...",
                                        "   ",
                                        "COM1",
                                        "nul",
                                        "x:y",
                                        "a\x01b",
                                        std::string(65, 'n'),
                                        "trail ",
                                        "\xE6\x97\xA5\xE6\x9C\xAC" /* not in Windows-1252 */};
  for (const std::string& name : bad) {
    prompts.notes.clear();
    EXPECT_EQ(logIn(name, {true}), LoginResult::kStayInMenu) << name;
    ASSERT_EQ(prompts.notes.size(), 1u) << name;
    EXPECT_NE(prompts.notes[0].find("cannot be used as a player name"), std::string::npos)
        << prompts.notes[0];
    EXPECT_TRUE(prompts.questions.empty()) << name;
    expectNobodyLoggedIn();
  }
  EXPECT_EQ(filesBelowRoot(), (std::vector<std::string>{"Players"}));
  // Letters of Windows-1252 are fine: typed as UTF-8, stored as one byte each.
  ASSERT_EQ(logIn("J\xC3\xB6rg", {true}), LoginResult::kLoggedIn);
  EXPECT_EQ(g.profile.PlayerName, "J\xF6rg");
  EXPECT_EQ(fs::file_size(root / "Players" / "J\xC3\xB6rg.plr"), 1030u);
}

TEST_F(Login, DamagedProfileIsNeverHalfLoadedAndOnlyReplacedOnRequest) {
  Profile stored;
  stored.PlayerName = "abc";
  stored.LevelPassed[0] = kTrue;
  Bytes cut = encodeProfile(stored);
  cut.resize(600);
  {
    std::ofstream out(root / "Players" / "abc.plr", std::ios::binary);
    out.write(reinterpret_cast<const char*>(cut.data()), static_cast<std::streamsize>(cut.size()));
  }
  EXPECT_EQ(logIn("abc", {false}), LoginResult::kStayInMenu);
  ASSERT_EQ(prompts.questions.size(), 1u);
  EXPECT_NE(prompts.questions[0].find("cannot be read"), std::string::npos);
  expectNobodyLoggedIn();
  EXPECT_EQ(fs::file_size(root / "Players" / "abc.plr"), 600u);  // left as it was

  EXPECT_EQ(logIn("abc", {true}), LoginResult::kLoggedIn);
  EXPECT_EQ(g.profile.LevelPassed[0], 0);
  EXPECT_EQ(fs::file_size(root / "Players" / "abc.plr"), 1029u);

  // A stored name that could never be saved again counts as damage too.
  Profile escaping;
  escaping.PlayerName = "../../outside";
  ASSERT_EQ(writeProfile(root / "Players" / "eve.plr", escaping), "");
  prompts.questions.clear();
  EXPECT_EQ(logIn("eve", {false}), LoginResult::kStayInMenu);
  EXPECT_EQ(prompts.questions.size(), 1u);
  expectNobodyLoggedIn();
}

TEST_F(Login, NewPlayerThatCannotBeWrittenStaysInTheMenu) {
  fs::remove_all(root / "Players");
  {
    std::ofstream blocker(root / "Players");  // a file where the folder should be
  }
  EXPECT_EQ(logIn("Kalle", {true}), LoginResult::kStayInMenu);
  ASSERT_EQ(prompts.notes.size(), 1u);
  EXPECT_NE(prompts.notes[0].find("could not be saved"), std::string::npos);
  expectNobodyLoggedIn();

  // A missing folder is simply created.
  fs::remove(root / "Players");
  EXPECT_EQ(logIn("Kalle", {true}), LoginResult::kLoggedIn);
  EXPECT_TRUE(fs::is_regular_file(root / "Players" / "Kalle.plr"));
}

}  // namespace
}  // namespace quobbles
