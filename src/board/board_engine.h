// The board's rules: level start and the view, the key handler and the turn driver, the
// player's move, death and the passed level, and the warning lines. They work on the shared
// game state and the board model only; the window renders the model after every key.
#pragma once

#include <cstdint>

#include "board/board_model.h"
#include "state/game_state.h"

namespace quobbles::board {

// Key codes the board understands.
namespace key {
constexpr int16_t kDown = 50, kLeft = 52, kPass = 53, kRight = 54, kUp = 56;
constexpr int16_t kInvisibility = 'c', kMine = 'v', kRemoveBlock = 'b', kAttack = 'n', kImmortality = 'm';
constexpr int16_t kViewLeft = 'a', kViewRight = 'd', kViewUp = 'w', kViewDown = 'x', kCentre = 's';
constexpr int16_t kHelp = 32, kEsc = 27;
}  // namespace key

// Level start and drawing.
void Form_Load(GameState& g, BoardModel& b);
void Pelin_aloitus(GameState& g, BoardModel& b);
void kartan_piirto(GameState& g, BoardModel& b);

// Keys. Effects for the window collect in b.effects; takeEffects hands them over.
void Form_KeyPress(GameState& g, BoardModel& b, int16_t KeyAscii);
void Kauko_nappi(GameState& g, BoardModel& b, int16_t Kii);
BoardEffects takeEffects(BoardModel& b);

// One turn and its parts.
void Vuoron_suoritus(GameState& g, BoardModel& b);
void Pelaajan_liikutus(GameState& g, BoardModel& b);
void TukipintaTesti(GameState& g, BoardModel& b);
void GravTesti(GameState& g, BoardModel& b);
void Teleportitus(GameState& g);
void Kuolla_Kups(GameState& g, BoardModel& b);
void Kenttä_läpi(GameState& g, BoardModel& b);
void Varo_valojen_siirto(BoardModel& b);

// The specials counters mAna(0..4): read as a number, written back changed by delta;
// they never leave 0..kCounterLimit.
int32_t counter(const BoardModel& b, int index);
void addToCounter(BoardModel& b, int index, int32_t delta);

}  // namespace quobbles::board
