// God's Tools of a test play: the level maker changes the game state outside the rules. Revive
// the player, shift him one square (never off the 50 x 50 grid), empty the square under him,
// or add one to a specials counter. No turn is played; the board's view is redrawn afterwards.
#pragma once

#include "play/board_model.h"
#include "state/game_state.h"

namespace quobbles::world {

// The buttons Command1(0..10).
enum GodsTool : int {
  kBackToLife = 0,
  kPlayerRight = 1,
  kPlayerUp = 2,
  kPlayerLeft = 3,
  kPlayerDown = 4,
  kDestroy = 5,
  kAddInvisibility = 6,  // S1 .. S5 add one to mAna(0..4)
  kAddMine = 7,
  kAddRemoveBlock = 8,
  kAddAttack = 9,
  kAddImmortality = 10,
};
constexpr int kGodsToolCount = 11;

// Performs button Index's action and redraws the board's view model. An arrow that would
// leave the grid does nothing; an unknown index only redraws.
void Command1_Click(GameState& g, BoardModel& b, int Index);

}  // namespace quobbles::world
