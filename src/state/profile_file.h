// The ".plr" player profile: the player's name and, for each campaign map 0..255, whether it
// was passed and whether all its stars were collected. Little-endian, 1026 + N bytes.
#pragma once

#include <filesystem>
#include <string>

#include "state/file_io.h"
#include "state/game_state.h"

namespace quobbles {

constexpr std::size_t kProfileFixedBytes = 1026;  // everything but the name
constexpr std::size_t kMaxProfileFileRead = kProfileFixedBytes + 0xFFFF;

Bytes encodeProfile(const Profile& profile);
// Refuses a record that is cut short; bytes after the record are ignored.
Outcome<Profile> decodeProfile(const Bytes& bytes);

Outcome<Profile> readProfile(const std::filesystem::path& path);
// Replaces the file whole; returns an empty text on success, else the reason. `caution` gets a
// warning for a save that succeeded but may not survive a power loss (see replaceFile).
[[nodiscard]] std::string writeProfile(const std::filesystem::path& path, const Profile& profile,
                                       std::string* caution = nullptr);

}  // namespace quobbles
