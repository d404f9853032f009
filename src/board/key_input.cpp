// The board's keys: move and pass keys play a turn, letter keys arm or fire specials and move
// the view, Space asks for help and Esc asks to leave.
#include "board/board_engine.h"
#include "play/board_view.h"
#include "state/tiles.h"
#include "world/world_rules.h"

namespace quobbles::board {

namespace {

using play::addToCounter;
using play::counter;

// Moves the view one square and the figure the opposite way, so it stays over the player.
void shiftView(GameState& g, BoardModel& b, int dx, int dy) {
  b.vars.ViewShift.x = static_cast<uint8_t>(b.vars.ViewShift.x + dx);
  b.vars.ViewShift.y = static_cast<uint8_t>(b.vars.ViewShift.y + dy);
  b.controls.figureLeft = static_cast<int16_t>(b.controls.figureLeft - dx * kSquareTwips);
  b.controls.figureTop = static_cast<int16_t>(b.controls.figureTop - dy * kSquareTwips);
  play::kartan_piirto(g, b);
  play::Varo_valojen_siirto(b);
}

}  // namespace

void Form_KeyPress(GameState& g, BoardModel& b, int16_t KeyAscii) {
  auto& vars = b.vars;
  const bool specialChosen = vars.TurnAction != turn_action::kNone;
  const bool viewLocked = vars.DarkView;
  switch (KeyAscii) {
    case key::kDown:
    case key::kLeft:
    case key::kPass:
    case key::kRight:
    case key::kUp:
      g.LastMoveKey = KeyAscii;
      Vuoron_suoritus(g, b);
      break;

    case key::kInvisibility:
      if (specialChosen || counter(b, kInvisibilityCounter) == 0) break;
      addToCounter(b, kInvisibilityCounter, -1);
      vars.TurnAction = turn_action::kInvisibility;
      b.controls.face = 2;
      break;

    case key::kMine:
      if (specialChosen || g.code(g.PlayerPos.x, g.PlayerPos.y) != tile::Empty) break;
      if (counter(b, kMineCounter) == 0) break;
      g.code(g.PlayerPos.x, g.PlayerPos.y) = tile::Mine;
      addToCounter(b, kMineCounter, -1);
      vars.TurnAction = turn_action::kMineDropped;
      g.LastMoveKey = 0;
      Vuoron_suoritus(g, b);
      b.controls.face = 4;
      break;

    case key::kRemoveBlock:
      // The counter is spent only when a square is actually removed (in the player's move).
      if (specialChosen || counter(b, kRemoveBlockCounter) == 0) break;
      vars.TurnAction = turn_action::kRemoveBlock;
      b.controls.face = 6;
      break;

    case key::kAttack:
      if (specialChosen || counter(b, kAttackCounter) == 0) break;
      addToCounter(b, kAttackCounter, -1);
      vars.TurnAction = turn_action::kAttackFired;
      g.LastMoveKey = 0;
      b.controls.face = 3;
      world::Ampuminen(g, b);
      Vuoron_suoritus(g, b);
      play::kartan_piirto(g, b);
      break;

    case key::kImmortality:
      if (specialChosen || counter(b, kImmortalityCounter) == 0) break;
      addToCounter(b, kImmortalityCounter, -1);
      vars.TurnAction = turn_action::kImmortality;
      b.controls.face = 5;
      break;

    case key::kViewLeft:
      if (!viewLocked && vars.ViewShift.x != 0) shiftView(g, b, -1, 0);
      break;
    case key::kViewRight:
      if (!viewLocked && vars.ViewShift.x != 8) shiftView(g, b, 1, 0);
      break;
    case key::kViewUp:
      if (!viewLocked && vars.ViewShift.y != 0) shiftView(g, b, 0, -1);
      break;
    case key::kViewDown:
      if (!viewLocked && vars.ViewShift.y != 8) shiftView(g, b, 0, 1);
      break;

    case key::kCentre:
      vars.ViewShift = {4, 4};
      b.controls.figureLeft = kFigureHome;
      b.controls.figureTop = kFigureHome;
      play::kartan_piirto(g, b);
      play::Varo_valojen_siirto(b);
      break;

    case key::kHelp:
      b.effects.openHelp = true;
      b.controls.face = 8;
      b.controls.hintColour = colour::kOlive;
      break;

    case key::kEsc:
      b.effects.leaveBoard = true;
      break;

    default:
      break;  // every other key, upper-case letters included, does nothing
  }
}

}  // namespace quobbles::board
