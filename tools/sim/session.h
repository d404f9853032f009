// A headless board: a level started exactly as the board window starts it, played as a test
// play (nothing recorded, nothing written), and its whole observable state as text.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "board/board_model.h"
#include "state/game_state.h"

namespace quobbles::sim {

struct Session {
  GameState game;
  BoardModel board;
};

// Starts the level as the board's load does; counters are then set to the given values.
Session startSession(const Level& level, const std::array<int32_t, kSpecialCount>& counters = {});

// Hands one character code to the board's key handler; effects (help, leaving) are dropped.
void pressKey(Session& s, char key);

// The dump: play state, positions, board variables, controls, the view, the map and the state grid.
std::string dump(const Session& s);

}  // namespace quobbles::sim
