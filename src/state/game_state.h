// The game state: the level record, the state grid, the working squares, the play state and the
// player profile. The game keeps one for the whole run, in its session with the play model.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "state/check.h"

namespace quobbles {

constexpr int kMapSize = 50;
constexpr int kSquares = kMapSize * kMapSize;
constexpr int kCampaignSlots = 256;

// The files store a Boolean as a 16-bit word, True with all bits set.
constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;

using Grid = std::array<uint8_t, kSquares>;

inline int squareIndex(int x, int y) {
  QUOBBLES_CHECK(x >= 0 && x < kMapSize && y >= 0 && y < kMapSize);
  return y * kMapSize + x;
}

// A square held in two unsigned bytes (the player's square, the view offset).
struct BytePos {
  uint8_t x = 0;
  uint8_t y = 0;
  friend bool operator==(const BytePos&, const BytePos&) = default;
};

// A square held in two signed words (working squares, the map extent); may lie off the map.
struct WordPos {
  int16_t x = 0;
  int16_t y = 0;
  friend bool operator==(const WordPos&, const WordPos&) = default;
};

enum LevelStatusValue : int16_t {
  kUnpassed = 0,     // never passed outside the editor since it was last saved
  kCampaignMap = 1,  // a map of the campaign
  kPassed = 2,       // passed once from "Play other maps"
};

// One level as it is stored in a ".lev" file.
struct Level {
  std::string LevelName;  // one byte per character, Windows-1252
  int16_t EditCode = 0;
  int16_t LevelStatus = kUnpassed;
  Grid MapGrid{};

  uint8_t& code(int x, int y) { return MapGrid[squareIndex(x, y)]; }
  uint8_t code(int x, int y) const { return MapGrid[squareIndex(x, y)]; }
  friend bool operator==(const Level&, const Level&) = default;
};

// A player's campaign progress as it is stored in a ".plr" file.
struct Profile {
  std::string PlayerName;  // one byte per character, Windows-1252
  std::array<int16_t, kCampaignSlots> LevelPassed{};
  std::array<int16_t, kCampaignSlots> LevelStars{};
  friend bool operator==(const Profile&, const Profile&) = default;
};

struct GameState {
  Level level;
  Grid StateGrid{};   // per-square state: mover directions, explosion timers, hanger facings
  BytePos PlayerPos;  // the player's square; the editor's view centre
  WordPos TargetPos;  // the square the player tries to enter this turn
  WordPos ScanPos;    // working square of sweeps, the edge clamp and the blast
  WordPos MapMax;     // highest valid x and y: (49, 49) in play, the extent in the editor
  int16_t LastMoveKey = 0;
  uint8_t PlayState = 0;        // 0 playing, 1 dead, 2 passed
  uint8_t MapNumber = 0;        // campaign map selected last
  bool EditorTestPlay = false;  // the level was started from the editor
  std::string LevelPath;        // file chosen with "Play other maps"
  Profile profile;
  std::string LoginName;  // the name typed at the last log-in

  uint8_t& code(int x, int y) { return level.MapGrid[squareIndex(x, y)]; }
  uint8_t code(int x, int y) const { return level.MapGrid[squareIndex(x, y)]; }
  uint8_t& state(int x, int y) { return StateGrid[squareIndex(x, y)]; }
  uint8_t state(int x, int y) const { return StateGrid[squareIndex(x, y)]; }
  bool insideMap(int x, int y) const { return x >= 0 && x <= MapMax.x && y >= 0 && y <= MapMax.y; }
  friend bool operator==(const GameState&, const GameState&) = default;
};

}  // namespace quobbles
