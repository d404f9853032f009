// The board's rules: level start, the key handler and the turn driver, the player's move, death
// and the passed level. They work on the game state and the play model only; the window renders
// the model after every key (see board/session.h for the one entry point).
#pragma once

#include <cstdint>
#include <functional>

#include "play/board_model.h"
#include "state/game_state.h"

namespace quobbles::board {

// Key codes the board understands.
namespace key {
constexpr int16_t kDown = 50, kLeft = 52, kPass = 53, kRight = 54, kUp = 56;
constexpr int16_t kInvisibility = 'c', kMine = 'v', kRemoveBlock = 'b', kAttack = 'n', kImmortality = 'm';
constexpr int16_t kViewLeft = 'a', kViewRight = 'd', kViewUp = 'w', kViewDown = 'x', kCentre = 's';
constexpr int16_t kHelp = 32, kEsc = 27;
}  // namespace key

// Level start.
void Form_Load(GameState& g, BoardModel& b);
void Pelin_aloitus(GameState& g, BoardModel& b);

// Keys. Effects for the window collect in b.effects.
void Form_KeyPress(GameState& g, BoardModel& b, int16_t KeyAscii);

// One turn and its parts.
void Vuoron_suoritus(GameState& g, BoardModel& b);
// The world's answer to the player's move within a turn: block activation (unless invisibility
// is armed), the hangers' start and the movement pass.
void worldAnswer(GameState& g, BoardModel& b);
// A move key ("2", "4", "5", "6", "8") as Form_KeyPress plays it, with `answer` in place of
// worldAnswer and without the redraw, for a search that plays many turns from one state and
// never shows the view: with worldAnswer it changes everything the key changes but the view.
// True when the turn ran to its end (false when the game had already ended or the exit was reached).
bool playMoveKey(GameState& g, BoardModel& b, int16_t key,
                 const std::function<void(GameState&, BoardModel&)>& answer);
void Pelaajan_liikutus(GameState& g, BoardModel& b);
void TukipintaTesti(GameState& g, BoardModel& b);
void GravTesti(GameState& g, BoardModel& b);
void Teleportitus(GameState& g);
void Kuolla_Kups(GameState& g, BoardModel& b);
void Kenttä_läpi(GameState& g, BoardModel& b);

}  // namespace quobbles::board
