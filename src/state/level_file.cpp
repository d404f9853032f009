// Reading and writing the ".lev" level record.
#include "state/level_file.h"

#include "state/tiles.h"

namespace quobbles {

Bytes encodeLevel(const Level& level) {
  Bytes out;
  out.reserve(kLevelRecordFixedBytes + level.LevelName.size());
  const std::size_t nameLength = std::min<std::size_t>(level.LevelName.size(), 0xFFFF);
  putU16(out, static_cast<uint16_t>(nameLength));
  out.insert(out.end(), level.LevelName.begin(), level.LevelName.begin() + static_cast<long>(nameLength));
  putU16(out, static_cast<uint16_t>(level.EditCode));
  putU16(out, static_cast<uint16_t>(level.LevelStatus));
  out.insert(out.end(), level.MapGrid.begin(), level.MapGrid.end());
  return out;
}

Outcome<Level> decodeLevel(const Bytes& bytes) {
  if (bytes.empty()) return Outcome<Level>::fail("The level file is empty.");
  if (bytes.size() < 2) return Outcome<Level>::fail("The level file is too short to hold a level.");
  const std::size_t nameLength = getU16(bytes, 0);
  if (bytes.size() < kLevelRecordFixedBytes + nameLength)
    return Outcome<Level>::fail("The level file is too short: it ends inside the level.");

  Level level;
  level.LevelName.assign(bytes.begin() + 2, bytes.begin() + 2 + static_cast<long>(nameLength));
  level.EditCode = static_cast<int16_t>(getU16(bytes, 2 + nameLength));
  level.LevelStatus = static_cast<int16_t>(getU16(bytes, 4 + nameLength));
  const std::size_t mapStart = 6 + nameLength;
  for (int i = 0; i < kSquares; ++i) {
    const uint8_t c = bytes[mapStart + static_cast<std::size_t>(i)];
    if (!isValidTileCode(c))
      return Outcome<Level>::fail("The level file holds an unknown square code " + std::to_string(c) +
                                  " at (" + std::to_string(i % kMapSize) + ", " +
                                  std::to_string(i / kMapSize) + ").");
    level.MapGrid[static_cast<std::size_t>(i)] = c;
  }
  return Outcome<Level>::ok(std::move(level));
}

Outcome<Level> ReadLevel(const std::filesystem::path& path) {
  Outcome<Bytes> bytes = readFileStart(path, kMaxLevelFileRead);
  if (!bytes) return Outcome<Level>::fail(bytes.reason);
  return decodeLevel(*bytes.value);
}

std::string WriteLevel(const std::filesystem::path& path, const Level& level, std::string* caution) {
  return replaceFile(path, encodeLevel(level), caution);
}

}  // namespace quobbles
