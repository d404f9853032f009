// What the player collects at the end of a turn (specials, stars, candles), and buttons that
// only movers press, with the doors opening at the start of the following turn.
#include "engine/rules_scenario.h"

namespace quobbles::testing {
namespace {

TEST(PickUps, EachSpecialPickUpAddsOneToItsCounter) {
  Scenario play({".imraI"});
  for (int i = 0; i < kSpecialCount; ++i) {
    play.keys("6");
    EXPECT_EQ(play.code(i + 1, 0), tile::Empty) << "pick-up " << i;
    for (int k = 0; k < kSpecialCount; ++k)
      EXPECT_EQ(play.counter(k), k <= i ? 1 : 0) << "after pick-up " << i;
  }
  play.keys("44444");  // back over the emptied squares: nothing more
  for (int k = 0; k < kSpecialCount; ++k) EXPECT_EQ(play.counter(k), 1);
}

TEST(PickUps, WhatLiesUnderTheStartIsCollectedByThePass) {
  Scenario play({"r"});
  EXPECT_EQ(play.counter(kRemoveBlockCounter), 0);
  play.keys("5");
  EXPECT_EQ(play.counter(kRemoveBlockCounter), 1);
  EXPECT_EQ(play.code(0, 0), tile::Empty);
}

TEST(PickUps, LastStarShowsTheAllStarsNotice) {
  Scenario play({".*.*"});
  EXPECT_EQ(play.vars().StarsLeft, 2);
  EXPECT_FALSE(play.controls().allStarsVisible);
  play.keys("6");
  EXPECT_EQ(play.vars().StarsLeft, 1);
  EXPECT_EQ(play.code(1, 0), tile::Empty);
  EXPECT_FALSE(play.controls().allStarsVisible);
  play.keys("66");
  EXPECT_EQ(play.vars().StarsLeft, 0);
  EXPECT_TRUE(play.controls().allStarsVisible);

  Scenario starless({});
  EXPECT_EQ(starless.vars().StarsLeft, 0);
  starless.keys("56");
  EXPECT_FALSE(starless.controls().allStarsVisible);
}

TEST(PickUps, MoversDestroyWhatTheyPassOver) {
  Scenario play({".*", "", ".*U"});
  play.put(2, 2, tile::PurpleBlock, 1);
  play.keys("5");
  EXPECT_EQ(play.code(1, 2), tile::PurpleBlock);
  play.keys("5");
  EXPECT_EQ(play.code(1, 2), tile::Empty);  // the star under it is gone for good
  EXPECT_EQ(play.vars().StarsLeft, 2);
  play.keys("6");
  EXPECT_EQ(play.vars().StarsLeft, 1);
  EXPECT_FALSE(play.controls().allStarsVisible);
}

TEST(PickUps, CandleDarkensAndRecentresTheView) {
  Scenario play({".C.C"});
  play.keys("a");
  ASSERT_EQ(play.vars().ViewShift, at(3, 4));
  ASSERT_EQ(play.controls().figureLeft, 3480);
  play.keys("6");
  EXPECT_EQ(play.vars().DarkView, kTrue);
  EXPECT_EQ(play.code(1, 0), tile::Empty);
  EXPECT_EQ(play.vars().ViewShift, at(4, 4));
  EXPECT_EQ(play.controls().figureLeft, 2880);
  EXPECT_EQ(play.controls().figureTop, 2880);
  EXPECT_EQ(play.controls().lines[1].x1, 2880);  // the lights follow the figure home
  EXPECT_EQ(play.controls().lines[3].x2, 3480);
  EXPECT_EQ(play.face(), 9);
  play.keys("adwx");  // the view keys are locked in the dark
  EXPECT_EQ(play.vars().ViewShift, at(4, 4));
  EXPECT_EQ(play.controls().figureLeft, 2880);
  EXPECT_EQ(play.controls().figureTop, 2880);
  play.keys("s");
  EXPECT_EQ(play.vars().ViewShift, at(4, 4));
  play.keys("66");
  EXPECT_EQ(play.code(3, 0), tile::Empty);
  EXPECT_EQ(play.vars().DarkView, kTrue);
  EXPECT_EQ(play.face(), 9);
}

TEST(Doors, ThePlayerDoesNotPressButtons) {
  Scenario play({".+.", "", "D"});
  play.keys("66");
  EXPECT_EQ(play.code(1, 0), tile::Button);
  EXPECT_EQ(play.code(0, 2), tile::Door);
}

TEST(Doors, DoorsOpenInTheTurnAfterTheLastButtonIsPressed) {
  Scenario play({"..+O", "", "D....D"});
  play.keys("5");  // the block rolls onto the button
  EXPECT_EQ(play.code(2, 0), tile::BrownBlock);
  EXPECT_EQ(play.code(0, 2), tile::Door);
  EXPECT_EQ(play.code(5, 2), tile::Door);
  play.keys("5");
  EXPECT_EQ(play.code(0, 2), tile::Empty);
  EXPECT_EQ(play.code(5, 2), tile::Empty);
  EXPECT_EQ(play.code(1, 0), tile::BrownBlock);
  EXPECT_EQ(play.code(2, 0), tile::Empty);  // the pressed button does not come back
  EXPECT_EQ(play.g().PlayState, 0);
}

TEST(Doors, DoorsWithoutButtonsOpenInTheFirstTurn) {
  Scenario play({".D"});
  EXPECT_EQ(play.code(1, 0), tile::Door);
  play.keys("6");  // the door still stops this step: the player moves before the world
  EXPECT_EQ(play.player(), at(0, 0));
  EXPECT_EQ(play.code(1, 0), tile::Empty);
  play.keys("6");
  EXPECT_EQ(play.player(), at(1, 0));
}

}  // namespace
}  // namespace quobbles::testing
