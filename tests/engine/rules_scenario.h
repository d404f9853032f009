// Helpers of the rules scenario tests: a level drawn as an ASCII picture, started as the board
// starts it and played key by key, with the fields and squares that matter read in one go.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "board/board_engine.h"
#include "board/session.h"
#include "play/board_model.h"
#include "play/board_view.h"
#include "sim/dump.h"
#include "state/game_state.h"
#include "state/tiles.h"
#include "support/ascii_map.h"
#include "world/world_rules.h"

namespace quobbles::testing {

using Counters = std::array<int32_t, kSpecialCount>;
using Picture = std::vector<std::string>;

// Plays `keys`, then compares the fields named in `text` with it (see Scenario::fields).
#define EXPECT_AFTER(play, keys, text) EXPECT_EQ((play).fieldsAfter(keys, text), text)
#define EXPECT_SHOWS(play, text) EXPECT_AFTER(play, "", text)

// The warning lights as the dump writes them: as designed, and all grey after a scan saw nothing.
inline const std::string kDesignLights = "lights 192,192,192 192,192,192 192,192,192 192,192,192";
inline const std::string kGreyLights = "lights 128,128,128 128,128,128 128,128,128 128,128,128";

// One level in play. The player starts on (0, 0), as every level does.
struct Scenario {
  Session s;

  explicit Scenario(const Picture& rows, Counters counters = {})
      : s(startTestPlay(levelFromPicture(rows), counters)) {}

  Scenario& keys(std::string_view keys) {
    replay(s, keys);
    return *this;
  }
  // The fields named in `text` ("player 1 0, face 5, (3,0) 80/1"), each written as quobbles-sim's
  // dump writes it; "(x,y)" names that square as its code and state byte.
  std::string fields(std::string_view text) const {
    const std::string dump = "\n" + sim::dump(s);
    std::string out;
    for (std::size_t from = 0; from < text.size();) {
      const std::size_t end = std::min(text.find(", ", from), text.size());
      const std::string name(text.substr(from, text.find(' ', from) - from));
      int x = 0, y = 0;
      std::string field = name + " missing";
      if (std::sscanf(name.c_str(), "(%d,%d)", &x, &y) == 2) {
        field = name + " " + std::to_string(code(x, y)) + "/" + std::to_string(state(x, y));
      } else if (const std::size_t at = dump.find("\n" + name + " "); at != std::string::npos) {
        field = dump.substr(at + 1, dump.find('\n', at + 1) - at - 1);
      }
      out += (out.empty() ? "" : ", ") + field;
      from = end + 2;
    }
    return out;
  }
  std::string fieldsAfter(std::string_view k, std::string_view text) { return keys(k).fields(text); }

  GameState& g() { return s.game; }
  BoardModel& b() { return s.board; }
  BoardControls& controls() { return s.board.controls; }
  uint8_t code(int x, int y) const { return s.game.code(x, y); }
  uint8_t state(int x, int y) const { return s.game.state(x, y); }
  void put(int x, int y, uint8_t code, uint8_t state = 0) {
    s.game.code(x, y) = code;
    s.game.state(x, y) = state;
  }
  void placePlayer(int x, int y) { s.game.PlayerPos = {static_cast<uint8_t>(x), static_cast<uint8_t>(y)}; }
  // The top-left corner of the map in the default legend of ascii_map.h.
  Picture picture(int width, int height) const { return pictureOf(s.game.level, width, height); }
};

}  // namespace quobbles::testing
