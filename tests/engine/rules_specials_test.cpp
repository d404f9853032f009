// The five specials: invisibility, mine, remove block, the four-direction attack and
// immortality; their counters, blocked keys, refunds, and what the keys still do after death.
#include "engine/rules_scenario.h"

namespace quobbles::testing {
namespace {

TEST(Specials, KeysNeedTheirCounterAndOnlyOneIsChosenAtATime) {
  // Without counters nothing happens: no mine, and no turn that would move the block.
  Scenario none({"..O"});
  EXPECT_AFTER(none, "cvbnm", "turn_action 0, face 0, counters 0 0 0 0 0, (0,0) 0/0, (2,0) 80/0");

  Scenario play({"", "", "w"}, {1, 1, 1, 1, 1});
  EXPECT_AFTER(play, "c", "turn_action 2, face 2, counters 0 1 1 1 1");
  // The others are blocked: no mine, no shot.
  EXPECT_AFTER(play, "mvbn", "turn_action 2, face 2, counters 0 1 1 1 1, (0,0) 0/0, (0,2) 20/0");
  // Move keys never are; the turn clears the special.
  EXPECT_AFTER(play, "6", "player 1 0, turn_action 0");
  EXPECT_AFTER(play, "m", "turn_action 5, face 5, counters 0 1 1 1 0");
}

TEST(Specials, InvisibilityStartsNoBlockForOneTurnButStopsNothingThatMoves) {
  Scenario play({"...O"}, {1, 0, 0, 0, 0});
  EXPECT_AFTER(play, "c5", "counters 0 0 0 0 0, (3,0) 80/0, " + kDesignLights + ", turn_action 0, face 0");
  EXPECT_AFTER(play, "5", "(2,0) 80/0, lights 255,128,0 128,128,128 128,128,128 128,128,128");

  Scenario moving({"....U", "", "", ".....H"}, {1, 0, 0, 0, 0});
  EXPECT_AFTER(moving, "5", "(3,0) 100/11, lights 255,0,128 128,128,128 128,128,128 128,128,128");
  // The purple block and the hanger go on; the lights keep last turn's colours.
  EXPECT_AFTER(moving, "c5",
               "(2,0) 100/11, (3,3) 120/11, lights 255,0,128 128,128,128 128,128,128 128,128,128");
  EXPECT_AFTER(moving, "55", "(0,0) 100/11, play_state 1");
}

TEST(Specials, MineIsDroppedAndATurnIsPlayed) {
  Scenario play({"..O"}, {0, 1, 0, 0, 0});
  // The block runs onto the mine under the player: both gone, its square not marked vacated.
  EXPECT_AFTER(play, "5v",
               "(0,0) 3/15, (1,0) 0/0, play_state 0, counters 0 0 0 0 0, last_move_key 0, turn_action 0, "
               "face 4");
  EXPECT_AFTER(play, "5", "(0,0) 0/0");  // shown for one drawing only
}

TEST(Specials, RemoveBlockBlowsUpOnlyRemovableSquares) {
  for (int c : {19, 20, 25, 80, 83, 86, 100, 104, 106, 120, 40, 60, 65, 67, 68}) {
    Scenario play({".....+"}, {0, 0, 1, 0, 0});  // the button keeps the door shut
    play.put(1, 0, static_cast<uint8_t>(c));
    // The counter is spent only when something is removed; the player stays either way.
    EXPECT_AFTER(play, "b", "turn_action 6, face 6, counters 0 0 1 0 0");
    const bool removable = c < 40 || c >= 80;
    const std::string kept = "(1,0) " + std::to_string(c) + "/0";
    EXPECT_AFTER(play, "6",
                 removable ? "player 0 0, (1,0) 3/15, counters 0 0 0 0 0, play_state 0, turn_action 0"
                           : "player 0 0, " + kept + ", counters 0 0 1 0 0, last_move_key 0, turn_action 0")
        << "code " << c;
    EXPECT_AFTER(play, "5", removable ? "(1,0) 0/0" : kept) << "code " << c;  // shown for one drawing
  }
}

TEST(Specials, RemoveBlockTowardsAnOpenSquareTheExitOrOffTheMap) {
  Scenario open({}, {0, 0, 1, 0, 0});
  EXPECT_AFTER(open, "b6", "player 1 0, counters 0 0 1 0 0, turn_action 0");
  // Off the map the clamp tests the player's own square, which is never removable...
  EXPECT_AFTER(open, "b8", "player 1 0, counters 0 0 1 0 0, last_move_key 56, turn_action 0");
  Scenario exit({".E"}, {0, 0, 1, 0, 0});
  EXPECT_AFTER(exit, "b6", "play_state 2, (1,0) 66/0, counters 0 0 1 0 0, turn_action 6");
  // ...unless immortality let a block onto it: it is removed there, and he lives.
  Scenario saved({".O"}, {0, 0, 1, 0, 1});
  EXPECT_AFTER(saved, "m5", "(0,0) 80/0, play_state 0");
  EXPECT_AFTER(saved, "b4", "player 0 0, (0,0) 3/15, counters 0 0 0 0 0, play_state 0");
}

TEST(Specials, AttackBlowsUpTheFirstRemovableSquareOfEachRay) {
  Scenario play({"...w", "...w", "", ".D..Mix*sw", "...#", "", "", "", "", "+"}, {0, 0, 0, 1, 0});
  play.placePlayer(3, 3);
  // The turn's own face replaces face 3.
  EXPECT_AFTER(play, "n", "player 3 3, counters 0 0 0 0 0, (8,3) 3/15, turn_action 0, face 0");
  // Right: over mine, pick-up, spike ball and star to the shadow wall; up: the nearer wall only;
  // left: stopped by the door; down: stopped by the permanent wall.
  EXPECT_EQ(play.picture(10, 5),
            (Picture{"...w......", "...X......", "..........", ".D..Mix*Xw", "...#......"}));
  play.keys("5");
  EXPECT_EQ(play.picture(10, 5),
            (Picture{"...w......", "..........", "..........", ".D..Mix*.w", "...#......"}));

  Scenario room({".#", "#"}, {0, 0, 0, 1, 0});  // spent all the same
  EXPECT_AFTER(room, "n", "counters 0 0 0 0 0, (1,0) 60/0, (0,1) 60/0");
}

TEST(Specials, ImmortalitySavesForOneTurnAndIsGivenBackWhenNotNeeded) {
  Scenario idle({}, {0, 0, 0, 0, 1});
  EXPECT_AFTER(idle, "m", "counters 0 0 0 0 0, face 5");
  EXPECT_AFTER(idle, "5", "counters 0 0 0 0 1, face 0, turn_action 0");
  // The block stays on the player's square; the next turn, unprotected, kills.
  Scenario block({".O"}, {0, 0, 0, 0, 1});
  EXPECT_AFTER(block, "m5", "play_state 0, (0,0) 80/0, face 5, counters 0 0 0 0 0, turn_action 0");
  EXPECT_AFTER(block, "5", "play_state 1");
  Scenario spikes({".x"}, {0, 0, 0, 0, 1});
  EXPECT_AFTER(spikes, "m6", "player 1 0, play_state 0, face 5");
  EXPECT_AFTER(spikes, "5", "play_state 1");
}

TEST(Specials, KeysAfterDeathStillArmAndFireButPlayNoTurn) {
  // No movement pass ages the shot's explosion; the attack is never cleared, so "c" stays blocked.
  Scenario play({".x.w"}, {1, 1, 1, 1, 1});
  EXPECT_AFTER(play, "6nc", "play_state 1, counters 1 1 1 0 1, (3,0) 3/25, turn_action 4, face 3");
  Scenario other({".x"}, {1, 1, 1, 1, 1});
  EXPECT_AFTER(other, "6c", "counters 0 1 1 1 1, turn_action 2, face 2");
  EXPECT_AFTER(other, "m6", "player 1 0, counters 0 1 1 1 1, last_move_key 54, turn_action 2");
}

}  // namespace
}  // namespace quobbles::testing
