// Levels as readable text, so that a shipped map can be reviewed in a diff: a header of
// "key: value" lines, then the map, one character per square. quobbles-mklevel turns the text
// into a ".lev" file; the campaign tests read the same text in-process.
//
//   ; a comment (header only)
//   name: Trip to the Garden       the level's name (UTF-8 here, Windows-1252 in the file)
//   code: 16                       the edit code, -32768..32767
//   status: 1                      0 never passed, 1 campaign map, 2 passed
//   fill: #                        the square for everything the map rows leave out (default #)
//   solution: 6622                 optional: keys that pass the level
//   stars: 66224                   optional: keys that pass it with every star collected
//   needs: mine remove-block       optional: specials the level cannot be passed without
//   map:
//   ..w..E
//
// After "map:" every line is a row of the map, from row 0 down; at most 50 rows of at most 50
// squares. Blank lines at the very end are ignored; a blank line inside the map is a row of fill.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "state/file_io.h"
#include "state/game_state.h"

namespace quobbles::sim {

// The map characters are the tiles' own (state/tiles.h: codeOfSymbol, symbolOf).

// The five specials as named after "needs:", with the code of their pick-up.
struct SpecialName {
  const char* name;
  uint8_t pickUp;
};
extern const std::array<SpecialName, 5> kSpecialNames;

struct LevelText {
  Level level;
  std::string solution;        // may be empty
  std::string starSolution;    // may be empty
  std::vector<uint8_t> needs;  // pick-up codes (10..14) of the specials the level needs
  int rows = 0;                // map rows given in the text
};

// Reads the text; the reason of a refusal names the line ("line 7: ...").
Outcome<LevelText> parseLevelText(std::string_view text);

// The text of a level (header and the rows up to the last one that is not all fill).
std::string formatLevelText(const LevelText& text, char fill = '#');

}  // namespace quobbles::sim
