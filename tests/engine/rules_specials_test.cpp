// The five specials: invisibility, mine, remove block, the four-direction attack and
// immortality; their counters, blocked keys, refunds, and what the keys still do after death.
#include "engine/rules_scenario.h"

namespace quobbles::testing {
namespace {

// ---------------------------------------------------------------- arming and blocking

TEST(Specials, KeysDoNothingWithoutTheirCounter) {
  Scenario play({"..O"});
  play.keys("cvbnm");
  EXPECT_EQ(play.vars().TurnAction, 0);
  EXPECT_EQ(play.face(), 0);
  EXPECT_EQ(play.picture(3, 1), Picture{"..O"});  // no mine, and no turn was played
  EXPECT_EQ(play.counters(), Counters{});
}

TEST(Specials, OneSpecialAtATime) {
  Scenario play({"", "", "w"}, {1, 1, 1, 1, 1});
  play.keys("c");
  EXPECT_EQ(play.vars().TurnAction, turn_action::kInvisibility);
  EXPECT_EQ(play.face(), 2);
  play.keys("mvbn");
  EXPECT_EQ(play.vars().TurnAction, turn_action::kInvisibility);
  EXPECT_EQ(play.face(), 2);
  EXPECT_EQ(play.picture(1, 3), (Picture{".", ".", "w"}));  // no mine, no shot
  EXPECT_EQ(play.counters(), (Counters{0, 1, 1, 1, 1}));
  EXPECT_EQ(play.after("6"), at(1, 0));  // move keys are never blocked; the turn clears the special
  EXPECT_EQ(play.vars().TurnAction, 0);
  play.keys("m");
  EXPECT_EQ(play.vars().TurnAction, turn_action::kImmortality);
  EXPECT_EQ(play.counters(), (Counters{0, 1, 1, 1, 0}));
  EXPECT_EQ(play.face(), 5);
}

// ---------------------------------------------------------------- invisibility

TEST(Specials, InvisibilityKeepsBlocksFromStartingForOneTurn) {
  Scenario play({"...O"}, {1, 0, 0, 0, 0});
  play.keys("c5");
  EXPECT_EQ(play.counter(kInvisibilityCounter), 0);
  EXPECT_EQ(play.picture(4, 1), Picture{"...O"});
  EXPECT_EQ(play.state(3, 0), 0);
  for (int line = 1; line <= 4; ++line) EXPECT_EQ(play.light(line), colour::kDesignGrey);
  EXPECT_EQ(play.vars().TurnAction, 0);
  EXPECT_EQ(play.face(), 0);
  play.keys("5");
  EXPECT_EQ(play.picture(4, 1), Picture{"..O."});
  EXPECT_EQ(play.light(1), colour::kOrange);
  EXPECT_EQ(play.light(3), colour::kGrey);
}

TEST(Specials, InvisibilityDoesNotStopWhatAlreadyMoves) {
  Scenario play({"....U", "", "", ".....H"}, {1, 0, 0, 0, 0});
  play.keys("5");
  EXPECT_EQ(play.code(3, 0), tile::PurpleBlock);
  EXPECT_EQ(play.light(1), colour::kPink);
  play.keys("c5");
  EXPECT_EQ(play.code(2, 0), tile::PurpleBlock);
  EXPECT_EQ(play.code(3, 3), tile::Hanger);
  EXPECT_EQ(play.light(1), colour::kPink);  // the lights keep last turn's colours
  play.keys("55");
  EXPECT_EQ(play.code(0, 0), tile::PurpleBlock);
  EXPECT_EQ(play.g().PlayState, 1);
}

// ---------------------------------------------------------------- mine

TEST(Specials, MineIsDroppedAndATurnIsPlayed) {
  Scenario play({".O"}, {0, 1, 0, 0, 0});
  play.keys("v");  // the block runs onto the mine under the player: both gone, he lives
  EXPECT_EQ(play.picture(2, 1), Picture{"X."});
  EXPECT_EQ(play.state(0, 0), 15);
  EXPECT_EQ(play.state(1, 0), 0);  // not marked as vacated
  EXPECT_EQ(play.g().PlayState, 0);
  EXPECT_EQ(play.counter(kMineCounter), 0);
  EXPECT_EQ(play.g().LastMoveKey, 0);
  EXPECT_EQ(play.vars().TurnAction, 0);
  EXPECT_EQ(play.face(), 4);
  play.keys("5");  // shown for one drawing only
  EXPECT_EQ(play.picture(2, 1), Picture{".."});
  EXPECT_EQ(play.state(0, 0), 0);
}

// ---------------------------------------------------------------- remove block

TEST(Specials, RemoveBlockBlowsUpOnlyRemovableSquares) {
  const std::vector<int> removable = {19, 20, 25, 80, 83, 86, 100, 104, 106, 120};
  const std::vector<int> kept = {40, 60, 65, 67, 68};
  for (int c : removable) {
    Scenario play({}, {0, 0, 1, 0, 0});
    play.put(1, 0, static_cast<uint8_t>(c));
    play.keys("b");
    EXPECT_EQ(play.vars().TurnAction, turn_action::kRemoveBlock);
    EXPECT_EQ(play.face(), 6);
    EXPECT_EQ(play.counter(kRemoveBlockCounter), 1) << "spent only when something is removed";
    EXPECT_EQ(play.after("6"), at(0, 0)) << "code " << c;
    EXPECT_EQ(play.code(1, 0), tile::Explosion) << "code " << c;
    EXPECT_EQ(play.state(1, 0), 15) << "code " << c;  // 25 from the blast, aged once by the pass
    EXPECT_EQ(play.counter(kRemoveBlockCounter), 0) << "code " << c;
    EXPECT_EQ(play.g().PlayState, 0) << "code " << c;
    EXPECT_EQ(play.vars().TurnAction, 0);
    play.keys("5");
    EXPECT_EQ(play.code(1, 0), tile::Empty) << "code " << c;
  }
  for (int c : kept) {
    Scenario play({"", "", "", "", "", "", "", "", "", "", "+"},
                  {0, 0, 1, 0, 0});  // the button keeps doors shut
    play.put(1, 0, static_cast<uint8_t>(c));
    EXPECT_EQ(play.after("b6"), at(0, 0)) << "code " << c;
    EXPECT_EQ(play.code(1, 0), c);
    EXPECT_EQ(play.counter(kRemoveBlockCounter), 1) << "code " << c;
    EXPECT_EQ(play.g().LastMoveKey, 0) << "code " << c;
    EXPECT_EQ(play.vars().TurnAction, 0) << "code " << c;
  }
}

TEST(Specials, RemoveBlockTowardsAnOpenSquareOrTheExit) {
  Scenario open({}, {0, 0, 1, 0, 0});
  EXPECT_EQ(open.after("b6"), at(1, 0));
  EXPECT_EQ(open.counter(kRemoveBlockCounter), 1);
  EXPECT_EQ(open.vars().TurnAction, 0);

  Scenario exit({".E"}, {0, 0, 1, 0, 0});
  exit.keys("b6");
  EXPECT_EQ(exit.g().PlayState, 2);
  EXPECT_EQ(exit.code(1, 0), tile::Exit);
  EXPECT_EQ(exit.counter(kRemoveBlockCounter), 1);
  EXPECT_EQ(exit.vars().TurnAction, turn_action::kRemoveBlock);
}

TEST(Specials, RemoveBlockOffTheMapTestsThePlayersOwnSquare) {
  Scenario plain({}, {0, 0, 1, 0, 0});
  EXPECT_EQ(plain.after("b4"), at(0, 0));
  EXPECT_EQ(plain.counter(kRemoveBlockCounter), 1);
  EXPECT_EQ(plain.g().LastMoveKey, 52);
  EXPECT_EQ(plain.vars().TurnAction, 0);

  // A block that immortality let onto the player's square is removed there, and he lives.
  Scenario saved({".O"}, {0, 0, 1, 0, 1});
  saved.keys("m5");
  ASSERT_EQ(saved.code(0, 0), tile::BrownBlock);
  ASSERT_EQ(saved.g().PlayState, 0);
  saved.keys("b");
  EXPECT_EXIT(
      {
        saved.keys("4");
        std::exit(saved.code(0, 0) == tile::Explosion ? 0 : 3);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(saved.after("4"), at(0, 0));
  EXPECT_EQ(saved.code(0, 0), tile::Explosion);
  EXPECT_EQ(saved.state(0, 0), 15);
  EXPECT_EQ(saved.counter(kRemoveBlockCounter), 0);
  EXPECT_EQ(saved.g().PlayState, 0);
}

// ---------------------------------------------------------------- four-direction attack

TEST(Specials, AttackBlowsUpTheFirstRemovableSquareOfEachRay) {
  Scenario play({"...w", "...w", "", ".D..Mix*sw", "...#", "", "", "", "", "+"}, {0, 0, 0, 1, 0});
  play.placePlayer(3, 3);
  EXPECT_EQ(play.after("n"), at(3, 3));
  EXPECT_EQ(play.counter(kAttackCounter), 0);
  // Right: over mine, pick-up, spike ball and star to the shadow wall; up: the nearer wall only;
  // left: stopped by the door; down: stopped by the permanent wall.
  EXPECT_EQ(play.picture(10, 5),
            (Picture{"...w......", "...X......", "..........", ".D..Mix*Xw", "...#......"}));
  EXPECT_EQ(play.state(8, 3), 15);
  EXPECT_EQ(play.g().LastMoveKey, 0);
  EXPECT_EQ(play.vars().TurnAction, 0);
  EXPECT_EQ(play.face(), 0);  // the turn's own face replaces face 3
  play.keys("5");
  EXPECT_EQ(play.picture(10, 5),
            (Picture{"...w......", "..........", "..........", ".D..Mix*.w", "...#......"}));
}

TEST(Specials, AttackRemovesAHangerAndIsSpentInAClosedRoom) {
  Scenario hanger({".H"}, {0, 0, 0, 1, 0});
  hanger.keys("n");
  EXPECT_EQ(hanger.code(1, 0), tile::Explosion);
  EXPECT_EQ(hanger.g().PlayState, 0);

  Scenario room({".#", "#"}, {0, 0, 0, 1, 0});
  room.keys("n");
  EXPECT_EQ(room.counter(kAttackCounter), 0);
  EXPECT_EQ(room.picture(2, 2), (Picture{".#", "#."}));
}

// ---------------------------------------------------------------- immortality

TEST(Specials, ImmortalityIsGivenBackWhenNotNeeded) {
  Scenario play({}, {0, 0, 0, 0, 1});
  play.keys("m");
  EXPECT_EQ(play.counter(kImmortalityCounter), 0);
  EXPECT_EQ(play.face(), 5);
  play.keys("5");
  EXPECT_EQ(play.counter(kImmortalityCounter), 1);
  EXPECT_EQ(play.face(), 0);
  EXPECT_EQ(play.vars().TurnAction, 0);
}

TEST(Specials, ImmortalitySavesForOneTurnOnly) {
  Scenario block({".O"}, {0, 0, 0, 0, 1});
  block.keys("m5");
  EXPECT_EQ(block.g().PlayState, 0);
  EXPECT_EQ(block.code(0, 0), tile::BrownBlock);  // the block stays on the player's square
  EXPECT_EQ(block.face(), 5);
  EXPECT_EQ(block.counter(kImmortalityCounter), 0);
  EXPECT_EQ(block.vars().TurnAction, 0);
  block.keys("5");
  EXPECT_EQ(block.g().PlayState, 1);

  Scenario spikes({".x"}, {0, 0, 0, 0, 1});
  EXPECT_EQ(spikes.after("m6"), at(1, 0));
  EXPECT_EQ(spikes.g().PlayState, 0);
  EXPECT_EQ(spikes.face(), 5);
  spikes.keys("5");
  EXPECT_EQ(spikes.g().PlayState, 1);
}

// ---------------------------------------------------------------- after the end

TEST(Specials, KeysAfterDeathStillArmAndFireButPlayNoTurn) {
  Scenario play({".x.w"}, {1, 1, 1, 1, 1});
  play.keys("6");
  ASSERT_EQ(play.g().PlayState, 1);
  play.keys("n");
  EXPECT_EQ(play.counter(kAttackCounter), 0);
  EXPECT_EQ(play.code(3, 0), tile::Explosion);
  EXPECT_EQ(play.state(3, 0), 25);  // no movement pass ran after the shot
  EXPECT_EQ(play.vars().TurnAction, turn_action::kAttackFired);
  EXPECT_EQ(play.face(), 3);
  play.keys("c");
  EXPECT_EQ(play.counter(kInvisibilityCounter), 1);  // blocked: the attack is never cleared

  Scenario other({".x"}, {1, 1, 1, 1, 1});
  other.keys("6c");
  EXPECT_EQ(other.counter(kInvisibilityCounter), 0);
  EXPECT_EQ(other.vars().TurnAction, turn_action::kInvisibility);
  EXPECT_EQ(other.face(), 2);
  EXPECT_EQ(other.after("m6"), at(1, 0));
  EXPECT_EQ(other.counter(kImmortalityCounter), 1);
  EXPECT_EQ(other.g().LastMoveKey, 54);
  EXPECT_EQ(other.vars().TurnAction, turn_action::kInvisibility);
}

TEST(Specials, CountersStayWithinTheirRange) {
  Scenario play({".i"}, {kCounterLimit, 0, 0, 0, 0});
  play.keys("6");
  EXPECT_EQ(play.counter(kInvisibilityCounter), kCounterLimit);
  EXPECT_EQ(play.code(1, 0), tile::Empty);
  board::addToCounter(play.b(), kMineCounter, -3);
  EXPECT_EQ(board::counter(play.b(), kMineCounter), 0);
}

}  // namespace
}  // namespace quobbles::testing
