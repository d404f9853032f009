// A session: the game state and the play model together, one value. The game holds one for the
// whole run; the board window, quobbles-sim, the solver and the tests all play through press(),
// and undo, restart or a search are copies of the value.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "play/board_model.h"
#include "state/game_state.h"

namespace quobbles {

struct Session {
  GameState game;
  BoardModel board;
  friend bool operator==(const Session&, const Session&) = default;
};

// The game's session; zero when the program starts.
Session& sharedSession();

// Starts the level held in the record, as the board window does when it loads.
void startLevel(Session& s);

// Hands one key (its character code) to the board and returns what the window must do beyond
// redrawing: open the help, leave the board, save the player's progress.
[[nodiscard]] BoardEffects press(Session& s, int16_t key);

// Plays a string of keys, one character code each, as a replay does: the effects are dropped.
void replay(Session& s, std::string_view keys);

// A test play of `level` (passing records nothing), started with the given specials counters.
[[nodiscard]] Session startTestPlay(const Level& level,
                                    const std::array<int32_t, kSpecialCount>& counters = {});

}  // namespace quobbles
