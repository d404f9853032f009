// Logging in to the campaign: the main menu's Pelaajatietojen_tyhjennys empties the profile in
// memory and Loggautuminen asks for a name and loads that player's profile, or creates it.
#pragma once

#include <string>

#include "state/game_state.h"
#include "state/prompts.h"

namespace quobbles {

// The texts of the log-in dialogs.
inline constexpr const char* kLoginTitle = "Loging:";
inline constexpr const char* kLoginPrompt = "Enter your player name:";

// LoginName and PlayerName empty, every LevelPassed and LevelStars flag 0.
void Pelaajatietojen_tyhjennys(GameState& g);

enum class LoginResult {
  kStayInMenu,  // cancelled, refused, or the new profile could not be written
  kLoggedIn,    // the profile is in memory (and on disk): open the map selection
};

// MapNumber goes to 0; then the typed name's profile is read, or created on request. A name
// that cannot be a file name is refused before any file is touched. A profile file that
// cannot be read whole is never half loaded: the player is asked whether to replace it.
// Whenever the menu stays, no player is logged in (both names empty, the flags cleared).
[[nodiscard]] LoginResult Loggautuminen(GameState& g, Prompts& prompts);

}  // namespace quobbles
