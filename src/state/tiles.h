// The tiles: one table says, for every code that may stand in a map, its name, its character in
// levels written as text, its picture, the rules of play that apply to it and where the editor's
// palette offers it. The rules' predicates, the palette, the level-text legend, the texture help
// and the picture store all read this table; no other place writes down what a tile is.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace quobbles {

namespace tile {
constexpr uint8_t Empty = 0;
constexpr uint8_t Button = 1;
constexpr uint8_t StartSquare = 2;
constexpr uint8_t Explosion = 3;
constexpr uint8_t Mine = 4;
constexpr uint8_t PlayersDoor = 5;
constexpr uint8_t GravityLeft = 6;
constexpr uint8_t GravityRight = 7;
constexpr uint8_t HiddenPicture8 = 8;
constexpr uint8_t Teleport = 9;
constexpr uint8_t Invisibility = 10;
constexpr uint8_t MineStuff = 11;
constexpr uint8_t RemoveBlock = 12;
constexpr uint8_t FourDirectionShoot = 13;
constexpr uint8_t Immortality = 14;
constexpr uint8_t Star = 15;
constexpr uint8_t Candle = 16;
constexpr uint8_t SpikeBall = 18;
constexpr uint8_t ShadowWall = 19;
constexpr uint8_t BreakableWall = 20;  // 20..25
constexpr uint8_t Door = 40;
constexpr uint8_t PermanentWall = 60;  // 60..65, 67, 68
constexpr uint8_t Exit = 66;
constexpr uint8_t BrownBlock = 80;  // 80..86
constexpr uint8_t BrownBlockVertical = 81;
constexpr uint8_t BrownBlockHorizontal = 82;
constexpr uint8_t BrownBlockRight = 83;
constexpr uint8_t BrownBlockUp = 84;
constexpr uint8_t BrownBlockLeft = 85;
constexpr uint8_t BrownBlockDown = 86;
constexpr uint8_t DarkSquare = 99;
constexpr uint8_t PurpleBlock = 100;  // 100..106
constexpr uint8_t PurpleBlockVertical = 101;
constexpr uint8_t PurpleBlockHorizontal = 102;
constexpr uint8_t PurpleBlockRight = 103;
constexpr uint8_t PurpleBlockUp = 104;
constexpr uint8_t PurpleBlockLeft = 105;
constexpr uint8_t PurpleBlockDown = 106;
constexpr uint8_t Hanger = 120;
}  // namespace tile

// What the picture store paints for a tile; a kind with variants (walls, blocks) tells them
// apart by the tile's `variant`.
enum class Art : uint8_t {
  kFloor,
  kButton,
  kStartSquare,
  kExplosion,
  kMine,
  kPlayersDoor,
  kGravityLeft,
  kGravityRight,
  kHiddenPicture,
  kTeleport,
  kTestPipe,  // variant: the specials counter it fills, 0..4
  kStar,
  kCandle,
  kSpikeBall,
  kShadowWall,
  kBreakableWall,  // variant 0..5
  kDoor,
  kPermanentWall,  // variant 0..7
  kExit,
  kBrownBlock,  // variant: 0 diamond, 1 up-down, 2 left-right, 3 right, 4 up, 5 left, 6 down
  kDarkSquare,
  kPurpleBlock,  // variants as the brown block's
  kHanger,
};

// The rules of play that hold for a tile, as flags.
namespace rule {
constexpr uint16_t kPlayerMayEnter = 1 << 0;  // the player may step onto it
constexpr uint16_t kMoverMayEnter = 1 << 1;   // a block or hanger may move onto it
constexpr uint16_t kDeadly = 1 << 2;          // kills the player on it at the end of a turn
constexpr uint16_t kHoldsUp = 1 << 3;         // a player standing on it does not fall
constexpr uint16_t kRemovable = 1 << 4;       // a blast turns it into an explosion
constexpr uint16_t kBlocksSight = 1 << 5;     // a moving block cannot see the player through it
constexpr uint16_t kPermanentWall = 1 << 6;   // never changes in play
constexpr uint16_t kDoor = 1 << 7;            // vanishes once no button is left
constexpr uint16_t kKeepsHeading = 1 << 8;    // a mover that keeps its direction after a step
}  // namespace rule

enum class Mover : uint8_t { kNone, kBrownBlock, kPurpleBlock, kHanger };

// The sides from which a moving block, seeing the player along a row or column, is started.
namespace seen_from {
constexpr uint8_t kRight = 1, kLeft = 2, kAbove = 4, kBelow = 8;
constexpr uint8_t kAll = kRight | kLeft | kAbove | kBelow;
}  // namespace seen_from

// Where the editor's palette shows a tile: a row and a place in it. The hidden pictures are
// never offered for drawing; the candle stands apart from the rows.
constexpr int8_t kHiddenFromPalette = -1;
constexpr int8_t kSetApart = 6;

struct Tile {
  uint8_t code;
  const char* name;
  char symbol;  // in levels written as text
  Art art;
  uint8_t variant;
  uint16_t rules;
  Mover mover;
  uint8_t seenFrom;  // seen_from flags of a moving block
  int8_t pickUp;     // the specials counter it adds to when collected, or -1
  int8_t paletteRow;
  int8_t paletteColumn;
  const char* caption;  // the palette's tool tip
};

namespace detail {
using namespace rule;
// Rules shared by groups of tiles.
constexpr uint16_t kOpen = kPlayerMayEnter | kMoverMayEnter;  // floor and what lies on it
constexpr uint16_t kPlayerOnly = kPlayerMayEnter;
constexpr uint16_t kWall = kDeadly | kHoldsUp | kBlocksSight;  // every code of 20 or more
constexpr uint16_t kBreakable = kWall | kRemovable;
constexpr uint16_t kSolid = kWall | kPermanentWall;
constexpr uint16_t kClosedDoor = kWall | kDoor;
constexpr uint16_t kBlock = kBreakable;
constexpr uint16_t kMovingOn = kBlock | kKeepsHeading;
constexpr int8_t H = kHiddenFromPalette;
constexpr const char* kMovingBlock = "Moving block";
}  // namespace detail

// clang-format off
inline constexpr std::array<Tile, 51> kTiles = [] {
  using namespace detail;
  using enum Art;
  using M = Mover;
  namespace sf = seen_from;
  return std::array<Tile, 51>{{
    {0,   "Empty",                 '.', kFloor,         0, kOpen,               M::kNone, 0, -1, 0, 0, "Empty"},
    {1,   "Button",                '+', kButton,        0, kOpen,               M::kNone, 0, -1, 0, 2, "Button"},
    {2,   "StartSquare",           '@', kStartSquare,   0, kOpen,               M::kNone, 0, -1, H, H, nullptr},
    {3,   "Explosion",             'X', kExplosion,     0, kOpen,               M::kNone, 0, -1, H, H, nullptr},
    {4,   "Mine",                  'M', kMine,          0, kOpen,               M::kNone, 0, -1, 0, 5, "Mine"},
    {5,   "PlayersDoor",           'P', kPlayersDoor,   0, kPlayerOnly,         M::kNone, 0, -1, 0, 6, "Players door"},
    {6,   "GravityLeft",           '<', kGravityLeft,   0, kPlayerOnly,         M::kNone, 0, -1, 1, 5, "Gravity left"},
    {7,   "GravityRight",          '>', kGravityRight,  0, kPlayerOnly,         M::kNone, 0, -1, 1, 6, "Gravity right"},
    {8,   "HiddenPicture8",        '?', kHiddenPicture, 0, kOpen,               M::kNone, 0, -1, H, H, nullptr},
    {9,   "Teleport",              'T', kTeleport,      0, kOpen,               M::kNone, 0, -1, 1, 8, "Teleport"},
    {10,  "Invisibility",          'i', kTestPipe,      0, kOpen,               M::kNone, 0,  0, 1, 0, "Invisibility"},
    {11,  "MineStuff",             'm', kTestPipe,      1, kOpen,               M::kNone, 0,  1, 1, 1, "Mine stuff"},
    {12,  "RemoveBlock",           'r', kTestPipe,      2, kOpen,               M::kNone, 0,  2, 1, 2, "Remove block "},
    {13,  "FourDirectionShoot",    'a', kTestPipe,      3, kOpen,               M::kNone, 0,  3, 1, 3, "Four direction shoot"},
    {14,  "Immortality",           'I', kTestPipe,      4, kOpen,               M::kNone, 0,  4, 1, 4, "Immortality"},
    {15,  "Star",                  '*', kStar,          0, kOpen,               M::kNone, 0, -1, 0, 1, "Star"},
    {16,  "Candle",                'C', kCandle,        0, kOpen,               M::kNone, 0, -1, kSetApart, 0, "Candle"},
    {18,  "SpikeBall",             'x', kSpikeBall,     0, kOpen | kDeadly,     M::kNone, 0, -1, 1, 7, "Spike ball"},
    // A shadow wall stops the player but lets movers and their sight through; it is harmless.
    {19,  "ShadowWall",            's', kShadowWall,    0, kMoverMayEnter | kHoldsUp | kRemovable,
                                                                                M::kNone, 0, -1, 0, 8, "Shadow wall"},
    {20,  "BreakableWall",         'w', kBreakableWall, 0, kBreakable,          M::kNone, 0, -1, 2, 0, "Wall (able to broke)"},
    {21,  "BreakableWall2",        '1', kBreakableWall, 1, kBreakable,          M::kNone, 0, -1, 2, 1, "Wall (able to broke)"},
    {22,  "BreakableWall3",        '2', kBreakableWall, 2, kBreakable,          M::kNone, 0, -1, 2, 2, "Wall (able to broke)"},
    {23,  "BreakableWall4",        '3', kBreakableWall, 3, kBreakable,          M::kNone, 0, -1, 2, 3, "Wall (able to broke)"},
    {24,  "BreakableWall5",        '4', kBreakableWall, 4, kBreakable,          M::kNone, 0, -1, 2, 4, "Wall (able to broke)"},
    {25,  "BreakableWall6",        '5', kBreakableWall, 5, kBreakable,          M::kNone, 0, -1, 2, 5, "Wall (able to broke)"},
    {40,  "Door",                  'D', kDoor,          0, kClosedDoor,         M::kNone, 0, -1, 0, 4, "Door"},
    {60,  "PermanentWall",         '#', kPermanentWall, 0, kSolid,              M::kNone, 0, -1, 3, 1, "Permanent wall"},
    {61,  "PermanentWall2",        '6', kPermanentWall, 1, kSolid,              M::kNone, 0, -1, 3, 4, "Permanent wall"},
    {62,  "PermanentWall3",        '7', kPermanentWall, 2, kSolid,              M::kNone, 0, -1, 3, 2, "Permanent wall"},
    {63,  "PermanentWall4",        '8', kPermanentWall, 3, kSolid,              M::kNone, 0, -1, 3, 3, "Permanent wall"},
    {64,  "PermanentWall5",        '9', kPermanentWall, 4, kSolid,              M::kNone, 0, -1, 3, 0, "Permanent wall"},
    {65,  "PermanentWall6",        '0', kPermanentWall, 5, kSolid,              M::kNone, 0, -1, 3, 5, "Permanent wall"},
    // The exit is never entered: trying to enter it passes the level.
    {66,  "Exit",                  'E', kExit,          0, kWall,               M::kNone, 0, -1, 0, 3, "Exit"},
    {67,  "PermanentWall7",        '=', kPermanentWall, 6, kSolid,              M::kNone, 0, -1, 3, 6, "Permanent wall"},
    {68,  "PermanentWall8",        '&', kPermanentWall, 7, kSolid,              M::kNone, 0, -1, 3, 7, "Permanent wall"},
    {80,  "BrownBlock",            'O', kBrownBlock,    0, kBlock, M::kBrownBlock,  sf::kAll,              -1, 4, 0, kMovingBlock},
    {81,  "BrownBlockVertical",    '|', kBrownBlock,    1, kBlock, M::kBrownBlock,  sf::kAbove | sf::kBelow, -1, 4, 1, kMovingBlock},
    {82,  "BrownBlockHorizontal",  '-', kBrownBlock,    2, kBlock, M::kBrownBlock,  sf::kRight | sf::kLeft,  -1, 4, 2, kMovingBlock},
    {83,  "BrownBlockRight",       ')', kBrownBlock,    3, kBlock, M::kBrownBlock,  sf::kLeft,             -1, 4, 3, kMovingBlock},
    {84,  "BrownBlockUp",          '^', kBrownBlock,    4, kBlock, M::kBrownBlock,  sf::kBelow,            -1, 4, 4, kMovingBlock},
    {85,  "BrownBlockLeft",        '(', kBrownBlock,    5, kBlock, M::kBrownBlock,  sf::kRight,            -1, 4, 5, kMovingBlock},
    {86,  "BrownBlockDown",        'v', kBrownBlock,    6, kBlock, M::kBrownBlock,  sf::kAbove,            -1, 4, 6, kMovingBlock},
    {99,  "DarkSquare",            '_', kDarkSquare,    0, kBreakable,          M::kNone, 0, -1, H, H, nullptr},
    {100, "PurpleBlock",           'U', kPurpleBlock,   0, kMovingOn, M::kPurpleBlock, sf::kAll,              -1, 5, 0, kMovingBlock},
    {101, "PurpleBlockVertical",   '!', kPurpleBlock,   1, kMovingOn, M::kPurpleBlock, sf::kAbove | sf::kBelow, -1, 5, 1, kMovingBlock},
    {102, "PurpleBlockHorizontal", '~', kPurpleBlock,   2, kMovingOn, M::kPurpleBlock, sf::kRight | sf::kLeft,  -1, 5, 2, kMovingBlock},
    {103, "PurpleBlockRight",      ']', kPurpleBlock,   3, kMovingOn, M::kPurpleBlock, sf::kLeft,             -1, 5, 3, kMovingBlock},
    {104, "PurpleBlockUp",         'A', kPurpleBlock,   4, kMovingOn, M::kPurpleBlock, sf::kBelow,            -1, 5, 4, kMovingBlock},
    {105, "PurpleBlockLeft",       '[', kPurpleBlock,   5, kMovingOn, M::kPurpleBlock, sf::kRight,            -1, 5, 5, kMovingBlock},
    {106, "PurpleBlockDown",       'Y', kPurpleBlock,   6, kMovingOn, M::kPurpleBlock, sf::kAbove,            -1, 5, 6, kMovingBlock},
    {120, "Hanger",                'H', kHanger,        0, kMovingOn, M::kHanger,      0,                     -1, 0, 7, "Hanger"},
  }};
}();
// clang-format on

namespace detail {
// For every byte, the row of kTiles that describes it, or -1 for a code that may not stand in a map.
inline constexpr std::array<int8_t, 256> kTileRow = [] {
  std::array<int8_t, 256> rows{};
  rows.fill(-1);
  for (std::size_t i = 0; i < kTiles.size(); ++i) rows[kTiles[i].code] = static_cast<int8_t>(i);
  return rows;
}();
// The rules of every byte; a code that may not stand in a map has none.
inline constexpr std::array<uint16_t, 256> kRules = [] {
  std::array<uint16_t, 256> rules{};
  for (const Tile& t : kTiles) rules[t.code] = t.rules;
  return rules;
}();
}  // namespace detail

// True for the codes that may stand in a map: the codes that have a picture.
constexpr bool isValidTileCode(int c) {
  return c >= 0 && c < 256 && detail::kTileRow[static_cast<std::size_t>(c)] >= 0;
}
// The table's row of a valid code.
constexpr const Tile& tileOf(uint8_t c) {
  return kTiles[static_cast<std::size_t>(detail::kTileRow[c])];
}
constexpr bool hasRule(uint8_t c, uint16_t r) {
  return (detail::kRules[c] & r) != 0;
}

// The player may step onto the square.
constexpr bool isEnterable(uint8_t c) {
  return hasRule(c, rule::kPlayerMayEnter);
}
// The player dies if the square under him holds it at the end of a turn.
constexpr bool isDeadly(uint8_t c) {
  return hasRule(c, rule::kDeadly);
}
// Gravity: a player with it below does not fall.
constexpr bool holdsUp(uint8_t c) {
  return hasRule(c, rule::kHoldsUp);
}
// Blasts (remove-block, shots) turn the square into an explosion.
constexpr bool isRemovable(uint8_t c) {
  return hasRule(c, rule::kRemovable);
}
// A moving block's view of the player ends at it.
constexpr bool blocksSight(uint8_t c) {
  return hasRule(c, rule::kBlocksSight);
}
// Doors open once no button is left.
constexpr bool isDoor(uint8_t c) {
  return hasRule(c, rule::kDoor);
}
// Walls that never change in play; outside them the map might as well end.
constexpr bool isPermanentWall(uint8_t c) {
  return hasRule(c, rule::kPermanentWall);
}
// A block or hanger may enter it (the state byte is tested separately).
constexpr bool moverMayEnter(uint8_t c) {
  return hasRule(c, rule::kMoverMayEnter);
}
// Purple blocks and hangers keep their heading after a step; brown blocks do not.
constexpr bool keepsDirection(uint8_t c) {
  return hasRule(c, rule::kKeepsHeading);
}
constexpr Mover moverOf(uint8_t c) {
  return isValidTileCode(c) ? tileOf(c).mover : Mover::kNone;
}
constexpr bool isMover(uint8_t c) {
  return moverOf(c) != Mover::kNone;
}
// The specials counter a pick-up adds to, if the code is a pick-up.
constexpr std::optional<int> pickUpCounter(uint8_t c) {
  if (!isValidTileCode(c) || tileOf(c).pickUp < 0) return std::nullopt;
  return tileOf(c).pickUp;
}

// Levels written as text: the code of a character, and the character of a valid code.
constexpr std::optional<uint8_t> codeOfSymbol(char symbol) {
  for (const Tile& t : kTiles)
    if (t.symbol == symbol) return t.code;
  return std::nullopt;
}
constexpr char symbolOf(uint8_t c) {
  return isValidTileCode(c) ? tileOf(c).symbol : '?';
}

}  // namespace quobbles
