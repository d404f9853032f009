// Copy and paste of a rectangle: the prompts and their failure rule, the live-map paste that
// reads its own output where it overlaps, the cut at the grid's edge and the failure midway.
#include <gtest/gtest.h>

#include <vector>

#include "editor/copy_paste.h"
#include "support/scripted_prompts.h"

namespace quobbles::editor {
namespace {

using Area = std::array<uint8_t, 6>;

// Copies with the prompts answered from a list, then with Cancel (the empty text).
bool copyWith(EditorState& e, std::vector<std::string> texts) {
  testing::ScriptedPrompts prompts;
  prompts.inputs.assign(texts.begin(), texts.end());
  return copyArea(e, prompts);
}

TEST(EditorCopy, EdgesBecomeSpansAndRefusalsKeepWhatWasStored) {
  EditorState e;
  ASSERT_TRUE(copyWith(e, {"2", "3", "4", "3"}));
  EXPECT_EQ(e.CopyArea, (Area{2, 3, 2, 0, 0, 0}));
  EXPECT_FALSE(copyWith(e, {"5", "1", "1", "8"}));  // right edge left of the left edge
  EXPECT_EQ(e.CopyArea, (Area{5, 1, 1, 8, 0, 0}));  // the raw edges stay
  EXPECT_FALSE(copyWith(e, {"1", "6", "256"}));     // bottom above the top, or not a byte
  EXPECT_FALSE(copyWith(e, {"1", "6", "3", "2"}));
  EXPECT_EQ(e.CopyArea, (Area{1, 6, 2, 2, 0, 0}));
  ASSERT_TRUE(copyWith(e, {"20", "0", "60", "0"}));  // beyond 49 only a paste refuses
  EXPECT_EQ(e.CopyArea[CopySpanX], 40);
}

TEST(EditorPaste, ReadsSquaresItHasWrittenIsCutAtTheGridsEdgeAndFailsMidwayOffIt) {
  GameState g;
  EditorState e;
  for (int x = 0; x < 4; ++x) g.code(x, 5) = static_cast<uint8_t>(20 + x);
  e.CopyArea = {0, 5, 3, 0, 1, 5};  // columns 0..3 one square to the right of themselves
  ASSERT_TRUE(pasteArea(g, e));
  for (int x = 0; x <= 4; ++x) EXPECT_EQ(g.code(x, 5), 20) << x;
  EXPECT_EQ(g.code(5, 5), 0);

  g.MapMax = {10, 10};
  for (int x = 0; x < 10; ++x) g.code(x, 0) = g.code(x, 1) = static_cast<uint8_t>(60 + (x % 6));
  e.CopyArea = {0, 0, 9, 2, 45, 48};  // 10 x 3 squares at (45, 48)
  ASSERT_TRUE(pasteArea(g, e));
  for (int x = 45; x <= 49; ++x) {
    EXPECT_EQ(g.code(x, 48), 60 + (x - 45) % 6) << x;
    EXPECT_EQ(g.code(x, 49), 60 + (x - 45) % 6) << x;
  }

  // Left 20 and right 60: source column 50 stops the paste midway; what was pasted stays.
  for (int x = 0; x < kMapSize; ++x) g.code(x, 0) = static_cast<uint8_t>(x % 2 ? 21 : 64);
  const Grid before = g.level.MapGrid;
  e.CopyArea = {20, 0, 40, 1, 0, 10};
  EXPECT_FALSE(pasteArea(g, e));
  for (int x = 0; x <= 29; ++x) EXPECT_EQ(g.code(x, 10), before[squareIndex(x + 20, 0)]) << x;
  EXPECT_EQ(g.code(30, 10), 0);  // source column 50 stopped it

  g.level.MapGrid = before;
  e.CopyArea = {0, 0, 60, 0, 0, 10};  // from column 0 the grid's edge comes first: no failure
  EXPECT_TRUE(pasteArea(g, e));
  EXPECT_EQ(g.code(49, 10), before[squareIndex(49, 0)]);
  e.CopyArea = {250, 0, 255, 0, 0, 0};  // sums past 255 never wrap around onto the grid
  EXPECT_FALSE(pasteArea(g, e));
}

}  // namespace
}  // namespace quobbles::editor
