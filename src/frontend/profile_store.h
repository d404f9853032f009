// Where players' profiles live (Players/<name>.plr below the data folder) and saving one,
// with the checks that keep a typed name from ever reaching outside that folder.
#pragma once

#include <filesystem>
#include <string>

#include "state/file_io.h"
#include "state/game_state.h"
#include "state/prompts.h"

namespace quobbles {

// The profile file of a player name (Windows-1252 bytes), found whatever its letter case.
// The name must have passed fileNameProblem.
std::filesystem::path profilePath(const std::string& playerName);

// Empty when a player name (Windows-1252) can name a profile file: it passes fileNameProblem
// and its file name fits the Players folder. Otherwise the reason. No file is touched.
[[nodiscard]] std::string playerNameProblem(const std::string& playerName);

// Writes the profile to the file named by its PlayerName, creating the Players folder if it is
// missing. Returns an empty text on success, else the reason, in words for a message box.
// `caution` gets a warning for a save that succeeded but may not survive a power loss.
[[nodiscard]] std::string saveProfile(const Profile& profile, std::string* caution = nullptr);

// Pelaajan_seivaus: writes the logged-in player's profile after a campaign map was passed. A
// profile that cannot be written is reported; the progress stays in memory until the next save.
void Pelaajan_seivaus(const GameState& g, Prompts& prompts);

}  // namespace quobbles
