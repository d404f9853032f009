// The ".lev" level file: one Level record, little-endian, 2506 + N bytes (N = name length).
// Readers return a whole record or a reason; bytes after the record are ignored.
#pragma once

#include <filesystem>
#include <string>

#include "state/file_io.h"
#include "state/game_state.h"

namespace quobbles {

constexpr std::size_t kLevelRecordFixedBytes = 2506;  // everything but the name
constexpr std::size_t kMaxLevelFileRead = kLevelRecordFixedBytes + 0xFFFF;

Bytes encodeLevel(const Level& level);
// Refuses a record that is cut short or holds a map byte that is not a tile code.
Outcome<Level> decodeLevel(const Bytes& bytes);

Outcome<Level> ReadLevel(const std::filesystem::path& path);
// Replaces the file whole; returns an empty text on success, else the reason. `caution` gets a
// warning for a save that succeeded but may not survive a power loss (see replaceFile).
[[nodiscard]] std::string WriteLevel(const std::filesystem::path& path, const Level& level,
                                     std::string* caution = nullptr);

}  // namespace quobbles
