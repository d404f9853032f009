// Drawing the board: the 9 x 9 view around the player (off-map squares as walls, the candle's
// dark view, hangers by their heading) and the four warning lines that follow the player's row
// and column along the board's edges.
#pragma once

#include "play/board_model.h"
#include "state/game_state.h"

namespace quobbles::play {

// Redraws the 81 view pictures.
void kartan_piirto(const GameState& g, BoardModel& b);
// Moves the warning lines along their edges to the player figure's row and column.
void Varo_valojen_siirto(BoardModel& b);

}  // namespace quobbles::play
