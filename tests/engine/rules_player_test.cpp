// The player's own move: steps and passes, walls and the map edge, the exit, death on a spike
// ball, gravity with its support test and gravity squares, and teleports in reading order. The
// five specials (invisibility, mine, remove block, the four-direction attack and immortality):
// their counters, blocked keys, refunds, and what the keys still do after death.

#include <tuple>

#include "engine/rules_scenario.h"
#include "world/gods_tools.h"

namespace quobbles::testing {
namespace {

// ---------------------------------------------------------------- steps, walls, edges

TEST(PlayerMove, NumberKeysStepOneSquareAndTheMapEdgeKeepsThePlayerAndTheKey) {
  Scenario play({});
  EXPECT_AFTER(play, "6", "player 1 0, last_move_key 54");
  EXPECT_AFTER(play, "2", "player 1 1, last_move_key 50");
  EXPECT_AFTER(play, "4", "player 0 1, last_move_key 52");
  EXPECT_AFTER(play, "8", "player 0 0, last_move_key 56");
  EXPECT_AFTER(play, "5", "player 0 0, last_move_key 53");
  // A target off the map changes nothing, not even the key.
  EXPECT_AFTER(play, "48", "player 0 0, last_move_key 56");
  play.placePlayer(49, 49);
  EXPECT_AFTER(play, "62", "player 49 49, last_move_key 50");
}

TEST(PlayerMove, CodesBelowNineteenAreEnteredTheRestStopThePlayer) {
  for (const Tile& t : kTiles) {
    const int c = t.code;
    if (c == tile::Exit) continue;  // the exit has its own test
    Scenario play({});
    play.put(1, 0, static_cast<uint8_t>(c));
    play.g().LastMoveKey = board::key::kRight;
    board::Pelaajan_liikutus(play.g(), play.b());
    // A lone teleport leads to itself.
    const std::string square = ", (1,0) " + std::to_string(c) + "/0";
    const std::string expected =
        (c < 19 ? "player 1 0, last_move_key 54" : "player 0 0, last_move_key 0") + square;
    EXPECT_SHOWS(play, expected);
  }
}

// ---------------------------------------------------------------- death and the exit

TEST(PlayerMove, SpikeBallKillsAndFreezesTheBoard) {
  Scenario play({".x"});
  // The view is shifted when he dies: death centres it again, with the lines.
  EXPECT_AFTER(play, "a6",
               "play_state 1, player 1 0, view_shift 4 4, figure 2880 2880 0, face 0, message 1 Game over., "
               "esc_hint 1, turn_action 0, light_spans 2880 3480 2880 3480 2880 3480 2880 3480");
  // A move key still stores its code, but no turn is played.
  EXPECT_AFTER(play, "2", "play_state 1, player 1 0, last_move_key 50");
}

TEST(PlayerMove, ExitPassesTheLevelAndEndsTheTurnAtOnce) {
  // A brown block below the player would see him in any ordinary turn.
  Scenario play({".E", "", "", "O"}, {0, 0, 0, 0, 1});
  // He never stands on the exit. Nothing after his move runs: the block is not started, the lights
  // keep their design colour, and the armed immortality is neither cleared, spent nor given back.
  EXPECT_AFTER(play, "wm6",
               "play_state 2, player 0 0, (1,0) 66/0, last_move_key 0, view_shift 4 4, figure 2880 2880 1, "
               "face 1, message 1 Well done., esc_hint 1, (0,3) 80/0, " +
                   kDesignLights + ", turn_action 5, counters 0 0 0 0 0");
  EXPECT_AFTER(play, "2", "player 0 0, last_move_key 50");
}

TEST(PlayerMove, DeathAfterARevivalSaysGameOverAgain) {
  Scenario play({".E", "x"});
  play.keys("6");
  world::Command1_Click(play.g(), play.b(), world::kBackToLife);
  EXPECT_AFTER(play, "2", "play_state 1, message 1 Game over.");
}

// ---------------------------------------------------------------- support and gravity

TEST(Gravity, SupportTestAppliesItsRulesInOrder) {
  // The player, the target, the one square that is not empty and its code, and the verdict.
  const std::tuple<const char*, BytePos, WordPos, BytePos, uint8_t, bool> cases[] = {
      {"bottom row", {5, 49}, {5, 50}, {0, 0}, tile::Empty, true},
      {"shadow wall below the player", {5, 5}, {6, 5}, {5, 6}, tile::ShadowWall, true},
      {"spike ball below gives no support", {5, 5}, {5, 5}, {5, 6}, tile::SpikeBall, false},
      {"target on the bottom row beats an explosion", {5, 48}, {5, 49}, {5, 49}, tile::Explosion, false},
      {"ground below the target", {5, 5}, {6, 5}, {6, 6}, tile::BreakableWall, true},
      {"explosion below the player", {5, 5}, {6, 5}, {5, 6}, tile::Explosion, true},
      {"explosion below the target only", {5, 5}, {6, 5}, {6, 6}, tile::Explosion, false},
      {"nothing anywhere", {5, 5}, {5, 4}, {0, 0}, tile::Empty, false},
      // No square lies below a target off the map's side: only the explosion rule holds him.
      {"target off the left side", {0, 5}, {-1, 5}, {0, 0}, tile::Empty, false},
      {"target off the right side", {49, 5}, {50, 5}, {0, 0}, tile::Empty, false},
      {"off the side, explosion below", {49, 5}, {50, 5}, {49, 6}, tile::Explosion, true},
  };
  for (const auto& [name, player, target, square, code, expected] : cases) {
    Scenario play({});
    play.put(square.x, square.y, code);
    play.g().PlayerPos = player;
    play.g().TargetPos = target;
    play.b().vars.Supported = !expected;  // the test must write it
    board::TukipintaTesti(play.g(), play.b());
    EXPECT_EQ(play.b().vars.Supported, expected) << name;
  }
}

TEST(Gravity, OnlyASidewaysStepOffAGravitySquareSwitchesIt) {
  Scenario play({".<.>.", "#####"});
  // Off "<" to the left: on; to the right: off. Off ">" to the right: on; to the left: off.
  EXPECT_AFTER(play, "64", "player 0 0, gravity -1");
  EXPECT_AFTER(play, "66", "player 2 0, gravity 0");
  EXPECT_AFTER(play, "66", "player 4 0, gravity -1");
  EXPECT_AFTER(play, "44", "player 2 0, gravity 0");

  Scenario fall({".<", "#.", "", ".#"}, {0, 1, 0, 0, 0});
  // Stepping onto it, or down and up off it, changes nothing.
  EXPECT_AFTER(fall, "628", "player 1 0, gravity 0");
  EXPECT_AFTER(fall, "4", "player 0 0, gravity -1");
  EXPECT_AFTER(fall, "6", "player 1 0, gravity -1");  // the wall below held him up
  // Nothing below him or the target: he falls instead, as "down", which does not switch gravity.
  EXPECT_AFTER(fall, "6", "player 1 1, last_move_key 50, gravity -1");
  EXPECT_AFTER(fall, "v", "player 1 2, last_move_key 50, (1,1) 4/0");  // a mine's turn falls too
  EXPECT_AFTER(fall, "5", "player 1 2, last_move_key 53");
  EXPECT_AFTER(fall, "8", "player 1 1, play_state 0");
  EXPECT_AFTER(fall, "5", "player 1 2, last_move_key 50, gravity -1");
}

// ---------------------------------------------------------------- teleports

TEST(Teleport, TeleportsLeadOnInReadingOrderAlsoInTheTurnsOfSpecials) {
  Scenario play({"..T", "", "", "wT...T"}, {0, 1, 1, 1, 0});
  EXPECT_AFTER(play, "66", "player 1 3");
  EXPECT_AFTER(play, "5", "player 5 3");  // passing on a teleport enters it again
  EXPECT_AFTER(play, "5", "player 2 0");  // the search wraps past the last square to the first
  // A teleport is no empty square: no mine, no turn.
  EXPECT_AFTER(play, "v", "player 2 0, (2,0) 9/0, counters 0 1 1 1 0");
  EXPECT_AFTER(play, "n", "player 1 3, counters 0 1 1 0 0");
  EXPECT_AFTER(play, "b4", "player 5 3, (0,3) 3/15, counters 0 1 0 0 0");
}

TEST(Teleport, GravityIsSwitchedByTheSquareLeftBeforeTheJump) {
  Scenario play({">T", "", "", "", "", "...T"});
  EXPECT_AFTER(play, "6", "player 3 5, gravity -1");
  EXPECT_AFTER(play, "5", "player 3 6");
}

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
