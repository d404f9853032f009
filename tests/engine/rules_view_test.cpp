// The 9 x 9 view: which map square each cell shows for a view offset, picture 60 off the map,
// hanger facings, and the dark view's 5 x 5 block.
#include <algorithm>

#include "engine/rules_scenario.h"

namespace quobbles::testing {
namespace {

int cellsShowing(const Scenario& play, PictureId picture) {
  const auto& view = play.s.board.controls.view;
  return static_cast<int>(std::count(view.begin(), view.end(), picture));
}

TEST(View, CellsShowTheSquaresAroundThePlayerMovedByTheViewShift) {
  // At level start cell (c, r) shows square (c - 4, r - 4); the cell under the figure shows the floor.
  Scenario play({"@*..m", "i", "", "", "....C"});
  for (int k = 0; k < kViewCells; ++k) {
    const int x = k % 9 - 4, y = k / 9 - 4;
    EXPECT_EQ(play.controls().view[k], x < 0 || y < 0 ? 60 : play.code(x, y)) << "cell " << k;
  }
  play.keys("aaaawwww");  // only the bottom-right cell is left on the map
  EXPECT_EQ(play.controls().view[80], tile::StartSquare);
  EXPECT_EQ(cellsShowing(play, 60), 80);

  Scenario corner({});
  corner.put(49, 49, tile::RemoveBlock);
  corner.put(46, 46, tile::Star);
  corner.placePlayer(49, 49);
  corner.b().vars.ViewShift = {5, 3};  // one square right and one up
  play::kartan_piirto(corner.g(), corner.b());
  // Cell (c, r) shows square (46 + c, 44 + r): columns 0..3 and rows 0..5 lie on the map.
  const auto& view = corner.controls().view;
  EXPECT_EQ((std::array{view[2 * 9 + 0], view[5 * 9 + 3], view[5 * 9 + 4], view[6 * 9 + 3], view[0]}),
            (std::array<PictureId, 5>{tile::Star, tile::RemoveBlock, 60, 60, tile::Empty}));
  EXPECT_EQ(cellsShowing(corner, 60), 81 - 4 * 6);
}

TEST(View, HangersShowTheirFacing) {
  Scenario play({"", "", "..#H"});
  EXPECT_EQ(play.controls().view[6 * 9 + 7], hangerPicture(11));  // at rest before the first turn
  play.keys("5");                                                 // turned down at the wall
  EXPECT_EQ((std::array{play.controls().view[6 * 9 + 7], play.controls().view[7 * 9 + 7]}),
            (std::array{PictureId{tile::Empty}, hangerPicture(12)}));
  for (uint8_t facing : {11, 13, 14}) {
    play.g().state(3, 3) = facing;
    play::kartan_piirto(play.g(), play.b());
    EXPECT_EQ(play.controls().view[7 * 9 + 7], hangerPicture(facing));
  }
}

TEST(View, DarkViewShowsOnlyTheCentralBlock) {
  Scenario play({});
  play.put(12, 12, tile::Invisibility);
  play.placePlayer(10, 10);
  play.b().vars.DarkView = true;
  play::kartan_piirto(play.g(), play.b());
  for (int k = 0; k < kViewCells; ++k) {
    const int row = k / 9, column = k % 9;
    const bool inBlock = row >= 2 && row <= 6 && column >= 2 && column <= 6;
    EXPECT_EQ(play.controls().view[k] == tile::DarkSquare, !inBlock) << "cell " << k;
  }
  EXPECT_EQ(play.controls().view[6 * 9 + 6], tile::Invisibility);

  // Near the corner the block still shows picture 60 for what lies off the map.
  Scenario corner({".C"});
  corner.keys("6");
  EXPECT_EQ(cellsShowing(corner, tile::DarkSquare), 56);
  EXPECT_EQ(cellsShowing(corner, 60), 13);
}

}  // namespace
}  // namespace quobbles::testing
