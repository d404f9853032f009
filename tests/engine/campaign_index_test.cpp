// The campaign index reader: comma-delimited titles, line ends of every kind, quotes, blank
// lines, damaged and oversized files.
#include "frontend/campaign_index.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace quobbles {
namespace {

using Titles = std::vector<std::string>;

Bytes bytesOf(const std::string& text) {
  return Bytes(text.begin(), text.end());
}

Titles parse(const std::string& text) {
  Outcome<CampaignTitles> out = parseCampaignIndex(bytesOf(text));
  EXPECT_TRUE(out) << out.reason;
  return out ? out.value->titles : Titles{};
}

TEST(CampaignIndex, OneTitlePerLineWithAnyLineEnd) {
  EXPECT_EQ(parse("First\r\nSecond\r\nThird\r\n"), (Titles{"First", "Second", "Third"}));
  EXPECT_EQ(parse("First\nSecond"), (Titles{"First", "Second"}));
  EXPECT_EQ(parse("First\rSecond\r"), (Titles{"First", "Second"}));
}

TEST(CampaignIndex, CommasBlanksAndQuotes) {
  // Commas separate fields; blanks around an unquoted field go, quoted fields keep theirs.
  EXPECT_EQ(parse("  One ,Two\t, \"  Three, with a comma \" \r\nFour"),
            (Titles{"One", "Two", "  Three, with a comma ", "Four"}));
  // Text after a closing quote is ignored up to the next separator.
  EXPECT_EQ(parse("\"Trip to the Garden\" junk,Next"), (Titles{"Trip to the Garden", "Next"}));
  // Two commas in a row keep the map's place with an empty title; a comma before a line end
  // and blank lines add nothing.
  EXPECT_EQ(parse("A,,B,\r\n\r\n   \r\nC,\r\n\r\n"), (Titles{"A", "", "B", "C"}));
  EXPECT_EQ(parse("\"\"\r\nX"), (Titles{"", "X"}));
}

TEST(CampaignIndex, UnclosedQuoteEndsAtItsLine) {
  EXPECT_EQ(parse("\"Broken, title\r\nNext\r\n\"Last"), (Titles{"Broken, title", "Next", "Last"}));
}

TEST(CampaignIndex, EmptyBinaryAndUtf8Files) {
  EXPECT_TRUE(parse("").empty());
  EXPECT_TRUE(parse("\r\n \r\n").empty());
  Bytes binary = bytesOf("Map\r\n");
  binary.push_back(0);
  binary.push_back(0xFF);
  Outcome<CampaignTitles> refused = parseCampaignIndex(binary);
  EXPECT_FALSE(refused);
  EXPECT_NE(refused.reason.find("not a text file"), std::string::npos);
  // Windows-1252 bytes are kept as they are; a UTF-8 file (with its byte order mark) is
  // converted, and a character the game cannot show becomes "?".
  EXPECT_EQ(parse("K\xE4ytt\xF6"), (Titles{"K\xE4ytt\xF6"}));
  EXPECT_EQ(parse("\xEF\xBB\xBFK\xC3\xA4ytt\xC3\xB6\r\n\xE6\x97\xA5 sun"), (Titles{"K\xE4ytt\xF6", "? sun"}));
}

TEST(CampaignIndex, KeepsTheFirst256TitlesOfAnyLength) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += "Map " + std::to_string(i) + "\r\n";
  Outcome<CampaignTitles> many = parseCampaignIndex(bytesOf(text));
  ASSERT_TRUE(many);
  ASSERT_EQ(many.value->titles.size(), 256u);
  EXPECT_EQ(many.value->titles.back(), "Map 255");
  EXPECT_TRUE(many.value->cutShort);

  text.clear();
  for (int i = 0; i < 256; ++i) text += "Map " + std::to_string(i) + ",";
  Outcome<CampaignTitles> exactly = parseCampaignIndex(bytesOf(text + "\r\n\r\n"));
  ASSERT_TRUE(exactly);
  EXPECT_EQ(exactly.value->titles.size(), 256u);
  EXPECT_FALSE(exactly.value->cutShort);

  const std::string longTitle(20000, 'x');
  EXPECT_EQ(parse(longTitle + "\r\nShort"), (Titles{longTitle, "Short"}));
}

TEST(CampaignIndex, FilesThatCannotBeRead) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("quobbles-index-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder / "Campain.dat");
  EXPECT_FALSE(readCampaignIndex(folder / "missing.dat"));
  EXPECT_FALSE(readCampaignIndex(folder / "Campain.dat"));  // a folder
  {
    std::ofstream out(folder / "ok.dat", std::ios::binary);
    out << "\"A\",\"B\"\r\n";
  }
  Outcome<CampaignTitles> ok = readCampaignIndex(folder / "ok.dat");
  ASSERT_TRUE(ok);
  EXPECT_EQ(ok.value->titles, (Titles{"A", "B"}));
  std::filesystem::resize_file(folder / "ok.dat", kMaxCampaignIndexBytes + 1);
  Outcome<CampaignTitles> huge = readCampaignIndex(folder / "ok.dat");
  EXPECT_FALSE(huge);
  EXPECT_NE(huge.reason.find("too large"), std::string::npos);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace quobbles
