// The world's answer to the player each turn: moving blocks that see him, the movement pass
// of blocks and hangers, hangers' start and turning, the blasts of the specials, pick-ups,
// stars, candles, buttons and doors.
#pragma once

#include "play/board_model.h"
#include "state/game_state.h"

namespace quobbles::world {

// Directions held in the state grid: 1 left, 2 down, 3 right, 4 up.
constexpr uint8_t kMoveLeft = 1, kMoveDown = 2, kMoveRight = 3, kMoveUp = 4;
// State-grid marks of the movement pass.
constexpr uint8_t kVacated = 10;         // a mover left this square in the current pass
constexpr uint8_t kMovedMark = 10;       // added to a direction once the mover has moved
constexpr uint8_t kExplosionDue = 5;     // cleared in this turn's pass
constexpr uint8_t kMineExplosion = 15;   // made by a mine during the pass
constexpr uint8_t kBlastExplosion = 25;  // made by a blast before the pass

// True when it gave a block a direction (it writes nothing else into the grids).
bool Palikat_liikkeeseen(GameState& g, BoardModel& b);
void Viholliset_liikkeeseen(GameState& g);
void Palikoiden_liikutus(GameState& g);
void Äxönin_poisto(GameState& g);
// The turning rule of a blocked hanger on (x, y): the square to move to (possibly its own).
WordPos hangerTurn(GameState& g, int x, int y);

void Pomautus(GameState& g, BoardModel& b);
void Ampuminen(GameState& g, BoardModel& b);
void Reunan_tarkistus(GameState& g);

void Bonuksen_Keräys(GameState& g, BoardModel& b);
void Ovet_auki(GameState& g);

}  // namespace quobbles::world
