// Every picture of the game, painted in code at 40 x 40: one per valid tile code, the four
// hanger facings, the ten faces of the player figure, and the menu's player icon. The board,
// the editor's palette and the texture help all take their pictures from here.
#pragma once

#include <QPixmap>

#include "play/board_model.h"

namespace quobbles::ui {

constexpr int kPictureSize = 40;

class PictureStore {
 public:
  // True for the codes that may stand in a map.
  static bool hasTile(int code);
  // The picture of a valid tile code (an invalid code gets a plain magenta warning square).
  static const QPixmap& tile(int code);
  // A hanger whose eyes look the way it heads: 11 left, 12 down, 13 right, 14 up.
  static const QPixmap& hangerFacing(int facing);
  // The player's faces Naama(0..9).
  static const QPixmap& face(int index);
  // What a board view cell shows: a tile code or a hanger facing.
  static const QPixmap& picture(PictureId id);
  // The main menu's small player figure: a green, round, smiling face (32 x 32).
  static const QPixmap& playerIcon();
};

}  // namespace quobbles::ui
