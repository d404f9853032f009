// The ".plr" profile: its bytes (1026 + N, flags layout), refusing records cut short, and the
// store below the program folder (Players created when missing, names found whatever their case).
#include "frontend/profile_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "frontend/profile_store.h"
#include "state/program_files.h"

namespace quobbles {
namespace {

namespace fs = std::filesystem;

TEST(ProfileFile, BytesAreNameThenPassedThenStars) {
  Profile p;
  p.PlayerName = "abc";
  p.LevelPassed[0] = kTrue;
  p.LevelPassed[255] = 7;  // any non-zero value counts as passed, and is kept as it is
  p.LevelStars[1] = kTrue;
  const Bytes bytes = encodeProfile(p);
  ASSERT_EQ(bytes.size(), 1029u);
  EXPECT_EQ((Bytes{bytes.begin(), bytes.begin() + 5}), (Bytes{3, 0, 'a', 'b', 'c'}));
  EXPECT_EQ(bytes[5], 0xFF);  // LevelPassed(0) = -1
  EXPECT_EQ(bytes[6], 0xFF);
  EXPECT_EQ(bytes[5 + 2 * 255], 7);     // LevelPassed(255)
  EXPECT_EQ(bytes[5 + 512 + 2], 0xFF);  // LevelStars(1)
  EXPECT_EQ(bytes[5 + 512 + 3], 0xFF);
  EXPECT_EQ(std::count(bytes.begin() + 5, bytes.end(), 0xFF), 4);

  Outcome<Profile> back = decodeProfile(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back.value, p);
  Bytes longer = bytes;
  longer.insert(longer.end(), {1, 2, 3});  // an old tail after the record is ignored
  EXPECT_EQ(*decodeProfile(longer).value, p);
}

TEST(ProfileFile, RecordCutShortIsRefusedAtEveryLength) {
  Profile p;
  p.PlayerName = "Kalle";
  const Bytes whole = encodeProfile(p);
  for (std::size_t n = 0; n < whole.size(); ++n) {
    EXPECT_FALSE(decodeProfile(Bytes(whole.begin(), whole.begin() + static_cast<long>(n)))) << n << " bytes";
  }
  // A name length that runs past the end of the file.
  EXPECT_FALSE(decodeProfile(Bytes{0xFF, 0xFF, 'a'}));
}

class ProfileStore : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("quobbles-profiles-" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root);
    setProgramFolder(root);
  }
  void TearDown() override { fs::remove_all(root); }
  fs::path root;
};

TEST_F(ProfileStore, SaveCreatesPlayersAndLoadIgnoresLetterCase) {
  Profile p;
  p.PlayerName = "abc";
  p.LevelPassed[3] = kTrue;
  ASSERT_EQ(saveProfile(p), "");
  ASSERT_TRUE(fs::is_regular_file(root / "Players" / "abc.plr"));
  EXPECT_EQ(fs::file_size(root / "Players" / "abc.plr"), 1029u);
  Outcome<Profile> loaded = loadProfile("ABC");
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded.value->PlayerName, "abc");
  EXPECT_EQ(loaded.value->LevelPassed[3], kTrue);
}

TEST_F(ProfileStore, NamesThatCannotBeFileNamesTouchNothing) {
  for (const std::string& name :
       std::vector<std::string>{"../evil", "a/b", "..", "CON", "   ", std::string(65, 'x'), "a\tb"}) {
    Profile p;
    p.PlayerName = name;
    EXPECT_NE(saveProfile(p), "") << name;
    EXPECT_FALSE(loadProfile(name)) << name;
  }
  EXPECT_FALSE(fs::exists(root / "Players"));
  EXPECT_FALSE(fs::exists(root / "evil.plr"));
}

TEST_F(ProfileStore, UnwritablePlayersIsReportedAndNothingIsHalfWritten) {
  {
    std::ofstream blocker(root / "Players");  // a file where the folder should be
  }
  Profile p;
  p.PlayerName = "abc";
  EXPECT_NE(saveProfile(p), "");
  fs::remove(root / "Players");
  fs::create_directories(root / "Players" / "abc.plr");  // a folder in the file's place
  EXPECT_NE(saveProfile(p), "");
  EXPECT_TRUE(fs::is_directory(root / "Players" / "abc.plr"));
}

}  // namespace
}  // namespace quobbles
