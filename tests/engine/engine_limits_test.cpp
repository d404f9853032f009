// The engine under long and exhaustive key sequences: no field leaves its range however long a
// key is held, whatever key is pressed on whatever square, and however many specials are
// picked up.
#include <gtest/gtest.h>

#include "board/board_engine.h"
#include "board/session.h"
#include "sim/dump.h"
#include "state/tiles.h"
#include "support/ascii_map.h"
#include "support/engine_invariants.h"
#include "world/gods_tools.h"

namespace quobbles {
namespace {

using testing::brokenInvariant;

TEST(EngineLimits, HoldingAKeyForAHundredThousandTurnsKeepsEveryFieldInRange) {
  // A room full of movers around a player on the players' door, which no mover may enter:
  // hangers roam, purple blocks slide and are re-aimed, brown blocks step, mines go off.
  const Level busyRoom =
      testing::levelFromPicture({"P..H.U...H..O.#", ".#...M...#....#", "..U...H.....U.#", "O...#...M...H.#",
                                 ".H..U..+..D...#", "...M...H....U.#", "##############E"},
                                '#');
  for (char held : {'5', '8', '4'}) {  // a pass, and two moves into the map's edge
    Session s = startTestPlay(busyRoom);
    for (int turn = 1; turn <= 100'000; ++turn) {
      replay(s, std::string(1, held));
      if (turn % 997 == 0) {
        ASSERT_EQ(brokenInvariant(s), "") << "key " << held << ", turn " << turn;
      }
    }
    EXPECT_EQ(s.game.PlayState, 0) << "the players' door keeps every mover off";
    EXPECT_EQ(s.game.PlayerPos, (BytePos{0, 0}));
  }
}

TEST(EngineLimits, EveryKeyOnEverySquareOfAMapWithEveryCode) {
  // Every valid code, repeated across the map, so each turn starts from a different neighbourhood.
  Level level;
  for (std::size_t i = 0; i < kSquares; ++i) level.MapGrid[i] = kTiles[i * 7 % kTiles.size()].code;
  const Session start = startTestPlay(level, {1, 1, 1, 1, 1});
  for (int y = 0; y < kMapSize; ++y) {
    for (int x = 0; x < kMapSize; ++x) {
      Session s = start;
      s.game.PlayerPos = {static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
      for (int key = 0; key < 256; ++key) {
        replay(s, std::string(1, static_cast<char>(key)));
        s.game.PlayState = 0;  // play on after death or the exit
      }
      ASSERT_EQ(brokenInvariant(s), "") << "player started on (" << x << ", " << y << ")";
    }
  }
}

TEST(EngineLimits, SpecialsAndStarsWithoutLimit) {
  // Counters at the top of their range stay there when more is picked up or given.
  Session s =
      startTestPlay(testing::levelFromPicture({".iimraI"}), {kCounterLimit - 1, kCounterLimit, 0, 0, 0});
  for (int i = 0; i < 6; ++i) replay(s, std::string(1, '6'));
  for (int i = 0; i < 1000; ++i) world::Command1_Click(s.game, s.board, world::kAddInvisibility);
  EXPECT_EQ(s.board.controls.mAna, (std::array<int32_t, 5>{kCounterLimit, kCounterLimit, 1, 1, 1}));
  // Immortality armed and given back a hundred thousand times, never counted twice.
  for (int i = 0; i < 100'000; ++i) {
    replay(s, "m5");
  }
  EXPECT_EQ(play::counter(s.board, kImmortalityCounter), 1);
  EXPECT_EQ(brokenInvariant(s), "");

  // A map full of stars: more than a byte could count.
  Level stars;
  stars.MapGrid.fill(tile::Star);
  Session full = startTestPlay(stars);
  EXPECT_EQ(full.board.vars.StarsLeft, kSquares);
  for (int i = 0; i < 50; ++i)
    replay(full, std::string(1, i ? '6' : '5'));  // the start square's star and 49 more
  EXPECT_EQ(full.board.vars.StarsLeft, kSquares - 50);
}

}  // namespace
}  // namespace quobbles
