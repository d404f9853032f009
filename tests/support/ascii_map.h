// Builds levels for tests from small ASCII pictures: one character per square, placed with its
// top-left corner at square (0, 0); the rest of the 50 x 50 map is filled with one code.
#pragma once

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "state/game_state.h"

namespace quobbles::testing {

// The legend is the tiles' own characters, as levels written as text use them (state/tiles.h):
//   .  Empty        #  PermanentWall  w  BreakableWall  s  ShadowWall   E  Exit
//   *  Star         +  Button         D  Door           M  Mine         P  PlayersDoor
//   <  GravityLeft  >  GravityRight   T  Teleport       X  Explosion    @  StartSquare
//   i  Invisibility m  MineStuff      r  RemoveBlock    a  FourDirectionShoot
//   I  Immortality  C  Candle         x  SpikeBall      H  Hanger
//   O  BrownBlock   U  PurpleBlock    and the rest of the table.
// Extra characters (or other meanings) come from `legend`.
Level levelFromPicture(const std::vector<std::string>& rows, char fill = '.',
                       const std::map<char, uint8_t>& legend = {});

// The map as a picture of the same size as `rows`, using the same legend (for comparing).
std::vector<std::string> pictureOf(const Level& level, int width, int height,
                                   const std::map<char, uint8_t>& legend = {});

}  // namespace quobbles::testing
