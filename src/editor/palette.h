// The editor's palette: which tiles the level maker may draw, in which row, and the caption
// (tool tip) of each. The candle stands apart, and the four hidden pictures (start square,
// explosion, code 8, dark square) are never offered for drawing.
#pragma once

#include <cstdint>
#include <vector>

namespace quobbles::editor {

struct PaletteEntry {
  uint8_t code;
  const char* caption;
};

inline const std::vector<std::vector<PaletteEntry>>& paletteRows() {
  static const std::vector<std::vector<PaletteEntry>> rows = {
      {{0, "Empty"},
       {15, "Star"},
       {1, "Button"},
       {66, "Exit"},
       {40, "Door"},
       {4, "Mine"},
       {5, "Players door"},
       {120, "Hanger"},
       {19, "Shadow wall"}},
      {{10, "Invisibility"},
       {11, "Mine stuff"},
       {12, "Remove block "},
       {13, "Four direction shoot"},
       {14, "Immortality"},
       {6, "Gravity left"},
       {7, "Gravity right"},
       {18, "Spike ball"},
       {9, "Teleport"}},
      {{20, "Wall (able to broke)"},
       {21, "Wall (able to broke)"},
       {22, "Wall (able to broke)"},
       {23, "Wall (able to broke)"},
       {24, "Wall (able to broke)"},
       {25, "Wall (able to broke)"}},
      {{64, "Permanent wall"},
       {60, "Permanent wall"},
       {62, "Permanent wall"},
       {63, "Permanent wall"},
       {61, "Permanent wall"},
       {65, "Permanent wall"},
       {67, "Permanent wall"},
       {68, "Permanent wall"}},
      {{80, "Moving block"},
       {81, "Moving block"},
       {82, "Moving block"},
       {83, "Moving block"},
       {84, "Moving block"},
       {85, "Moving block"},
       {86, "Moving block"}},
      {{100, "Moving block"},
       {101, "Moving block"},
       {102, "Moving block"},
       {103, "Moving block"},
       {104, "Moving block"},
       {105, "Moving block"},
       {106, "Moving block"}},
  };
  return rows;
}

// Set apart under "Don't use too much:" (no limit is enforced).
inline constexpr PaletteEntry kCandleEntry{16, "Candle"};

}  // namespace quobbles::editor
