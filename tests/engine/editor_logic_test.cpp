// The editor's record-side rules: the labyrinth's fixed squares and its share of walled
// passages, and clearing that leaves nothing of the old level anywhere.
#include "editor/editor_logic.h"

#include <gtest/gtest.h>

#include "state/tiles.h"

namespace quobbles::editor {
namespace {

// A repeatable stand-in for the clock-seeded generator.
Random01 sequence(uint32_t seed) {
  return [state = seed]() mutable {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) / static_cast<double>(1u << 24);
  };
}

TEST(EditorLabyrinth, RoomsAndPillarsAreFixedAboutFortyPercentOfPassagesWalledAndClearingUndoesAll) {
  GameState g, h;
  EditorState e;  // Empty selected: the tool builds with the permanent wall
  g.level = Level{"Old", -5, kPassed, {}};
  useLabyrinthTool(g, e, sequence(12345));
  EXPECT_EQ(e.SelectedTile, tile::PermanentWall);
  EXPECT_EQ(g.level.LevelName, "");
  // Rooms at even squares stay empty, pillars at odd ones are walls, the passages between either.
  int walled = 0;
  for (int y = 0; y < kMapSize; ++y)
    for (int x = 0; x < kMapSize; ++x) {
      const uint8_t c = g.code(x, y);
      const bool room = x % 2 == 0 && y % 2 == 0, pillar = x % 2 == 1 && y % 2 == 1;
      ASSERT_EQ(c, room ? tile::Empty : pillar ? tile::PermanentWall : c) << x << "," << y;
      ASSERT_TRUE(c == tile::Empty || c == tile::PermanentWall) << x << "," << y;
      walled += !room && !pillar && c != tile::Empty;
    }
  EXPECT_NEAR(walled / 1250.0, 0.4, 0.05);  // 1250 passages

  g.MapMax = {9, 9};
  g.PlayerPos = {7, 3};
  e.LevelChanged = true;
  Clear_map(g, e, ClearMode::kPlain);
  EXPECT_EQ(g.level, Level{});  // not a wall left, even beyond the extent
  EXPECT_EQ(g.MapMax, (WordPos{49, 49}));
  EXPECT_EQ(g.PlayerPos, (BytePos{0, 0}));
  EXPECT_FALSE(e.LevelChanged);

  // Another tile builds with itself; the clock's own generator makes (almost surely) two mazes.
  e.SelectedTile = 21;
  useLabyrinthTool(g, e);
  useLabyrinthTool(h, e);
  EXPECT_EQ(g.code(49, 49), 21);
  EXPECT_NE(g.level.MapGrid, h.level.MapGrid);
}

}  // namespace
}  // namespace quobbles::editor
