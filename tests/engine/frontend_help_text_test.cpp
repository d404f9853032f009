// The help text: nine sections in their order, separated by lines of 44 "-", CR LF line ends,
// and the key list as the board reads its keys.
#include <gtest/gtest.h>

#include <algorithm>

#include "frontend/help_text.h"

namespace quobbles {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (std::size_t end; (end = text.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(text.substr(at, end - at));
  lines.push_back(text.substr(at));
  return lines;
}

TEST(HelpText, NineSectionsInOrderWithCrLfLines) {
  const std::string& text = helpText();
  EXPECT_GT(text.size(), 2600u);
  EXPECT_LT(text.size(), 2800u);
  // Every line break is CR LF.
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') {
      EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << i;
    }
    if (text[i] == '\r') {
      EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << i;
    }
  }

  const std::vector<std::string> lines = linesOf(text);
  std::vector<std::string> headings{lines.front()};
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i].find_first_not_of('-') == std::string::npos) {
      EXPECT_EQ(lines[i], std::string(44, '-'));
      headings.push_back(lines[i + 1]);
    }
  }
  EXPECT_EQ(headings, (std::vector<std::string>{
                          "Purpose of the game:", "Keys:", "What's wrong? - I can't move!:", "Moving blocks:",
                          "Walls:", "Doors:", "Specials:", "Hangers:", "Stars:"}));
  EXPECT_EQ(lines[1], "Basicly to get exit. (Green 'E')");
  const std::vector<std::string> keys(lines.begin() + 4, lines.begin() + 15);
  EXPECT_EQ(keys, (std::vector<std::string>{
                      "   Moving: 4, 6, 8, 2", "   Pass turn: 5", "   Moving view: A, D, W, X, S",
                      "   Using specials:", "      Invisibility: C", "      Mine: V", "      Remove block: B",
                      "      Four direction attack: N", "      Immortality: M",
                      "   This help-window: Spacebar", "   End game: Esc"}));
  for (const char* special : {"Invisibility (blue):", "Mine (green):", "Remove block (red):",
                              "Four direction attack (orange):", "Immortality (purple):"})
    EXPECT_NE(std::find(lines.begin(), lines.end(), special), lines.end()) << special;
}

}  // namespace
}  // namespace quobbles
