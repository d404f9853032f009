// The level file: exact bytes, round trips, and files that must be refused whole.
#include "state/level_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
  EXPECT_NE(WriteLevel(dir.path() / "no-such-folder" / "x.lev", level), "");
  EXPECT_FALSE(fs::exists(dir.path() / "no-such-folder"));
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

}  // namespace
}  // namespace quobbles
