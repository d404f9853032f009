// The versions of level and profile files that the crash saver writes and the crash test checks.
// Each version says which saver run (round) and which step of it wrote it, and every byte of it
// follows from those two numbers, so a torn file or one mixed from two versions never passes
// for a whole one.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "state/game_state.h"

namespace quobbles::crash {

struct Stamp {
  int round = 0;
  int step = 0;
  friend bool operator==(const Stamp&, const Stamp&) = default;
};

// The editor levels the saver writes (the second, with a long name, it also marks as passed as
// the board's Esc does), and its player.
const std::vector<std::string>& levelNames();
inline constexpr const char* kPlayer = "Crash test player";

Level levelVersion(int round, int step);
Profile profileVersion(int round, int step);
// The stamp of a whole version, or nullopt for anything else. A level may carry status 0 (as
// the editor saves it) or 2 (marked as passed).
std::optional<Stamp> levelStamp(const Level& level, const std::string& name);
std::optional<Stamp> profileStamp(const Profile& profile);

}  // namespace quobbles::crash
