// The player's own move: steps and passes, walls and the map edge, the exit, death on a spike
// ball, gravity with its support test and gravity squares, and teleports in reading order.
#include "engine/rules_scenario.h"

namespace quobbles::testing {
namespace {

// ---------------------------------------------------------------- steps, walls, edges

TEST(PlayerMove, NumberKeysStepOneSquareAndFiveStays) {
  Scenario play({});
  const std::vector<std::pair<char, BytePos>> steps = {{'6', at(1, 0)}, {'2', at(1, 1)}, {'6', at(2, 1)},
                                                       {'8', at(2, 0)}, {'4', at(1, 0)}, {'5', at(1, 0)}};
  for (const auto& [key, expected] : steps) {
    play.keys(std::string(1, key));
    EXPECT_EQ(play.player(), expected) << "after key " << key;
    EXPECT_EQ(play.g().LastMoveKey, key) << "after key " << key;
  }
}

TEST(PlayerMove, MapEdgeKeepsThePlayerAndTheKey) {
  Scenario play({});
  EXPECT_EQ(play.after("4"), at(0, 0));
  EXPECT_EQ(play.g().LastMoveKey, 52);  // a target off the map changes nothing, not even the key
  EXPECT_EQ(play.after("8"), at(0, 0));
  play.placePlayer(49, 49);
  EXPECT_EQ(play.after("6"), at(49, 49));
  EXPECT_EQ(play.after("2"), at(49, 49));
  EXPECT_EQ(play.g().LastMoveKey, 50);
}

TEST(PlayerMove, CodesBelowNineteenAreEnteredTheRestStopThePlayer) {
  for (int c : kValidTileCodes) {
    if (c == tile::Exit) continue;  // the exit has its own test
    Scenario play({".", "", "", "", "", "", "", "", "", "", "+"});
    play.put(1, 0, static_cast<uint8_t>(c));
    play.g().LastMoveKey = board::key::kRight;
    board::Pelaajan_liikutus(play.g(), play.b());
    if (c < 19) {
      EXPECT_EQ(play.player(), at(1, 0)) << "code " << c;  // a lone teleport leads to itself
      EXPECT_EQ(play.g().LastMoveKey, 54) << "code " << c;
    } else {
      EXPECT_EQ(play.player(), at(0, 0)) << "code " << c;
      EXPECT_EQ(play.g().LastMoveKey, 0) << "code " << c;
      EXPECT_EQ(play.code(1, 0), c) << "code " << c;
    }
  }
}

// ---------------------------------------------------------------- death and the exit

TEST(PlayerMove, SpikeBallKillsAndFreezesTheBoard) {
  Scenario play({".x"});
  play.keys("a");  // the view is shifted when he dies: death centres it again
  EXPECT_EQ(play.after("6"), at(1, 0));
  EXPECT_EQ(play.vars().ViewShift, at(4, 4));
  EXPECT_EQ(play.controls().figureLeft, 2880);
  EXPECT_EQ(play.controls().lines[1].x1, 2880);
  EXPECT_EQ(play.g().PlayState, 1);
  EXPECT_FALSE(play.controls().figureVisible);
  EXPECT_TRUE(play.controls().messageVisible);
  EXPECT_EQ(play.controls().messageCaption, "Game over.");
  EXPECT_TRUE(play.controls().escHintVisible);
  EXPECT_EQ(play.face(), 0);
  EXPECT_EQ(play.vars().TurnAction, 0);
  // A move key still stores its code, but no turn is played.
  play.keys("2");
  EXPECT_EQ(play.g().LastMoveKey, 50);
  EXPECT_EQ(play.player(), at(1, 0));
}

TEST(PlayerMove, ExitPassesTheLevelAndEndsTheTurnAtOnce) {
  // A brown block below the player would see him in any ordinary turn.
  Scenario play({".E", "", "", "O"}, {0, 0, 0, 0, 1});
  play.keys("wm6");
  EXPECT_EQ(play.vars().ViewShift, at(4, 4));  // centred again
  EXPECT_EQ(play.controls().figureTop, 2880);
  EXPECT_EQ(play.g().PlayState, 2);
  EXPECT_EQ(play.player(), at(0, 0));  // never on the exit itself
  EXPECT_EQ(play.code(1, 0), tile::Exit);
  EXPECT_EQ(play.g().LastMoveKey, 0);
  EXPECT_EQ(play.face(), 1);
  EXPECT_TRUE(play.controls().messageVisible);
  EXPECT_EQ(play.controls().messageCaption, "Well done.");
  EXPECT_TRUE(play.controls().escHintVisible);
  EXPECT_TRUE(play.controls().figureVisible);
  // Nothing after the player's move ran: the block was not started, the lights never coloured,
  // and the armed immortality is neither cleared, spent nor given back.
  EXPECT_EQ(play.code(0, 3), tile::BrownBlock);
  EXPECT_EQ(play.state(0, 3), 0);
  for (int line = 1; line <= 4; ++line) EXPECT_EQ(play.light(line), colour::kDesignGrey);
  EXPECT_EQ(play.vars().TurnAction, turn_action::kImmortality);
  EXPECT_EQ(play.counter(kImmortalityCounter), 0);
  // A test play records nothing.
  EXPECT_EQ(play.g().profile.LevelPassed[play.g().MapNumber], 0);
  play.keys("2");
  EXPECT_EQ(play.player(), at(0, 0));
  EXPECT_EQ(play.g().LastMoveKey, 50);
}

TEST(PlayerMove, DeathAfterARevivalSaysGameOverAgain) {
  Scenario play({".E", "x"});
  play.keys("6");
  ASSERT_EQ(play.controls().messageCaption, "Well done.");
  // What God's Tools' "Back to life!" does.
  play.g().PlayState = 0;
  play.controls().figureVisible = true;
  play.controls().messageVisible = false;
  play.controls().escHintVisible = false;
  play.keys("2");
  EXPECT_EQ(play.g().PlayState, 1);
  EXPECT_TRUE(play.controls().messageVisible);
  EXPECT_EQ(play.controls().messageCaption, "Game over.");
}

// ---------------------------------------------------------------- support and gravity

struct SupportCase {
  const char* name;
  BytePos player;
  WordPos target;
  std::vector<std::pair<BytePos, uint8_t>> squares;
  int16_t expected;
};

TEST(Gravity, SupportTestAppliesItsRulesInOrder) {
  const std::vector<SupportCase> cases = {
      {"bottom row", at(5, 49), {5, 50}, {}, kTrue},
      {"shadow wall below the player", at(5, 5), {6, 5}, {{at(5, 6), tile::ShadowWall}}, kTrue},
      {"spike ball below gives no support", at(5, 5), {5, 5}, {{at(5, 6), tile::SpikeBall}}, kFalse},
      {"target on the bottom row beats an explosion below",
       at(5, 48),
       {5, 49},
       {{at(5, 49), tile::Explosion}},
       kFalse},
      {"ground below the target", at(5, 5), {6, 5}, {{at(6, 6), tile::BreakableWall}}, kTrue},
      {"explosion below the player", at(5, 5), {6, 5}, {{at(5, 6), tile::Explosion}}, kTrue},
      {"explosion below the target only", at(5, 5), {6, 5}, {{at(6, 6), tile::Explosion}}, kFalse},
      {"nothing anywhere", at(5, 5), {5, 4}, {}, kFalse},
  };
  for (const auto& c : cases) {
    Scenario play({});
    for (const auto& [square, code] : c.squares) play.put(square.x, square.y, code);
    play.g().PlayerPos = c.player;
    play.g().TargetPos = c.target;
    play.vars().Supported = c.expected == kTrue ? kFalse : kTrue;  // the test must write it
    board::TukipintaTesti(play.g(), play.b());
    EXPECT_EQ(play.vars().Supported, c.expected) << c.name;
  }
}

TEST(Gravity, SupportTestWithTheTargetOffTheSideOfTheMap) {
  // There is no square below such a target: only the explosion rule can hold the player.
  auto check = [](int playerX, int targetX, uint8_t below, int16_t expected) {
    Scenario play({});
    play.put(playerX, 6, below);
    play.placePlayer(playerX, 5);
    play.g().TargetPos = {static_cast<int16_t>(targetX), 5};
    board::TukipintaTesti(play.g(), play.b());
    return play.vars().Supported == expected;
  };
  EXPECT_EXIT(std::exit(check(0, -1, tile::Empty, kFalse) && check(49, 50, tile::Empty, kFalse) &&
                                check(0, -1, tile::Explosion, kTrue) && check(49, 50, tile::Explosion, kTrue)
                            ? 0
                            : 3),
              ::testing::ExitedWithCode(0), "");
}

TEST(Gravity, LeavingAGravitySquareLeftwardsStartsAFall) {
  Scenario play({".<", "", "", "#"});
  play.keys("6");
  EXPECT_EQ(play.vars().GravityOn, kFalse);  // stepping onto it changes nothing
  EXPECT_EQ(play.after("4"), at(0, 0));
  EXPECT_EQ(play.vars().GravityOn, kTrue);
  EXPECT_EQ(play.after("6"), at(0, 1));  // no ground below him or the target: he falls instead
  EXPECT_EQ(play.g().LastMoveKey, 50);
  EXPECT_EQ(play.after("5"), at(0, 2));
  EXPECT_EQ(play.after("5"), at(0, 2));  // the wall below holds him
  EXPECT_EQ(play.g().LastMoveKey, 53);
  EXPECT_EQ(play.after("8"), at(0, 1));
  EXPECT_EQ(play.after("5"), at(0, 2));
  EXPECT_EQ(play.vars().GravityOn, kTrue);
}

TEST(Gravity, GravitySquaresSwitchOnlyWhenLeftSideways) {
  Scenario play({".<.>.", "#####"});
  const std::vector<std::pair<char, int16_t>> steps = {
      {'6', kFalse}, {'4', kTrue},   // off "<" to the left: on
      {'6', kTrue},  {'6', kFalse},  // off "<" to the right: off
      {'6', kFalse}, {'6', kTrue},   // off ">" to the right: on
      {'4', kTrue},  {'4', kFalse},  // off ">" to the left: off
  };
  int turn = 0;
  for (const auto& [key, gravity] : steps) {
    play.keys(std::string(1, key));
    EXPECT_EQ(play.vars().GravityOn, gravity) << "turn " << ++turn;
  }
  EXPECT_EQ(play.player(), at(2, 0));
}

TEST(Gravity, FallsAndVerticalStepsNeverSwitchGravity) {
  Scenario play({"", ".<"});
  play.placePlayer(1, 1);
  play.vars().GravityOn = kTrue;
  EXPECT_EQ(play.after("6"), at(1, 2));  // falls instead: the key becomes "down"
  EXPECT_EQ(play.vars().GravityOn, kTrue);
  play.vars().GravityOn = kFalse;
  play.placePlayer(1, 1);
  EXPECT_EQ(play.after("2"), at(1, 2));
  play.placePlayer(1, 1);
  EXPECT_EQ(play.after("8"), at(1, 0));
  EXPECT_EQ(play.vars().GravityOn, kFalse);
}

TEST(Gravity, DroppingAMineInMidAirStillFalls) {
  Scenario play({}, {0, 1, 0, 0, 0});
  play.vars().GravityOn = kTrue;
  EXPECT_EQ(play.after("v"), at(0, 1));
  EXPECT_EQ(play.code(0, 0), tile::Mine);
  EXPECT_EQ(play.g().LastMoveKey, 50);
}

// ---------------------------------------------------------------- teleports

TEST(Teleport, TwoTeleportsLeadToEachOther) {
  Scenario play({".T", "", "....T"});
  EXPECT_EQ(play.after("6"), at(4, 2));
  EXPECT_EQ(play.after("64"), at(1, 0));  // the search wraps past the last square to the first
  EXPECT_EQ(play.after("5"), at(4, 2));   // passing on a teleport enters it again
}

TEST(Teleport, ThreeTeleportsCycleInReadingOrder) {
  Scenario play({"..T", "", "", ".T...T"});
  EXPECT_EQ(play.after("66"), at(1, 3));
  EXPECT_EQ(play.after("5"), at(5, 3));
  EXPECT_EQ(play.after("5"), at(2, 0));
}

TEST(Teleport, AttackAndRemoveBlockTurnsOnATeleportJumpOn) {
  Scenario play({".Tw", "", "", "", ".T"}, {0, 1, 1, 1, 0});
  play.keys("22226");  // B leads back to A
  ASSERT_EQ(play.player(), at(1, 0));
  EXPECT_EQ(play.after("v"), at(1, 0));  // a teleport is no empty square: no mine, no turn
  EXPECT_EQ(play.code(1, 0), tile::Teleport);
  EXPECT_EQ(play.counter(kMineCounter), 1);
  EXPECT_EQ(play.after("b6"), at(1, 4));
  EXPECT_EQ(play.code(2, 0), tile::Explosion);
  EXPECT_EQ(play.after("n"), at(1, 0));
}

TEST(Teleport, GravityIsTestedOnTheSquareLeftBeforeTheJump) {
  Scenario play({">T", "", "", "", "", "...T"});
  EXPECT_EQ(play.after("6"), at(3, 5));
  EXPECT_EQ(play.vars().GravityOn, kTrue);
  EXPECT_EQ(play.after("5"), at(3, 6));
}

}  // namespace
}  // namespace quobbles::testing
