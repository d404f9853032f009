// The level file: exact bytes, round trips, and files that must be refused whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "editor/level_file.h"
#include "support/temp_folder.h"

namespace quobbles {
namespace {

using testing::TempFolder;

Level namedA() {
  Level level;
  level.LevelName = "A";
  level.EditCode = 0x1234;
  return level;
}

TEST(LevelFile, OneLetterEmptyLevelIs2507BytesInTheFixedLayout) {
  const Bytes bytes = encodeLevel(namedA());
  ASSERT_EQ(bytes.size(), 2507u);
  EXPECT_EQ(bytes[0], 0x01);  // name length, low byte first
  EXPECT_EQ(bytes[1], 0x00);
  EXPECT_EQ(bytes[2], 'A');
  EXPECT_EQ(bytes[3], 0x34);  // edit code, low byte first
  EXPECT_EQ(bytes[4], 0x12);
  EXPECT_EQ(bytes[5], 0x00);  // status 0
  EXPECT_EQ(bytes[6], 0x00);
  for (std::size_t i = 7; i < bytes.size(); ++i) ASSERT_EQ(bytes[i], 0) << "map byte at offset " << i;
}

TEST(LevelFile, SquaresSitAtRowMajorOffsetsAfterTheName) {
  Level level = namedA();
  level.LevelName = "Maze";  // N = 4
  level.code(49, 0) = 66;
  level.code(0, 1) = 120;
  level.code(49, 49) = 106;
  level.EditCode = -2;
  level.LevelStatus = kPassed;
  const Bytes bytes = encodeLevel(level);
  ASSERT_EQ(bytes.size(), 2510u);
  EXPECT_EQ(bytes[6 + 4 + 49], 66);
  EXPECT_EQ(bytes[6 + 4 + 50], 120);
  EXPECT_EQ(bytes[6 + 4 + 2499], 106);
  EXPECT_EQ(bytes[6], 0xFE);  // -2 in two's complement
  EXPECT_EQ(bytes[7], 0xFF);
  EXPECT_EQ(bytes[8], 2);
  const Outcome<Level> back = decodeLevel(bytes);
  ASSERT_TRUE(back) << back.reason;
  EXPECT_EQ(*back.value, level);
}

TEST(LevelFile, BytesAfterTheRecordAreIgnored) {
  Level level = namedA();
  level.code(3, 4) = 15;
  Bytes bytes = encodeLevel(level);
  bytes.insert(bytes.end(), {1, 2, 3, 255, 17});
  const Outcome<Level> back = decodeLevel(bytes);
  ASSERT_TRUE(back) << back.reason;
  EXPECT_EQ(*back.value, level);
}

TEST(LevelFile, ShortOrInvalidRecordsAreRefusedWithAReason) {
  Bytes good = encodeLevel(namedA());
  EXPECT_FALSE(decodeLevel({}));
  EXPECT_FALSE(decodeLevel({0x05}));
  Bytes cut(good.begin(), good.end() - 1);
  const Outcome<Level> shortFile = decodeLevel(cut);
  EXPECT_FALSE(shortFile);
  EXPECT_FALSE(shortFile.reason.empty());

  // A name length that runs past the end of the file.
  Bytes longName = good;
  longName[0] = 0xFF;
  longName[1] = 0xFF;
  EXPECT_FALSE(decodeLevel(longName));

  // Every byte that is not a tile code is refused, wherever it stands.
  for (int code : {17, 26, 39, 41, 59, 69, 79, 87, 98, 107, 119, 121, 255}) {
    Bytes bad = good;
    bad[7 + 1234] = static_cast<uint8_t>(code);
    const Outcome<Level> refused = decodeLevel(bad);
    EXPECT_FALSE(refused) << "code " << code;
    EXPECT_NE(refused.reason.find(std::to_string(code)), std::string::npos) << refused.reason;
  }
}

TEST(LevelFile, WriteThenReadReplacesTheFileWhole) {
  TempFolder dir;
  const auto path = dir.path() / "level.lev";
  Level longer = namedA();
  longer.LevelName = std::string(300, 'x');
  ASSERT_EQ(WriteLevel(path, longer), "");
  Level shorter = namedA();
  shorter.code(10, 10) = 60;
  ASSERT_EQ(WriteLevel(path, shorter), "");
  EXPECT_EQ(std::filesystem::file_size(path), 2507u);  // the old, longer record leaves no tail
  const Outcome<Level> back = ReadLevel(path);
  ASSERT_TRUE(back) << back.reason;
  EXPECT_EQ(*back.value, shorter);
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(LevelFile, MissingFoldersAndFoldersInPlaceOfFilesAreReported) {
  TempFolder dir;
  EXPECT_FALSE(ReadLevel(dir.path() / "nothing.lev"));
  std::filesystem::create_directory(dir.path() / "folder.lev");
  const Outcome<Level> folder = ReadLevel(dir.path() / "folder.lev");
  EXPECT_FALSE(folder);
  EXPECT_NE(WriteLevel(dir.path() / "folder.lev", namedA()), "");
  EXPECT_NE(WriteLevel(dir.path() / "no-such-folder" / "x.lev", namedA()), "");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "no-such-folder"));
}

}  // namespace
}  // namespace quobbles
