// The editor's record-side rules: clearing, and the labyrinth's fixed squares and its share of
// walled passages.
#include "editor/editor_logic.h"

#include <gtest/gtest.h>

#include "state/tiles.h"

namespace quobbles::editor {
namespace {

// A repeatable stand-in for the clock-seeded generator.
Random01 sequence(uint32_t seed) {
  auto state = std::make_shared<uint32_t>(seed);
  return [state] {
    *state = *state * 1664525u + 1013904223u;
    return (*state >> 8) / static_cast<double>(1u << 24);
  };
}

TEST(EditorClearing, LeavesNothingOfTheOldLevelAnywhereAndRestoresTheFullExtent) {
  GameState g;
  EditorState e;
  g.MapMax = {9, 9};
  g.level.MapGrid.fill(tile::PermanentWall);
  g.level.LevelName = "Old";
  g.level.EditCode = -5;
  g.level.LevelStatus = kPassed;
  g.PlayerPos = {7, 3};
  e.LevelChanged = kTrue;
  Clear_map(g, e, ClearMode::kPlain);
  EXPECT_EQ(g.level, Level{});
  EXPECT_EQ(g.MapMax, (WordPos{49, 49}));
  EXPECT_EQ(g.PlayerPos, (BytePos{0, 0}));
  EXPECT_EQ(e.LevelChanged, kFalse);
}

TEST(EditorLabyrinth, RoomsAndPillarsAreFixedAndAboutFortyPercentOfPassagesAreWalled) {
  GameState g;
  EditorState e;
  e.SelectedTile = 21;
  Clear_map(g, e, ClearMode::kLabyrinth, sequence(12345));
  int walled = 0;
  for (int y = 0; y < kMapSize; ++y) {
    for (int x = 0; x < kMapSize; ++x) {
      const uint8_t c = g.code(x, y);
      if (x % 2 == 0 && y % 2 == 0)
        ASSERT_EQ(c, tile::Empty) << x << "," << y;
      else if (x % 2 == 1 && y % 2 == 1)
        ASSERT_EQ(c, 21) << x << "," << y;
      else {
        ASSERT_TRUE(c == tile::Empty || c == 21) << x << "," << y;
        walled += c == 21;
      }
    }
  }
  EXPECT_NEAR(walled / 1250.0, 0.4, 0.05);  // 1250 passages
}

TEST(EditorLabyrinth, TheToolBuildsWithPermanentWallWhenEmptyIsSelected) {
  GameState g, h;
  EditorState e;
  useLabyrinthTool(g, e, sequence(7));
  EXPECT_EQ(e.SelectedTile, tile::PermanentWall);
  EXPECT_EQ(g.code(1, 1), tile::PermanentWall);
  EXPECT_EQ(g.code(49, 49), tile::PermanentWall);
  EXPECT_EQ(g.code(2, 4), tile::Empty);
  // With the clock's own generator two labyrinths are (almost surely) not the same.
  useLabyrinthTool(g, e);
  useLabyrinthTool(h, e);
  EXPECT_NE(g.level.MapGrid, h.level.MapGrid);
}

}  // namespace
}  // namespace quobbles::editor
