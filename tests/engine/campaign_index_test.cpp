// The campaign index reader: comma-delimited titles, line ends of every kind, quotes, blank
// lines, damaged and oversized files.
#include "frontend/campaign_index.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_folder.h"

namespace quobbles {
namespace {

using Titles = std::vector<std::string>;

Outcome<CampaignTitles> parse(const std::string& text) {
  return parseCampaignIndex(Bytes(text.begin(), text.end()));
}

TEST(CampaignIndex, TitlesAreCommaDelimitedFieldsOnLinesWithAnyLineEndCutAfter200Characters) {
  // Any line end; blanks around an unquoted field go, quoted fields keep theirs and their commas,
  // text after a closing quote goes; two commas in a row keep a map's place, a comma before a line
  // end and blank lines add nothing; an open quote ends at its line. Windows-1252 stays as it is;
  // UTF-8 with its byte order mark is converted, and a character the game cannot show becomes "?".
  // A title of exactly 200 characters is kept whole; longer ones, quoted or not, in the game's
  // text or in UTF-8, keep 199 characters and end in "…" (0x85).
  const std::string cut = std::string(199, 'a') + "\x85";
  std::string utf8Long;
  for (int i = 0; i < 300; ++i) utf8Long += "\xC3\xA4";  // "ä"
  const std::pair<std::string, Titles> cases[] = {
      {"First\r\nSecond\nThird\rFourth\r", {"First", "Second", "Third", "Fourth"}},
      {"  One ,Two\t, \"  Three, with a comma \" \r\nFour", {"One", "Two", "  Three, with a comma ", "Four"}},
      {"\"Trip to the Garden\" junk,Next", {"Trip to the Garden", "Next"}},
      {"A,,B,\r\n\r\n   \r\nC,\r\n\r\n", {"A", "", "B", "C"}},
      {"\"\"\r\nX", {"", "X"}},
      {"\"Broken, title\r\nNext\r\n\"Last", {"Broken, title", "Next", "Last"}},
      {"", {}},
      {"\r\n \r\n", {}},
      {"K\xE4ytt\xF6", {"K\xE4ytt\xF6"}},
      {"\xEF\xBB\xBFK\xC3\xA4ytt\xC3\xB6\r\n\xE6\x97\xA5 sun", {"K\xE4ytt\xF6", "? sun"}},
      {std::string(20000, 'x') + "\r\nShort", {std::string(199, 'x') + "\x85", "Short"}},
      {std::string(200, 'a') + "\r\n" + std::string(201, 'a'), {std::string(200, 'a'), cut}},
      {"\"" + std::string(4000000, 'a') + "\",Next", {cut, "Next"}},
      {"\xEF\xBB\xBF" + utf8Long + ",\xE2\x80\xA6", {std::string(199, '\xE4') + "\x85", "\x85"}}};
  for (const auto& [text, titles] : cases)
    EXPECT_EQ(parse(text).value.value().titles, titles) << text.substr(0, 40);
}

TEST(CampaignIndex, KeepsTheFirst256TitlesAndRefusesBinaryMissingAndHugeFiles) {
  // Of 300 titles on lines the first 256 are kept; 256 fields on one line, with blank lines after
  // them, are all kept too.
  std::string lines, fields;
  for (int i = 0; i < 300; ++i) lines += "Map " + std::to_string(i) + "\r\n";
  for (int i = 0; i < 256; ++i) fields += "Map " + std::to_string(i) + ",";
  const CampaignTitles many = parse(lines).value.value(), exactly = parse(fields + "\r\n\r\n").value.value();
  EXPECT_EQ((std::tuple{many.titles.size(), many.titles.back()}), (std::tuple{256u, "Map 255"}));
  EXPECT_EQ((std::tuple{exactly.titles.size(), exactly.titles.back()}), (std::tuple{256u, "Map 255"}));

  EXPECT_NE(parse(std::string("Map\r\n\0\xFF", 7)).reason.find("not a text file"), std::string::npos);
  testing::TempFolder folder;
  std::filesystem::create_directories(folder.path() / "Campain.dat");
  EXPECT_FALSE(readCampaignIndex(folder.path() / "missing.dat"));
  EXPECT_FALSE(readCampaignIndex(folder.path() / "Campain.dat"));  // a folder
  std::ofstream(folder.path() / "ok.dat", std::ios::binary) << "\"A\",\"B\"\r\n";
  EXPECT_EQ(readCampaignIndex(folder.path() / "ok.dat").value.value().titles, (Titles{"A", "B"}));
  std::filesystem::resize_file(folder.path() / "ok.dat", kMaxCampaignIndexBytes + 1);
  EXPECT_NE(readCampaignIndex(folder.path() / "ok.dat").reason.find("too large"), std::string::npos);
}

}  // namespace
}  // namespace quobbles
