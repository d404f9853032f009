// The player's own move each turn: the key's target, gravity and support, the remove-block
// special, the exit, teleports and the gravity squares.
#include "board/board_engine.h"
#include "state/tiles.h"
#include "world/world_rules.h"

namespace quobbles::board {

void Pelaajan_liikutus(GameState& g, BoardModel& b) {
  const int16_t px = g.PlayerPos.x, py = g.PlayerPos.y;
  g.TargetPos = {px, py};
  switch (g.LastMoveKey) {
    case key::kDown:
      g.TargetPos.y = static_cast<int16_t>(py + 1);
      break;
    case key::kLeft:
      g.TargetPos.x = static_cast<int16_t>(px - 1);
      break;
    case key::kRight:
      g.TargetPos.x = static_cast<int16_t>(px + 1);
      break;
    case key::kUp:
      g.TargetPos.y = static_cast<int16_t>(py - 1);
      break;
    default:
      break;  // a pass or no move: the target is the player's own square
  }

  if (b.vars.GravityOn) {
    TukipintaTesti(g, b);
    if (!b.vars.Supported) {  // the player falls instead of doing what the key said
      g.LastMoveKey = key::kDown;
      g.TargetPos = {px, static_cast<int16_t>(py + 1)};
    }
  }

  if (b.vars.TurnAction == turn_action::kRemoveBlock) {
    g.ScanPos = g.TargetPos;
    world::Reunan_tarkistus(g);  // a target off the map becomes the player's own square
    if (isRemovable(g.code(g.ScanPos.x, g.ScanPos.y))) {
      play::addToCounter(b, kRemoveBlockCounter, -1);
      world::Pomautus(g, b);
      // The explosion goes on the square that was tested, which is always on the map.
      g.code(g.ScanPos.x, g.ScanPos.y) = tile::Explosion;
      g.state(g.ScanPos.x, g.ScanPos.y) = world::kBlastExplosion;
      g.TargetPos = {px, py};  // the player stays where he is this turn
    }
  }

  if (!g.insideMap(g.TargetPos.x, g.TargetPos.y)) return;  // off the map: the player stays
  if (g.code(g.TargetPos.x, g.TargetPos.y) == tile::Exit) Kenttä_läpi(g, b);
  if (isEnterable(g.code(g.TargetPos.x, g.TargetPos.y))) {
    if (g.code(g.TargetPos.x, g.TargetPos.y) == tile::Teleport) Teleportitus(g);
    GravTesti(g, b);
    g.PlayerPos = {static_cast<uint8_t>(g.TargetPos.x), static_cast<uint8_t>(g.TargetPos.y)};
  } else {
    g.LastMoveKey = 0;  // a wall, a door, a block or the exit: the player does not move
  }
}

void TukipintaTesti(GameState& g, BoardModel& b) {
  auto supported = [&b] { b.vars.Supported = true; };
  const int px = g.PlayerPos.x, py = g.PlayerPos.y;
  const int tx = g.TargetPos.x, ty = g.TargetPos.y;
  b.vars.Supported = false;
  if (py + 1 > g.MapMax.y) return supported();          // the bottom row holds him
  if (holdsUp(g.code(px, py + 1))) return supported();  // ground below the player
  if (ty + 1 > g.MapMax.y) return;                      // the target is on the bottom row
  // Ground below the target lets a player in mid-air step sideways onto it. A target off
  // the side of the map has no square below it.
  if (tx >= 0 && tx <= g.MapMax.x && holdsUp(g.code(tx, ty + 1))) return supported();
  if (g.code(px, py + 1) == tile::Explosion) return supported();
}

void GravTesti(GameState& g, BoardModel& b) {
  // Leaving a gravity square along its arrow switches gravity on, against it switches it off.
  const uint8_t left = g.code(g.PlayerPos.x, g.PlayerPos.y);
  if (left == tile::GravityLeft && g.LastMoveKey == key::kRight) b.vars.GravityOn = false;
  if (left == tile::GravityLeft && g.LastMoveKey == key::kLeft) b.vars.GravityOn = true;
  if (left == tile::GravityRight && g.LastMoveKey == key::kLeft) b.vars.GravityOn = false;
  if (left == tile::GravityRight && g.LastMoveKey == key::kRight) b.vars.GravityOn = true;
}

void Teleportitus(GameState& g) {
  // Teleports are linked in reading order, the last leading back to the first; the entered
  // teleport itself ends the search at the latest.
  int x = g.TargetPos.x, y = g.TargetPos.y;
  do {
    if (++x > g.MapMax.x) {
      x = 0;
      if (++y > g.MapMax.y) y = 0;
    }
  } while (g.code(x, y) != tile::Teleport);
  g.TargetPos = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
}

}  // namespace quobbles::board
