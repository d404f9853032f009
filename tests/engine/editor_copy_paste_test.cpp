// Copy and paste of a rectangle: the prompts and their failure rule, the live-map paste that
// reads its own output where it overlaps, the cut at the grid's edge and the failure midway.
#include <gtest/gtest.h>

#include <deque>

#include "editor/copy_paste.h"

namespace quobbles::editor {
namespace {

// Answers the prompts from a list (then Cancel) and counts them.
AskText answers(std::deque<std::string> texts, int* asked = nullptr) {
  auto queue = std::make_shared<std::deque<std::string>>(std::move(texts));
  return [queue, asked](const std::string&) {
    if (asked) ++*asked;
    if (queue->empty()) return std::string();
    std::string t = queue->front();
    queue->pop_front();
    return t;
  };
}

using Area = std::array<uint8_t, 6>;

TEST(EditorCopy, EdgesBecomeSpansAndRefusalsKeepWhatWasStored) {
  EditorState e;
  ASSERT_TRUE(copyArea(e, answers({"2", "3", "4", "3"})));
  EXPECT_EQ(e.CopyArea, (Area{2, 3, 2, 0, 0, 0}));

  EXPECT_FALSE(copyArea(e, answers({"5", "1", "1", "8"})));  // right edge left of the left edge
  EXPECT_EQ(e.CopyArea, (Area{5, 1, 1, 8, 0, 0}));           // the raw edges stay
  EXPECT_FALSE(copyArea(e, answers({"1", "6", "3", "2"})));  // bottom above the top
  EXPECT_EQ(e.CopyArea, (Area{1, 6, 2, 2, 0, 0}));

  int asked = 0;
  EXPECT_FALSE(copyArea(e, answers({"4", "4"}, &asked)));  // Cancel at the third prompt
  EXPECT_EQ(asked, 3);
  for (const char* bad : {"256", "-1", "../3", "1e2"}) EXPECT_FALSE(copyArea(e, answers({bad}))) << bad;
  EXPECT_EQ(e.CopyArea, (Area{4, 4, 2, 2, 0, 0}));

  ASSERT_TRUE(copyArea(e, answers({"20", "0", "60", "0"})));  // beyond 49 only a paste refuses
  EXPECT_EQ(e.CopyArea[CopySpanX], 40);
}

TEST(EditorPaste, AnOverlappingPasteReadsSquaresItHasAlreadyWritten) {
  GameState g;
  EditorState e;
  for (int x = 0; x < 4; ++x) g.code(x, 5) = static_cast<uint8_t>(20 + x);
  e.CopyArea = {0, 5, 3, 0, 1, 5};
  ASSERT_TRUE(pasteArea(g, e));
  for (int x = 0; x <= 4; ++x) EXPECT_EQ(g.code(x, 5), 20) << x;
  EXPECT_EQ(g.code(5, 5), 0);
}

TEST(EditorPaste, IsCutAtTheGridsEdgeNotAtTheExtent) {
  GameState g;
  EditorState e;
  g.MapMax = {10, 10};
  for (int x = 0; x < 10; ++x) g.code(x, 0) = g.code(x, 1) = static_cast<uint8_t>(60 + (x % 6));
  e.CopyArea = {0, 0, 9, 2, 45, 48};
  ASSERT_TRUE(pasteArea(g, e));
  for (int x = 45; x <= 49; ++x) {
    EXPECT_EQ(g.code(x, 48), 60 + (x - 45) % 6) << x;
    EXPECT_EQ(g.code(x, 49), 60 + (x - 45) % 6) << x;
  }
}

TEST(EditorPaste, FailsMidwayAtASourceOffTheGridAndKeepsWhatWasPasted) {
  GameState g;
  EditorState e;
  for (int x = 0; x < kMapSize; ++x) g.code(x, 0) = static_cast<uint8_t>(x % 2 ? 21 : 64);
  const Grid before = g.level.MapGrid;
  e.CopyArea = {20, 0, 40, 1, 0, 10};  // left 20, right 60
  EXPECT_FALSE(pasteArea(g, e));
  for (int x = 0; x <= 29; ++x) EXPECT_EQ(g.code(x, 10), before[squareIndex(x + 20, 0)]) << x;
  EXPECT_EQ(g.code(30, 10), 0);  // source column 50 stopped it

  g.level.MapGrid = before;
  e.CopyArea = {0, 0, 60, 0, 0, 10};  // from column 0 the grid's edge comes first: no failure
  EXPECT_TRUE(pasteArea(g, e));
  EXPECT_EQ(g.code(49, 10), before[squareIndex(49, 0)]);

  e.CopyArea = {0, 0, 0, 0, 0, 0};  // before any copy: square (0, 0) onto itself
  EXPECT_TRUE(pasteArea(g, e));
  e.CopyArea = {250, 0, 255, 0, 0, 0};  // sums past 255 never wrap around onto the grid
  EXPECT_FALSE(pasteArea(g, e));
}

}  // namespace
}  // namespace quobbles::editor
