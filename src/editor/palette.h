// The editor's palette: which tiles the level maker may draw, in which row and order, and the
// caption (tool tip) of each, as the tile table gives them. The candle stands apart, and the
// hidden pictures (start square, explosion, code 8, dark square) are never offered for drawing.
#pragma once

#include <vector>

#include "state/tiles.h"

namespace quobbles::editor {

constexpr int kPaletteRows = 6;

// The palette's rows, top to bottom, each left to right.
const std::vector<std::vector<const Tile*>>& paletteRows();
// The tile set apart under "Don't use too much:" (no limit is enforced).
const Tile& setApartTile();

}  // namespace quobbles::editor
