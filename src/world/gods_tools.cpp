// The actions of God's Tools on the game state and the board model.
#include "world/gods_tools.h"

#include "play/board_view.h"
#include "state/tiles.h"

namespace quobbles::world {

namespace {

// Shifts the player by (dx, dy) unless that would take him off the grid; nothing else happens:
// no pick-up, teleport, gravity or wall is considered.
void shiftPlayer(GameState& g, int dx, int dy) {
  const int x = g.PlayerPos.x + dx, y = g.PlayerPos.y + dy;
  if (x < 0 || x >= kMapSize || y < 0 || y >= kMapSize) return;
  g.PlayerPos = {static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
}

}  // namespace

void Command1_Click(GameState& g, BoardModel& b, int Index) {
  switch (Index) {
    case kBackToLife:
      b.controls.figureVisible = true;
      b.controls.messageVisible = false;
      b.controls.escHintVisible = false;
      g.PlayState = 0;
      break;
    case kPlayerRight:
      shiftPlayer(g, 1, 0);
      break;
    case kPlayerUp:
      shiftPlayer(g, 0, -1);
      break;
    case kPlayerLeft:
      shiftPlayer(g, -1, 0);
      break;
    case kPlayerDown:
      shiftPlayer(g, 0, 1);
      break;
    case kDestroy:
      // Only the map: a mover's direction in the state grid stays where it was.
      g.code(g.PlayerPos.x, g.PlayerPos.y) = tile::Empty;
      break;
    case kAddInvisibility:
    case kAddMine:
    case kAddRemoveBlock:
    case kAddAttack:
    case kAddImmortality:
      play::addToCounter(b, Index - kAddInvisibility, 1);
      break;
    default:
      break;
  }
  play::kartan_piirto(g, b);
}

}  // namespace quobbles::world
