// The single shared game state.
#include "state/game_state.h"

namespace quobbles {

GameState& sharedGame() {
  static GameState instance;
  return instance;
}

}  // namespace quobbles
