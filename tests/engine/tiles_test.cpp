// The tile table against the rules as the game states them, code by code: which codes may stand
// in a map, and for each the ranges the rules are written in (the player enters codes below 19,
// codes of 20 or more kill, and so on). The palette and the level-text legend read the same table.
#include "state/tiles.h"

#include <gtest/gtest.h>

#include <set>

#include "editor/palette.h"

namespace quobbles {
namespace {

TEST(Tiles, TheTableHoldsExactlyTheCodesThatMayStandInAMap) {
  std::set<int> expected;
  for (const auto& [from, to] :
       {std::pair{0, 16}, {18, 25}, {40, 40}, {60, 68}, {80, 86}, {99, 106}, {120, 120}})
    for (int c = from; c <= to; ++c) expected.insert(c);
  std::set<int> valid, symbols;
  for (int c = 0; c < 256; ++c)
    if (isValidTileCode(c)) valid.insert(c);
  EXPECT_EQ(valid, expected);
  EXPECT_FALSE(isValidTileCode(-1) || isValidTileCode(256));
  for (const Tile& t : kTiles) {
    EXPECT_EQ(tileOf(t.code).code, t.code);
    EXPECT_EQ(codeOfSymbol(t.symbol), std::optional<uint8_t>(t.code)) << t.name;  // one character each
    symbols.insert(t.symbol);
  }
  EXPECT_EQ(symbols.size(), kTiles.size());
}

TEST(Tiles, EveryCodeFollowsTheRangesOfTheRules) {
  for (const Tile& t : kTiles) {
    const int c = t.code;
    EXPECT_EQ(isEnterable(t.code), c < 19) << c;
    EXPECT_EQ(isDeadly(t.code), c == 18 || c >= 20) << c;
    EXPECT_EQ(holdsUp(t.code), c >= 19) << c;
    EXPECT_EQ(isRemovable(t.code), (c >= 19 && c <= 39) || c >= 80) << c;
    EXPECT_EQ(blocksSight(t.code), c > 19) << c;
    EXPECT_EQ(isDoor(t.code), c >= 40 && c <= 59) << c;
    EXPECT_EQ(isPermanentWall(t.code), (c >= 60 && c <= 65) || c == 67 || c == 68) << c;
    EXPECT_EQ(moverMayEnter(t.code), c <= 19 && c != 5 && c != 6 && c != 7) << c;
    EXPECT_EQ(keepsDirection(t.code), c >= 100) << c;
    EXPECT_EQ(pickUpCounter(t.code), c >= 10 && c <= 14 ? std::optional<int>(c - 10) : std::nullopt) << c;
  }
}

TEST(Tiles, ThePaletteOffersItsRowsInTheirOrder) {
  const std::vector<std::vector<int>> rows = {
      {0, 15, 1, 66, 40, 4, 5, 120, 19}, {10, 11, 12, 13, 14, 6, 7, 18, 9},
      {20, 21, 22, 23, 24, 25},          {64, 60, 62, 63, 61, 65, 67, 68},
      {80, 81, 82, 83, 84, 85, 86},      {100, 101, 102, 103, 104, 105, 106}};
  std::vector<std::vector<int>> shown;
  for (const auto& row : editor::paletteRows()) {
    shown.emplace_back();
    for (const Tile* t : row) shown.back().push_back(t->code);
  }
  EXPECT_EQ(shown, rows);
  EXPECT_EQ(editor::setApartTile().code, tile::Candle);
  EXPECT_STREQ(tileOf(tile::RemoveBlock).caption, "Remove block ");  // with its trailing blank
}

}  // namespace
}  // namespace quobbles
