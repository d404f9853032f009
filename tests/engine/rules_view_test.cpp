// The 9 x 9 view: which map square each cell shows for a view offset, picture 60 off the map,
// hanger facings, and the dark view's 5 x 5 block.
#include <algorithm>

#include "engine/rules_scenario.h"

namespace quobbles::testing {
namespace {

int cellsShowing(const BoardControls& controls, PictureId picture) {
  return static_cast<int>(std::count(controls.view.begin(), controls.view.end(), picture));
}

TEST(View, LevelStartCentresThePlayerInTheCorner) {
  Scenario play({"@*..m", "i", "", "", "....C"});
  const auto& view = play.controls().view;
  EXPECT_EQ(view[40], tile::StartSquare);  // the cell under the figure shows the floor
  EXPECT_EQ(view[41], tile::Star);
  EXPECT_EQ(view[44], tile::MineStuff);
  EXPECT_EQ(view[49], tile::Invisibility);
  EXPECT_EQ(view[80], tile::Candle);
  for (int k = 0; k < kViewCells; ++k) {
    const int row = k / 9, column = k % 9;
    if (row < 4 || column < 4) {
      EXPECT_EQ(view[k], 60) << "cell " << k;
    }
  }
  EXPECT_EQ(cellsShowing(play.controls(), 60), 56);
}

TEST(View, ViewShiftCornersLeaveOneMapCell) {
  Scenario play({"@"});
  play.keys("aaaawwww");
  ASSERT_EQ(play.vars().ViewShift, at(0, 0));
  EXPECT_EQ(play.controls().view[80], tile::StartSquare);
  EXPECT_EQ(cellsShowing(play.controls(), 60), 80);

  Scenario corner({});
  corner.put(49, 49, tile::RemoveBlock);
  corner.placePlayer(49, 49);
  corner.vars().ViewShift = at(8, 8);
  board::kartan_piirto(corner.g(), corner.b());
  EXPECT_EQ(corner.controls().view[0], tile::RemoveBlock);
  EXPECT_EQ(cellsShowing(corner.controls(), 60), 80);

  corner.vars().ViewShift = at(5, 3);  // one square right and one up
  corner.put(46, 46, tile::Star);
  board::kartan_piirto(corner.g(), corner.b());
  // Cell (column c, row r) now shows map square (46 + c, 44 + r): columns 0..3, rows 0..5 on the map.
  EXPECT_EQ(corner.controls().view[2 * 9 + 0], tile::Star);
  EXPECT_EQ(corner.controls().view[5 * 9 + 3], tile::RemoveBlock);
  EXPECT_EQ(corner.controls().view[5 * 9 + 4], 60);
  EXPECT_EQ(corner.controls().view[6 * 9 + 3], 60);
  EXPECT_EQ(corner.controls().view[0], tile::Empty);
  EXPECT_EQ(cellsShowing(corner.controls(), 60), 81 - 4 * 6);
}

TEST(View, HangersShowTheirFacing) {
  Scenario play({"", "", "..#H"});
  EXPECT_EQ(play.controls().view[6 * 9 + 7], hangerPicture(11));  // at rest before the first turn
  play.keys("5");
  EXPECT_EQ(play.controls().view[6 * 9 + 7], tile::Empty);
  EXPECT_EQ(play.controls().view[7 * 9 + 7], hangerPicture(12));  // turned down at the wall
  for (uint8_t facing : {11, 13, 14}) {
    play.g().state(3, 3) = facing;
    board::kartan_piirto(play.g(), play.b());
    EXPECT_EQ(play.controls().view[7 * 9 + 7], hangerPicture(facing));
  }
  play.g().state(3, 3) = 3;
  board::kartan_piirto(play.g(), play.b());
  EXPECT_EQ(play.controls().view[7 * 9 + 7], hangerPicture(11));
}

TEST(View, DarkViewShowsOnlyTheCentralBlock) {
  Scenario play({});
  play.put(12, 12, tile::Invisibility);
  play.put(13, 10, tile::Invisibility);
  play.placePlayer(10, 10);
  play.vars().DarkView = kTrue;
  board::kartan_piirto(play.g(), play.b());
  EXPECT_EQ(cellsShowing(play.controls(), tile::DarkSquare), 56);
  for (int k = 0; k < kViewCells; ++k) {
    const int row = k / 9, column = k % 9;
    const bool inBlock = row >= 2 && row <= 6 && column >= 2 && column <= 6;
    EXPECT_EQ(play.controls().view[k] == tile::DarkSquare, !inBlock) << "cell " << k;
  }
  EXPECT_EQ(play.controls().view[6 * 9 + 6], tile::Invisibility);
  EXPECT_EQ(play.controls().view[4 * 9 + 7], tile::DarkSquare);

  // Near the corner the block still shows picture 60 for what lies off the map.
  Scenario corner({".C"});
  corner.keys("6");
  ASSERT_EQ(corner.vars().DarkView, kTrue);
  EXPECT_EQ(cellsShowing(corner.controls(), tile::DarkSquare), 56);
  EXPECT_EQ(cellsShowing(corner.controls(), 60), 13);
}

}  // namespace
}  // namespace quobbles::testing
