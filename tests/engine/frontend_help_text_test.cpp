// The help text: ten sections in their order, separated by lines of 44 "-", CR LF line ends,
// the key list as the board reads its keys, and the newer keys with the advice that goes with them.
#include <gtest/gtest.h>

#include "frontend/help_text.h"

namespace quobbles {
namespace {

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
