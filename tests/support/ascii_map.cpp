// Levels from ASCII pictures, for tests.
#include "support/ascii_map.h"

#include <stdexcept>

#include "state/tiles.h"

namespace quobbles::testing {

namespace {

// The tiles' own characters (as in levels written as text), with the extra ones on top.
std::map<char, uint8_t> legendWith(const std::map<char, uint8_t>& extra) {
  std::map<char, uint8_t> legend;
  for (const Tile& t : kTiles) legend[t.symbol] = t.code;
  for (const auto& [ch, code] : extra) legend[ch] = code;
  return legend;
}

}  // namespace

Level levelFromPicture(const std::vector<std::string>& rows, char fill,
                       const std::map<char, uint8_t>& extra) {
  const auto legend = legendWith(extra);
  auto codeOf = [&legend](char ch) {
    const auto it = legend.find(ch);
    if (it == legend.end()) throw std::invalid_argument(std::string("no tile for character '") + ch + "'");
    return it->second;
  };
  Level level;
  level.MapGrid.fill(codeOf(fill));
  if (rows.size() > kMapSize) throw std::invalid_argument("picture taller than the map");
  for (std::size_t y = 0; y < rows.size(); ++y) {
    if (rows[y].size() > kMapSize) throw std::invalid_argument("picture wider than the map");
    for (std::size_t x = 0; x < rows[y].size(); ++x)
      level.code(static_cast<int>(x), static_cast<int>(y)) = codeOf(rows[y][x]);
  }
  return level;
}

std::vector<std::string> pictureOf(const Level& level, int width, int height,
                                   const std::map<char, uint8_t>& extra) {
  const auto legend = legendWith(extra);
  std::vector<std::string> rows;
  for (int y = 0; y < height; ++y) {
    std::string row;
    for (int x = 0; x < width; ++x) {
      char found = '?';
      for (const auto& [ch, code] : legend)
        if (code == level.code(x, y) && (found == '?' || extra.count(ch))) found = ch;
      row.push_back(found);
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace quobbles::testing
