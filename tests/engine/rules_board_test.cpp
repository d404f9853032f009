// The board's key handler and level start: keys that do nothing, the view keys with the figure
// and the warning lines, help, the hint colour, and the progress a passed level records. The
// 9 x 9 view: which map square each cell shows for a view offset, picture 60 off the map, hanger
// facings, and the dark view's 5 x 5 block (every other case of the drawing is compared with the
// rules written square by square in world_sweeps_test.cpp).

#include <algorithm>
#include <tuple>

#include "engine/rules_scenario.h"

namespace quobbles::testing {
namespace {

TEST(TurnKeys, UnlistedKeysChangeNothing) {
  Scenario play({"..O", ".i"}, {1, 1, 1, 1, 1});
  const std::string before = sim::dump(play.s);
  for (char k : std::string("ACVBNMSDWX01379zq\t")) {
    play.keys(std::string(1, k));
    EXPECT_EQ(sim::dump(play.s), before) << "key code " << int(k);
  }
}

TEST(TurnKeys, ViewKeysMoveTheViewAndTheFigureAndItsLinesTheOtherWay) {
  Scenario play({});
  // Line1(1) and Line1(3) span the figure's row, Line1(2) and Line1(4) its column.
  EXPECT_AFTER(play, "aaaaa",
               "view_shift 0 4, figure 5280 2880 1, light_spans 2880 3480 5280 5880 2880 3480 5280 5880");
  EXPECT_AFTER(play, "ddddddddd",
               "view_shift 8 4, figure 480 2880 1, light_spans 2880 3480 480 1080 2880 3480 480 1080");
  EXPECT_AFTER(play, "wwwww",
               "view_shift 8 0, figure 480 5280 1, light_spans 5280 5880 480 1080 5280 5880 480 1080");
  EXPECT_AFTER(play, "xxxxxxxxx",
               "view_shift 8 8, figure 480 480 1, light_spans 480 1080 480 1080 480 1080 480 1080");
  EXPECT_AFTER(play, "s", "view_shift 4 4, figure 2880 2880 1, last_move_key 0");  // no turn was played
  EXPECT_EQ(play.controls().lines, BoardControls::designedLines());  // each line still on its own edge
}

TEST(TurnKeys, SpaceAsksForHelpAndEscLeaves) {
  Scenario play({});
  EXPECT_EQ(press(play.s, board::key::kHelp), (BoardEffects{.openHelp = true}));
  EXPECT_SHOWS(play, "face 8, hint_colour 128,128,0");
  EXPECT_AFTER(play, "5", "face 0, hint_colour 128,128,0");
  EXPECT_EQ(press(play.s, board::key::kEsc), (BoardEffects{.leaveBoard = true}));
}

TEST(LevelStart, HintIsBrightUntilOneOfTheFirstThreeMapsIsPassed) {
  for (int passed : {-1, 0, 1, 2, 3}) {
    GameState g;
    BoardModel b;
    if (passed >= 0) g.profile.LevelPassed[passed] = kTrue;
    board::Form_Load(g, b);
    EXPECT_EQ(b.controls.hintColour, passed >= 0 && passed <= 2 ? colour::kOlive : colour::kBrightYellow)
        << "passed map " << passed;
  }
}

TEST(Progress, OnlyAPassedCampaignMapOutsideTheEditorIsRecorded) {
  // The map ("*" left on it keeps the all-stars notice hidden), status, test play, and what is
  // recorded: a pass and the stars.
  const std::tuple<Picture, int16_t, bool, int16_t, int16_t> cases[] = {
      {{"*E"}, kCampaignMap, false, kTrue, kTrue},
      {{".E", "*"}, kCampaignMap, false, kTrue, kFalse},
      {{"*E"}, kUnpassed, false, kFalse, kFalse},
      {{"*E"}, kPassed, false, kFalse, kFalse},
      {{"*E"}, kCampaignMap, true, kFalse, kFalse}};
  for (const auto& [rows, status, testPlay, passed, stars] : cases) {
    Scenario play(rows);
    play.keys("5");  // collects a star under the start
    play.g().level.LevelStatus = status;
    play.g().EditorTestPlay = testPlay;
    play.g().MapNumber = 7;
    EXPECT_EQ(press(play.s, board::key::kRight).saveProfile, passed == kTrue) << status << " " << testPlay;
    const auto& profile = play.g().profile;
    EXPECT_EQ((std::array{profile.LevelPassed[7], profile.LevelStars[7], profile.LevelPassed[0]}),
              (std::array<int16_t, 3>{passed, stars, kFalse}))
        << "status " << status << ", test play " << testPlay;
    EXPECT_SHOWS(play, "play_state 2, message 1 Well done.");
  }
}

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
  // The 5 x 5 block around the figure, which near the corner still shows picture 60 off the map.
  Scenario corner({".C", "", "...**"});
  corner.keys("6");
  EXPECT_EQ(cellsShowing(corner, tile::DarkSquare), 56);
  EXPECT_EQ(cellsShowing(corner, 60), 13);
  EXPECT_EQ((std::array{corner.controls().view[6 * 9 + 6], corner.controls().view[6 * 9 + 7]}),
            (std::array<PictureId, 2>{tile::Star, tile::DarkSquare}));
}

}  // namespace
}  // namespace quobbles::testing
