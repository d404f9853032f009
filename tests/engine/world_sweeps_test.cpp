// The world's sweeps skip squares that hold nothing for them, and the turn can be played without
// its redraw for a search. Each must leave exactly what the plain rules leave: here the rules are
// written again square by square, in reading order, and both are run on crowded random maps
// (movers in every state, mines, buttons and doors, explosions of every age, squares emptied
// under a direction, narrow map extents) and compared field by field, working squares included.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "board/board_engine.h"
#include "board/session.h"
#include "play/board_view.h"
#include "sim/dump.h"
#include "state/tiles.h"
#include "world/world_rules.h"

namespace quobbles {
namespace {

// ---------------------------------------------------------------------------------------------
// The rules square by square.

void plainHangerStart(GameState& g) {
  for (int y = 0; y <= g.MapMax.y; ++y)
    for (int x = 0; x <= g.MapMax.x; ++x)
      if (g.code(x, y) == tile::Hanger && g.state(x, y) == 0) g.state(x, y) = 1;
}

void plainMovementPass(GameState& g) {
  bool buttonLeft = false, doorExists = false;
  for (int y = 0; y <= g.MapMax.y; ++y) {
    for (int x = 0; x <= g.MapMax.x; ++x) {
      buttonLeft = buttonLeft || g.code(x, y) == tile::Button;
      doorExists = doorExists || isDoor(g.code(x, y));
      if (g.state(x, y) > 5) g.state(x, y) = static_cast<uint8_t>(g.state(x, y) - 10);
    }
  }
  if (!buttonLeft && doorExists) world::Ovet_auki(g);
  const int dx[] = {0, -1, 0, 1, 0}, dy[] = {0, 0, 1, 0, -1};
  auto free = [&](int x, int y) {
    return g.insideMap(x, y) && moverMayEnter(g.code(x, y)) && g.state(x, y) != 10;
  };
  for (int y = 0; y <= g.MapMax.y; ++y) {
    for (int x = 0; x <= g.MapMax.x; ++x) {
      g.ScanPos = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
      const uint8_t d = g.state(x, y);
      if (d == 5) {
        g.code(x, y) = tile::Empty, g.state(x, y) = 0;
        continue;
      }
      if (d < 1 || d > 4) continue;
      int tx = x + dx[d], ty = y + dy[d];
      if (!g.insideMap(tx, ty)) tx = x, ty = y;
      if (!free(tx, ty)) {
        if (g.code(x, y) != tile::Hanger) {
          g.state(x, y) = 0;
          continue;
        }
        const WordPos turned = world::hangerTurn(g, x, y);
        tx = turned.x, ty = turned.y;
      }
      g.TargetPos = {static_cast<int16_t>(tx), static_cast<int16_t>(ty)};
      if (g.code(tx, ty) == tile::Mine) {
        g.code(tx, ty) = tile::Explosion, g.state(tx, ty) = 15;
        g.code(x, y) = tile::Empty, g.state(x, y) = 0;
        continue;
      }
      const uint8_t mover = g.code(x, y);
      g.code(tx, ty) = mover;
      g.state(tx, ty) = keepsDirection(mover) ? static_cast<uint8_t>(g.state(x, y) + 10) : 0;
      if (tx != x || ty != y) g.code(x, y) = tile::Empty, g.state(x, y) = 10;
    }
  }
}

void plainActivation(GameState& g, BoardModel& b) {
  const int dx[] = {1, -1, 0, 0}, dy[] = {0, 0, -1, 1}, line[] = {0, 2, 1, 3};
  const uint8_t side[] = {seen_from::kRight, seen_from::kLeft, seen_from::kAbove, seen_from::kBelow};
  const uint8_t towards[] = {1, 3, 2, 4};
  for (auto& l : b.controls.lines) l.colour = colour::kGrey;
  for (int n = 0; n < 4; ++n) {
    for (g.ScanPos = {g.PlayerPos.x, g.PlayerPos.y}; g.insideMap(g.ScanPos.x, g.ScanPos.y);
         g.ScanPos = {static_cast<int16_t>(g.ScanPos.x + dx[n]), static_cast<int16_t>(g.ScanPos.y + dy[n])}) {
      const uint8_t c = g.code(g.ScanPos.x, g.ScanPos.y);
      const bool seen = isValidTileCode(c) && (tileOf(c).seenFrom & side[n]) != 0;
      if (seen && moverOf(c) == Mover::kBrownBlock) g.state(g.ScanPos.x, g.ScanPos.y) = towards[n];
      if (seen && moverOf(c) == Mover::kBrownBlock) b.controls.lines[line[n]].colour = colour::kOrange;
      if (seen && moverOf(c) == Mover::kPurpleBlock) g.state(g.ScanPos.x, g.ScanPos.y) = towards[n];
      if (seen && moverOf(c) == Mover::kPurpleBlock) b.controls.lines[line[n]].colour = colour::kPink;
      if (blocksSight(c)) break;
    }
  }
}

void plainDrawing(const GameState& g, BoardModel& b) {
  const int px = g.PlayerPos.x, py = g.PlayerPos.y;
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 9; ++c) {
      PictureId& cell = b.controls.view[static_cast<std::size_t>(r * 9 + c)];
      const int mx = px - 4 + c + b.vars.ViewShift.x - 4, my = py - 4 + r + b.vars.ViewShift.y - 4;
      if (b.vars.DarkView && (r < 2 || r > 6 || c < 2 || c > 6))
        cell = tile::DarkSquare;
      else if (!g.insideMap(mx, my))
        cell = tile::PermanentWall;
      else if (g.code(mx, my) != tile::Hanger)
        cell = g.code(mx, my);
      else
        cell = hangerPicture(g.state(mx, my) >= 11 && g.state(mx, my) <= 14 ? g.state(mx, my) : 11);
    }
  }
}

// ---------------------------------------------------------------------------------------------
// Crowded random sessions.

struct Crowd {
  std::mt19937 random;
  explicit Crowd(unsigned seed) : random(seed) {}
  int pick(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }

  Session session() {
    // Codes drawn often enough to meet each other; state bytes as play leaves them.
    const uint8_t codes[] = {0,  0,  0,  0,  0,  1,  3,  4,  4,   5,   6,   7,   9,   12,  15,  18, 19, 20,
                             40, 60, 60, 66, 80, 81, 84, 85, 100, 102, 103, 106, 120, 120, 120, 14, 16};
    const uint8_t states[] = {0, 0, 0, 1, 2, 3, 4, 5, 10, 11, 12, 13, 14, 15, 25};
    Level level;
    for (uint8_t& c : level.MapGrid) c = codes[pick(std::size(codes))];
    Session s = startTestPlay(level, {1, 1, 1, 1, 1});
    for (uint8_t& st : s.game.StateGrid) st = pick(3) == 0 ? states[pick(std::size(states))] : 0;
    if (pick(3) == 0) s.game.MapMax = {static_cast<int16_t>(pick(50)), static_cast<int16_t>(pick(50))};
    s.game.PlayerPos = {static_cast<uint8_t>(pick(s.game.MapMax.x + 1)),
                        static_cast<uint8_t>(pick(s.game.MapMax.y + 1))};
    s.board.vars.ViewShift = {static_cast<uint8_t>(pick(9)), static_cast<uint8_t>(pick(9))};
    s.board.vars.DarkView = pick(4) == 0;
    return s;
  }
};

// Equal sessions; on a difference, the dumps and the working squares say where.
::testing::AssertionResult same(const Session& a, const Session& b) {
  if (a == b) return ::testing::AssertionSuccess();
  auto working = [](const GameState& g) {
    return "scan " + std::to_string(g.ScanPos.x) + "," + std::to_string(g.ScanPos.y) + " target " +
           std::to_string(g.TargetPos.x) + "," + std::to_string(g.TargetPos.y) + "\n";
  };
  return ::testing::AssertionFailure() << working(a.game) << sim::dump(a) << "--- but the plain rules leave\n"
                                       << working(b.game) << sim::dump(b);
}

// The activation also says whether it started a block: exactly when a light went on.
TEST(WorldSweeps, LeaveWhatTheSquareBySquareRulesLeave) {
  Crowd crowd(13);
  int started = 0;
  for (int round = 0; round < 400; ++round) {
    Session fast = crowd.session(), plain = fast;
    world::Viholliset_liikkeeseen(fast.game);
    plainHangerStart(plain.game);
    ASSERT_TRUE(same(fast, plain)) << "hangers' start, round " << round;
    world::Palikoiden_liikutus(fast.game);
    plainMovementPass(plain.game);
    ASSERT_TRUE(same(fast, plain)) << "movement pass, round " << round;
    const bool said = world::Palikat_liikkeeseen(fast.game, fast.board);
    plainActivation(plain.game, plain.board);
    ASSERT_TRUE(same(fast, plain)) << "block activation, round " << round;
    const auto& lines = plain.board.controls.lines;
    EXPECT_EQ(said, std::any_of(lines.begin(), lines.end(),
                                [](const WarningLine& l) { return l.colour != colour::kGrey; }))
        << round;
    started += said;
    play::kartan_piirto(fast.game, fast.board);
    plainDrawing(plain.game, plain.board);
    ASSERT_TRUE(same(fast, plain)) << "drawing, round " << round;
  }
  EXPECT_TRUE(started > 20 && started < 380) << started << " rounds started a block";
}

TEST(WorldSweeps, AMoveKeyPlayedWithoutItsRedrawIsTheKeyButForTheView) {
  Crowd crowd(21);
  for (int round = 0; round < 300; ++round) {
    Session start = crowd.session();
    start.game.MapMax = {kMapSize - 1, kMapSize - 1};  // as in play
    for (const char key : std::string("24568")) {
      Session pressed = start, played = start;
      static_cast<void>(press(pressed, key));
      // Drawn afterwards where the turn ran to its end, it is the key exactly.
      if (board::playMoveKey(played.game, played.board, key, board::worldAnswer))
        play::kartan_piirto(played.game, played.board);
      played.board.effects = BoardEffects{};
      ASSERT_TRUE(same(pressed, played)) << "round " << round << ", key " << key;
    }
  }
}

}  // namespace
}  // namespace quobbles
