// What the player collects at the end of a turn (specials, stars, candles), and buttons that
// only movers press, with the doors opening at the start of the following turn.
#include "engine/rules_scenario.h"

namespace quobbles::testing {
namespace {

TEST(PickUps, EachSpecialAddsOneToItsOwnCounterOnce) {
  // One of the first kind, under the start square: the first turn collects it. Two of the next...
  Scenario play({"immrrraaaaIIIII"});
  EXPECT_AFTER(play, "5", "counters 1 0 0 0 0, (0,0) 0/0");
  EXPECT_AFTER(play, std::string(14, '6'), "counters 1 2 3 4 5");
  EXPECT_EQ(play.picture(15, 1), Picture{"..............."});
}

TEST(PickUps, LastStarShowsTheNoticeAStarAMoverTookIsLost) {
  Scenario play({".*.*"});
  EXPECT_SHOWS(play, "stars_left 2, all_stars 0");
  EXPECT_AFTER(play, "6", "stars_left 1, (1,0) 0/0, all_stars 0");
  EXPECT_AFTER(play, "66", "stars_left 0, all_stars 1");

  Scenario lost({".*", "", ".*U"});
  lost.put(2, 2, tile::PurpleBlock, 1);
  EXPECT_AFTER(lost, "5", "(1,2) 100/11");
  EXPECT_AFTER(lost, "5", "(1,2) 0/10, stars_left 2");  // the star under it is gone for good
  EXPECT_AFTER(lost, "6", "stars_left 1, all_stars 0");

  Scenario starless({});
  EXPECT_AFTER(starless, "56", "stars_left 0, all_stars 0");
}

TEST(PickUps, CandleDarkensAndRecentresTheView) {
  Scenario play({".C.C"});
  // The warning lines follow the figure home.
  EXPECT_AFTER(play, "a6",
               "dark_view -1, (1,0) 0/0, view_shift 4 4, figure 2880 2880 1, "
               "light_spans 2880 3480 2880 3480 2880 3480 2880 3480, face 9");
  EXPECT_AFTER(play, "adwx", "view_shift 4 4, figure 2880 2880 1");  // locked in the dark
  EXPECT_AFTER(play, "66", "(3,0) 0/0, dark_view -1, view_shift 4 4, face 9");
}

TEST(Doors, OnlyMoversPressButtonsAndDoorsOpenInTheTurnAfter) {
  Scenario walker({".+.", "", "D"});
  EXPECT_AFTER(walker, "66", "(1,0) 1/0, (0,2) 40/0");

  Scenario play({"..+O", "", "D....D"});
  EXPECT_AFTER(play, "5", "(2,0) 80/0, (0,2) 40/0, (5,2) 40/0");  // the block rolls onto the button
  // The pressed button does not come back.
  EXPECT_AFTER(play, "5", "(0,2) 0/0, (5,2) 0/0, (1,0) 80/0, (2,0) 0/10, play_state 0");

  // Without buttons they open in the first turn, after the door stopped the player's step.
  Scenario open({".D"});
  EXPECT_AFTER(open, "6", "player 0 0, (1,0) 0/0");
  EXPECT_AFTER(open, "6", "player 1 0");
}

}  // namespace
}  // namespace quobbles::testing
