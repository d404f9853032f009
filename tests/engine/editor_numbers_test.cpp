// Numbers typed in the editor: exact reading, halves rounded to the even neighbour, the
// edit-code box's last-character rule, and hostile text that must simply not be a number.
#include "editor/editor_numbers.h"

#include <gtest/gtest.h>

namespace quobbles::editor {
namespace {

TEST(EditorNumbers, TextIsOneDecimalNumberWithHalvesRoundedToTheEvenOneAndKeptToItsRange) {
  const std::pair<const char*, std::optional<int16_t>> codes[] = {
      {"0.5", 0},         {"1.5", 2}, {"2.5", 2},         {"2.5000001", 3}, {"-2.5", -2},
      {"-2.6", -3},       {".5", 0},  {"7.", 7},          {"+12", 12},      {"  42  ", 42},
      {"-32768", -32768}, {"-0", 0},  {"32767.4", 32767}, {"32767.5", {}}};
  for (const auto& [text, expected] : codes) EXPECT_EQ(readInteger16(text), expected) << text;
  for (const char* text :
       {"", " ", "-", ".", "- 1", "1 2", "1.2.3", "1e3", "0x10", "../x", "1,5", "\t1", "\xEF\xBC\x91", "--1"})
    EXPECT_FALSE(readDecimal(text)) << "'" << text << "'";
  EXPECT_FALSE(readInteger16(std::string(5000, '9')));
  EXPECT_EQ(readInteger16(std::string(5000, '0') + "17"), 17);
  EXPECT_EQ(readByteAnswer("254.5"), 254);
  EXPECT_EQ(readByteAnswer("-0.4"), 0);
  EXPECT_FALSE(readByteAnswer("255.5"));
  // The edit-code answer: an empty answer is no code, not zero; a fraction is another number;
  // nothing is wrapped into 16 bits.
  const std::tuple<const char*, int16_t, bool> answers[] = {{" 0.000 ", 0, true},   {"-1234", -1234, true},
                                                            {"", 0, false},         {"0.4", 0, false},
                                                            {"1234", -1234, false}, {"65613", 77, false}};
  for (const auto& [answer, code, equal] : answers)
    EXPECT_EQ(answerEqualsCode(answer, code), equal) << answer;
}

TEST(EditorNumbers, TheCodeBoxDropsLastCharactersUntilItsTextIsANumber) {
  // Above 32767 the last digit goes at once; an accented letter goes whole; only ever the last
  // character goes, so "1a2" keeps just the 1.
  const std::tuple<const char*, const char*, std::optional<int16_t>> cases[] = {
      {"32768", "3276", 3276},  {"-", "", std::nullopt}, {"-45", "-45", -45},     {"2.5", "2.5", 2},
      {"12\xC3\xA9", "12", 12}, {"1a2", "1", 1},         {"ab", "", std::nullopt}};
  for (const auto& [typed, kept, code] : cases)
    EXPECT_EQ(std::pair(editCodeBoxRule(typed).text, editCodeBoxRule(typed).code),
              std::pair(std::string(kept), code));
}

}  // namespace
}  // namespace quobbles::editor
