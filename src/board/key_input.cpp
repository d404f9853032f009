// The board's keys: move and pass keys play a turn, letter keys arm or fire specials and move
// the view, Space asks for help and Esc asks to leave. Keys forwarded from the help and
// God's Tools windows arrive through Kauko_nappi.
#include <algorithm>

#include "board/board_engine.h"
#include "state/tiles.h"
#include "world/world_rules.h"

namespace quobbles::board {

int32_t counter(const BoardModel& b, int index) {
  return b.controls.mAna[static_cast<std::size_t>(index)];
}

void addToCounter(BoardModel& b, int index, int32_t delta) {
  int32_t& c = b.controls.mAna[static_cast<std::size_t>(index)];
  const int64_t next = static_cast<int64_t>(c) + delta;
  c = static_cast<int32_t>(std::clamp<int64_t>(next, 0, kCounterLimit));
}

BoardEffects takeEffects(BoardModel& b) {
  BoardEffects e = b.effects;
  b.effects = BoardEffects{};
  return e;
}

namespace {

// Moves the view one square and the figure the opposite way, so it stays over the player.
void shiftView(GameState& g, BoardModel& b, int dx, int dy) {
  b.vars.ViewShift.x = static_cast<uint8_t>(b.vars.ViewShift.x + dx);
  b.vars.ViewShift.y = static_cast<uint8_t>(b.vars.ViewShift.y + dy);
  b.controls.figureLeft = static_cast<int16_t>(b.controls.figureLeft - dx * kSquareTwips);
  b.controls.figureTop = static_cast<int16_t>(b.controls.figureTop - dy * kSquareTwips);
  kartan_piirto(g, b);
  Varo_valojen_siirto(b);
}

}  // namespace

void Form_KeyPress(GameState& g, BoardModel& b, int16_t KeyAscii) {
  auto& vars = b.vars;
  const bool specialChosen = vars.TurnAction != turn_action::kNone;
  const bool viewLocked = vars.DarkView == kTrue;
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
      kartan_piirto(g, b);
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
      kartan_piirto(g, b);
      Varo_valojen_siirto(b);
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

void Kauko_nappi(GameState& g, BoardModel& b, int16_t Kii) {
  Form_KeyPress(g, b, Kii);
}

}  // namespace quobbles::board
