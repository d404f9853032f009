// The ".plr" profile: its bytes (1026 + N, flags layout), refusing records cut short, and the
// store below the program folder (Players created when missing, names found whatever their case).
#include "state/profile_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "frontend/profile_store.h"
#include "state/program_files.h"
#include "support/temp_folder.h"

namespace quobbles {
namespace {

namespace fs = std::filesystem;

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
  Profile p;
  for (const char* name : {"../evil", "CON"}) {
    p.PlayerName = name;
    EXPECT_NE(saveProfile(p), "") << name;
  }
  EXPECT_FALSE(fs::exists(root.path() / "Players") || fs::exists(root.path() / "evil.plr"));

  p.PlayerName = "abc";
  p.LevelPassed[3] = kTrue;
  ASSERT_EQ(saveProfile(p), "");
  EXPECT_EQ(fs::file_size(root.path() / "Players" / "abc.plr"), 1029u);
  EXPECT_EQ(readProfile(profilePath("ABC")).value, p);

  // A folder in the file's place, and a file in the folder's: reported, nothing half written.
  fs::remove(root.path() / "Players" / "abc.plr");
  fs::create_directory(root.path() / "Players" / "abc.plr");
  EXPECT_NE(saveProfile(p), "");
  fs::remove_all(root.path() / "Players");
  std::ofstream(root.path() / "Players") << "x";
  EXPECT_NE(saveProfile(p), "");
}

}  // namespace
}  // namespace quobbles
