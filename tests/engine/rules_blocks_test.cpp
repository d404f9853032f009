// Brown and purple moving blocks: which kinds the four scans start and how far they see, the
// warning colours, and the movement pass with its free squares, mines, lines and collisions.
#include <algorithm>

#include "engine/rules_scenario.h"

namespace quobbles::testing {
namespace {

// ---------------------------------------------------------------- activation

struct Side {
  const char* name;
  int dx, dy;              // where the block stands, seen from the player
  int line;                // Line1(n) on that side
  uint8_t value;           // the direction towards the player
  std::vector<int> kinds;  // codes started from this side
};

const std::vector<Side>& sides() {
  static const std::vector<Side> all = {
      {"right", 3, 0, 1, 1, {80, 82, 85, 100, 102, 105}},
      {"left", -3, 0, 3, 3, {80, 82, 83, 100, 102, 103}},
      {"above", 0, -3, 2, 2, {80, 81, 86, 100, 101, 106}},
      {"below", 0, 3, 4, 4, {80, 81, 84, 100, 101, 104}},
  };
  return all;
}

TEST(BlockActivation, EachKindIsStartedOnlyFromItsOwnSides) {
  for (const auto& side : sides()) {
    for (int c : {80, 81, 82, 83, 84, 85, 86, 100, 101, 102, 103, 104, 105, 106}) {
      Scenario play({});
      play.placePlayer(10, 10);
      play.put(10 + side.dx, 10 + side.dy, static_cast<uint8_t>(c));
      world::Palikat_liikkeeseen(play.g(), play.b());
      const bool started = std::find(side.kinds.begin(), side.kinds.end(), c) != side.kinds.end();
      const Rgb seen = c >= 100 ? colour::kPink : colour::kOrange;
      EXPECT_EQ(play.state(10 + side.dx, 10 + side.dy), started ? side.value : 0)
          << side.name << " code " << c;
      for (int line = 1; line <= 4; ++line)
        EXPECT_EQ(play.light(line), started && line == side.line ? seen : colour::kGrey)
            << side.name << " code " << c << " Line1(" << line << ")";
    }
  }
}

TEST(BlockActivation, ScansSeeThroughCodesUpToNineteenOnly) {
  Scenario play({});
  play.placePlayer(10, 10);
  for (auto& line : play.controls().lines) line.colour = colour::kOrange;  // last turn's colours
  // Right: a shadow wall and a spike ball do not hide the block.
  play.put(11, 10, tile::ShadowWall);
  play.put(12, 10, tile::SpikeBall);
  play.put(13, 10, tile::BrownBlock);
  // Left: a breakable wall does.
  play.put(8, 10, tile::BreakableWall);
  play.put(6, 10, tile::BrownBlock);
  // Above: a block that may not move down ends the view.
  play.put(10, 8, tile::BrownBlockLeft);
  play.put(10, 6, tile::PurpleBlock);
  // Below: a hanger ends the view.
  play.put(10, 12, tile::Hanger);
  play.put(10, 14, tile::BrownBlock);
  world::Palikat_liikkeeseen(play.g(), play.b());
  EXPECT_EQ(play.state(13, 10), 1);
  EXPECT_EQ(play.state(6, 10), 0);
  EXPECT_EQ(play.state(10, 8), 0);
  EXPECT_EQ(play.state(10, 6), 0);
  EXPECT_EQ(play.state(10, 12), 0);
  EXPECT_EQ(play.state(10, 14), 0);
  EXPECT_EQ(play.light(1), colour::kOrange);
  EXPECT_EQ(play.light(2), colour::kGrey);
  EXPECT_EQ(play.light(3), colour::kGrey);
  EXPECT_EQ(play.light(4), colour::kGrey);
}

TEST(BlockActivation, NearestBlockWinsAndFarBlocksAreSeenToo) {
  Scenario play({});
  play.placePlayer(10, 10);
  play.put(10, 12, tile::PurpleBlock, 3);  // already moving right: re-aimed
  play.put(10, 13, tile::BrownBlock);
  play.put(49, 10, tile::PurpleBlockLeft);  // far outside the view
  play.put(7, 10, tile::BrownBlockLeft);    // to the left, cannot go right, hides the next one
  play.put(5, 10, tile::BrownBlock);
  world::Palikat_liikkeeseen(play.g(), play.b());
  EXPECT_EQ(play.state(10, 12), 4);
  EXPECT_EQ(play.state(10, 13), 0);
  EXPECT_EQ(play.light(4), colour::kPink);
  EXPECT_EQ(play.state(49, 10), 1);
  EXPECT_EQ(play.light(1), colour::kPink);
  EXPECT_EQ(play.state(7, 10), 0);
  EXPECT_EQ(play.state(5, 10), 0);
  EXPECT_EQ(play.light(3), colour::kGrey);
}

TEST(BlockActivation, BlockOnThePlayersSquareEndsEveryScan) {
  Scenario play({});
  play.placePlayer(10, 10);
  play.put(10, 10, tile::BrownBlock);
  play.put(13, 10, tile::BrownBlock);
  world::Palikat_liikkeeseen(play.g(), play.b());
  EXPECT_EQ(play.state(10, 10), 4);  // the last accepting scan is the downward one
  EXPECT_EQ(play.state(13, 10), 0);
  for (int line = 1; line <= 4; ++line) EXPECT_EQ(play.light(line), colour::kOrange) << line;

  play.put(10, 10, tile::BrownBlockLeft);
  world::Palikat_liikkeeseen(play.g(), play.b());
  EXPECT_EQ(play.state(10, 10), 1);
  EXPECT_EQ(play.light(1), colour::kOrange);
  for (int line = 2; line <= 4; ++line) EXPECT_EQ(play.light(line), colour::kGrey) << line;
}

// ---------------------------------------------------------------- movement in turns

TEST(BlockMovement, BrownBlockMovesOnlyInTurnsItSeesThePlayer) {
  Scenario play({"...O"});
  play.keys("5");
  EXPECT_EQ(play.picture(4, 1), Picture{"..O."});
  EXPECT_EQ(play.state(2, 0), 0);
  EXPECT_EQ(play.state(3, 0), 10);
  play.keys("2");  // out of its sight
  EXPECT_EQ(play.picture(4, 1), Picture{"..O."});
  EXPECT_EQ(play.state(3, 0), 0);
  EXPECT_EQ(play.light(1), colour::kGrey);
}

TEST(BlockMovement, NoMoverReachesThePlayersDoorOrAGravitySquare) {
  for (const char* row : {"PO", "<O", ">O"}) {
    Scenario play({row});
    play.keys("5");
    EXPECT_EQ(play.code(1, 0), tile::BrownBlock) << row;
    EXPECT_EQ(play.state(1, 0), 0) << row;
    EXPECT_EQ(play.g().PlayState, 0) << row;
  }
}

TEST(BlockMovement, PurpleKeepsItsHeadingUntilBlockedBrownStepsOnce) {
  Scenario play({"", "", "", "", "", "...#..U", "", "......O"});
  play.put(6, 5, tile::PurpleBlock, 1);
  play.put(6, 7, tile::BrownBlock, 1);
  play.keys("5");
  EXPECT_EQ(play.state(5, 5), 11);
  EXPECT_EQ(play.state(5, 7), 0);
  play.keys("5");
  EXPECT_EQ(play.picture(7, 8)[5], "...#U..");
  EXPECT_EQ(play.picture(7, 8)[7], ".....O.");
  play.keys("55");
  EXPECT_EQ(play.picture(7, 8)[5], "...#U..");  // stopped by the wall, for good
  EXPECT_EQ(play.state(4, 5), 0);
}

// ---------------------------------------------------------------- the movement pass itself

TEST(MovementPass, MoversEnterOnlyFreeSquares) {
  const std::vector<int> free = {0, 1, 2, 3, 8, 9, 10, 11, 12, 13, 14, 15, 16, 18, 19};
  const std::vector<int> closed = {5, 6, 7, 20, 25, 40, 60, 66, 80, 99, 100, 120};
  auto run = [](int c) {
    Scenario play({"", "", "", "", "", "", "", "", "", "", "+"});  // the button keeps doors shut
    play.put(5, 5, static_cast<uint8_t>(c));
    play.put(6, 5, tile::PurpleBlock, 1);
    world::Palikoiden_liikutus(play.g());
    return play;
  };
  for (int c : free) {
    Scenario play = run(c);
    EXPECT_EQ(play.code(5, 5), tile::PurpleBlock) << "code " << c;
    EXPECT_EQ(play.state(5, 5), 11) << "code " << c;
    EXPECT_EQ(play.code(6, 5), tile::Empty) << "code " << c;
    EXPECT_EQ(play.state(6, 5), 10) << "code " << c;
  }
  for (int c : closed) {
    Scenario play = run(c);
    EXPECT_EQ(play.code(5, 5), c) << "code " << c;
    EXPECT_EQ(play.code(6, 5), tile::PurpleBlock) << "code " << c;
    EXPECT_EQ(play.state(6, 5), 0) << "code " << c;
  }
  Scenario edge({});
  edge.put(0, 5, tile::PurpleBlock, 1);
  world::Palikoiden_liikutus(edge.g());
  EXPECT_EQ(edge.code(0, 5), tile::PurpleBlock);
  EXPECT_EQ(edge.state(0, 5), 0);
}

TEST(MovementPass, OnlyTheFrontMoverOfALineMoves) {
  struct Line {
    const char* name;
    uint8_t direction;
    int dx, dy;  // from the first square of the pair to the second
    BytePos moved, stopped, vacated;
  };
  const std::vector<Line> lines = {
      {"left", 1, 1, 0, at(4, 5), at(6, 5), at(5, 5)},
      {"right", 3, 1, 0, at(7, 5), at(5, 5), at(6, 5)},
      {"up", 4, 0, 1, at(5, 4), at(5, 6), at(5, 5)},
      {"down", 2, 0, 1, at(5, 7), at(5, 5), at(5, 6)},
  };
  for (const auto& line : lines) {
    Scenario play({});
    play.put(5, 5, tile::PurpleBlock, line.direction);
    play.put(5 + line.dx, 5 + line.dy, tile::PurpleBlock, line.direction);
    world::Palikoiden_liikutus(play.g());
    EXPECT_EQ(play.code(line.moved.x, line.moved.y), tile::PurpleBlock) << line.name;
    EXPECT_EQ(play.state(line.moved.x, line.moved.y), line.direction + 10) << line.name;
    EXPECT_EQ(play.code(line.stopped.x, line.stopped.y), tile::PurpleBlock) << line.name;
    EXPECT_EQ(play.state(line.stopped.x, line.stopped.y), 0) << line.name;  // lost its heading
    EXPECT_EQ(play.code(line.vacated.x, line.vacated.y), tile::Empty) << line.name;
    EXPECT_EQ(play.state(line.vacated.x, line.vacated.y), 10) << line.name;
  }
}

TEST(MovementPass, EarlierMoverInReadingOrderTakesTheSquare) {
  Scenario play({});
  play.put(5, 4, tile::PurpleBlock, 2);  // heading down onto (5, 5)
  play.put(6, 5, tile::PurpleBlock, 1);  // heading left onto (5, 5)
  world::Palikoiden_liikutus(play.g());
  EXPECT_EQ(play.code(5, 5), tile::PurpleBlock);
  EXPECT_EQ(play.state(5, 5), 12);
  EXPECT_EQ(play.state(5, 4), 10);
  EXPECT_EQ(play.code(6, 5), tile::PurpleBlock);
  EXPECT_EQ(play.state(6, 5), 0);
}

TEST(MovementPass, MoverAndMineVanishTogether) {
  Scenario play({});
  play.put(5, 5, tile::Mine);
  play.put(5, 4, tile::PurpleBlock, 2);  // runs onto the mine
  play.put(6, 5, tile::PurpleBlock, 1);  // then enters the explosion
  play.put(6, 4, tile::PurpleBlock, 1);  // and the first one's old square is not barred
  world::Palikoiden_liikutus(play.g());
  EXPECT_EQ(play.code(5, 4), tile::PurpleBlock);
  EXPECT_EQ(play.state(5, 4), 11);
  EXPECT_EQ(play.code(5, 5), tile::PurpleBlock);
  EXPECT_EQ(play.state(5, 5), 11);
  EXPECT_EQ(play.state(6, 4), 10);
  EXPECT_EQ(play.state(6, 5), 10);
}

}  // namespace
}  // namespace quobbles::testing
