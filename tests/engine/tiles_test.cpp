// The tile table against the rules as the game states them, code by code: which codes may stand
// in a map, that each has one map character for levels written as text and a caption wherever the
// palette offers it, and for each the ranges the rules are written in (the player enters codes
// below 19, codes of 20 or more kill, and so on). The palette's contents are checked against the
// campaign, which shows every tile of it (campaign_test.cpp).
#include "state/tiles.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quobbles {
namespace {

TEST(Tiles, TheTableHoldsExactlyTheCodesThatMayStandInAMapEachWithItsCharacter) {
  std::set<int> expected, valid, symbols;
  for (const auto& [from, to] :
       {std::pair{0, 16}, {18, 25}, {40, 40}, {60, 68}, {80, 86}, {99, 106}, {120, 120}})
    for (int c = from; c <= to; ++c) expected.insert(c);
  for (int c = -1; c <= 256; ++c)
    if (isValidTileCode(c)) valid.insert(c);
  EXPECT_EQ(valid, expected);
  for (const Tile& t : kTiles) {
    EXPECT_EQ(tileOf(t.code).code, t.code);
    EXPECT_EQ(codeOfSymbol(t.symbol), std::optional<uint8_t>(t.code)) << t.name;  // one character each
    EXPECT_EQ(t.caption != nullptr, t.paletteRow != kHiddenFromPalette) << t.name;
    symbols.insert(t.symbol);
  }
  EXPECT_EQ(symbols.size(), kTiles.size());
  EXPECT_STREQ(tileOf(tile::RemoveBlock).caption, "Remove block ");  // with its trailing blank
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

}  // namespace
}  // namespace quobbles
