// Helpers of the rules scenario tests: a level drawn as an ASCII picture, started as the board
// starts it and played key by key, with short reads of the squares and counters that matter.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "board/board_engine.h"
#include "board/board_model.h"
#include "sim/session.h"
#include "state/game_state.h"
#include "state/tiles.h"
#include "support/ascii_map.h"
#include "world/world_rules.h"

namespace quobbles {

// Readable failure messages for squares and colours.
inline void PrintTo(const BytePos& p, std::ostream* os) {
  *os << "(" << int(p.x) << ", " << int(p.y) << ")";
}
inline void PrintTo(const WordPos& p, std::ostream* os) {
  *os << "(" << p.x << ", " << p.y << ")";
}
inline void PrintTo(const Rgb& c, std::ostream* os) {
  *os << "RGB(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
}

}  // namespace quobbles

namespace quobbles::testing {

using Counters = std::array<int32_t, kSpecialCount>;

using Picture = std::vector<std::string>;

// One level in play. The player starts on (0, 0), as every level does.
struct Scenario {
  sim::Session s;

  explicit Scenario(const std::vector<std::string>& rows, Counters counters = {},
                    const std::map<char, uint8_t>& legend = {})
      : s(sim::startSession(levelFromPicture(rows, '.', legend), counters)) {}

  void keys(std::string_view keys) {
    for (char k : keys) sim::pressKey(s, k);
  }

  GameState& g() { return s.game; }
  BoardModel& b() { return s.board; }
  BoardVariables& vars() { return s.board.vars; }
  BoardControls& controls() { return s.board.controls; }

  uint8_t code(int x, int y) const { return s.game.code(x, y); }
  uint8_t state(int x, int y) const { return s.game.state(x, y); }
  void put(int x, int y, uint8_t code, uint8_t state = 0) {
    s.game.code(x, y) = code;
    s.game.state(x, y) = state;
  }
  BytePos player() const { return s.game.PlayerPos; }
  // Plays the keys and tells where the player stands afterwards.
  BytePos after(std::string_view k) {
    keys(k);
    return player();
  }
  // The top-left corner of the map as a picture in the default legend of ascii_map.h.
  std::vector<std::string> picture(int width, int height) const {
    return pictureOf(s.game.level, width, height);
  }
  void placePlayer(int x, int y) { s.game.PlayerPos = {static_cast<uint8_t>(x), static_cast<uint8_t>(y)}; }
  int32_t counter(int index) const { return s.board.controls.mAna[index]; }
  Counters counters() const { return s.board.controls.mAna; }
  uint8_t face() const { return s.board.controls.face; }
  Rgb light(int line) const { return s.board.controls.lines[line - 1].colour; }  // Line1(1..4)
};

inline BytePos at(int x, int y) {
  return {static_cast<uint8_t>(x), static_cast<uint8_t>(y)};
}

}  // namespace quobbles::testing
