// Numbers typed in the editor: exact reading, halves rounded to the even neighbour, the
// edit-code box's last-character rule, and hostile text that must simply not be a number.
#include "editor/editor_numbers.h"

#include <gtest/gtest.h>

namespace quobbles::editor {
namespace {

TEST(EditorNumbers, FractionsRoundToTheNearestWholeNumberAndHalvesToTheEvenOne) {
  const std::pair<const char*, int> cases[] = {{"0.5", 0},   {"1.5", 2},   {"2.5", 2},     {"2.5000001", 3},
                                               {"-1.5", -2}, {"-2.5", -2}, {"-2.6", -3},   {".5", 0},
                                               {"7.", 7},    {"+12", 12},  {"  42  ", 42}, {"-0", 0}};
  for (const auto& [text, expected] : cases) {
    const auto d = readDecimal(text);
    ASSERT_TRUE(d) << text;
    EXPECT_EQ(roundedWithin(*d, -1000, 1000), expected) << text;
  }
  for (const char* text : {"", " ", "-", ".", "1-", "- 1", "1 2", "1.2.3", "1e3", "0x10", "12a", "../x",
                           "1,5", "\t1", "1\n", "\xEF\xBC\x91", "--1"})
    EXPECT_FALSE(readDecimal(text)) << "'" << text << "'";
}

TEST(EditorNumbers, CodesAndAnswersKeepToTheirRanges) {
  EXPECT_EQ(readInteger16("-32768"), -32768);
  EXPECT_EQ(readInteger16("32767.4"), 32767);
  EXPECT_FALSE(readInteger16("32767.5"));
  EXPECT_FALSE(readInteger16(std::string(5000, '9')));
  EXPECT_EQ(readInteger16(std::string(5000, '0') + "17"), 17);
  EXPECT_EQ(readByteAnswer("254.5"), 254);
  EXPECT_EQ(readByteAnswer("-0.4"), 0);
  EXPECT_FALSE(readByteAnswer("255.5"));
  EXPECT_FALSE(readByteAnswer("-1"));
  EXPECT_FALSE(readByteAnswer(""));  // the answer of Cancel

  EXPECT_TRUE(answerEqualsCode(" 0.000 ", 0));
  EXPECT_TRUE(answerEqualsCode("-1234", -1234));
  EXPECT_FALSE(answerEqualsCode("", 0));     // an empty answer is no code, not zero
  EXPECT_FALSE(answerEqualsCode("0.4", 0));  // a fraction is another number
  EXPECT_FALSE(answerEqualsCode("1234", -1234));
  EXPECT_FALSE(answerEqualsCode("65613", 77));  // not wrapped into 16 bits
}

TEST(EditorNumbers, TheCodeBoxDropsLastCharactersUntilItsTextIsANumber) {
  const std::tuple<const char*, const char*, std::optional<int16_t>> cases[] = {
      {"32768", "3276", 3276},  // above 32767: the last digit goes at once
      {"123x", "123", 123},    {"-", "", std::nullopt},  {"-45", "-45", -45},
      {"2.5", "2.5", 2},       {"12\xC3\xA9", "12", 12},  // an accented letter goes whole
      {"1a2", "1", 1},                                    // only ever the last character
      {"ab", "", std::nullopt}};
  for (const auto& [typed, kept, code] : cases) {
    const CodeBoxText box = editCodeBoxRule(typed);
    EXPECT_EQ(box.text, kept) << typed;
    EXPECT_EQ(box.code, code) << typed;
  }
}

}  // namespace
}  // namespace quobbles::editor
