// The palette's rows, read off the tile table.
#include "editor/palette.h"

#include <algorithm>

namespace quobbles::editor {

const std::vector<std::vector<const Tile*>>& paletteRows() {
  static const auto rows = [] {
    std::vector<std::vector<const Tile*>> out(kPaletteRows);
    for (const Tile& t : kTiles)
      if (t.paletteRow >= 0 && t.paletteRow < kPaletteRows)
        out[static_cast<std::size_t>(t.paletteRow)].push_back(&t);
    for (auto& row : out)
      std::sort(row.begin(), row.end(),
                [](const Tile* a, const Tile* b) { return a->paletteColumn < b->paletteColumn; });
    return out;
  }();
  return rows;
}

const Tile& setApartTile() {
  static const Tile& apart =
      *std::find_if(kTiles.begin(), kTiles.end(), [](const Tile& t) { return t.paletteRow == kSetApart; });
  return apart;
}

}  // namespace quobbles::editor
