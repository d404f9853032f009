// Tile codes and what they mean in play: which squares the player may enter, which kill,
// which hold him up under gravity, which a blast removes, and which a mover may enter.
#pragma once

#include <array>
#include <cstdint>

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

// Every code that may stand in a map: the codes that have a picture.
constexpr std::array<uint8_t, 51> kValidTileCodes = {
    0,  1,  2,  3,  4,  5,  6,  7,  8,  9,   10,  11,  12,  13,  14,  15,  16,
    18, 19, 20, 21, 22, 23, 24, 25, 40, 60,  61,  62,  63,  64,  65,  66,  67,
    68, 80, 81, 82, 83, 84, 85, 86, 99, 100, 101, 102, 103, 104, 105, 106, 120};

constexpr bool isValidTileCode(int c) {
  return (c >= 0 && c <= 16) || (c >= 18 && c <= 25) || c == 40 || (c >= 60 && c <= 68) ||
         (c >= 80 && c <= 86) || (c >= 99 && c <= 106) || c == 120;
}

// The player may step onto the square.
constexpr bool isEnterable(int c) {
  return c < 19;
}
// The player dies if the square under him holds it at the end of a turn.
constexpr bool isDeadly(int c) {
  return c == tile::SpikeBall || c >= 20;
}
// Blasts (remove-block, shots) turn the square into an explosion.
constexpr bool isRemovable(int c) {
  return (c >= 19 && c <= 39) || c >= 80;
}
// Doors open once no button is left.
constexpr bool isDoor(int c) {
  return c >= 40 && c <= 59;
}
// A block or hanger may enter it (the state byte is tested separately).
constexpr bool moverMayEnter(int c) {
  return c <= 19 && c != tile::PlayersDoor && c != tile::GravityLeft && c != tile::GravityRight;
}
// Purple blocks and hangers keep their heading after a step; brown blocks do not.
constexpr bool keepsDirection(int c) {
  return c >= 100;
}

}  // namespace quobbles
