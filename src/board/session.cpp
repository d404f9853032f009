// The game's session and the board's one entry point for a key.
#include "board/session.h"

#include "board/board_engine.h"

namespace quobbles {

Session& sharedSession() {
  static Session instance;
  return instance;
}

void startLevel(Session& s) {
  board::Form_Load(s.game, s.board);
}

BoardEffects press(Session& s, int16_t key) {
  board::Form_KeyPress(s.game, s.board, key);
  BoardEffects effects = s.board.effects;
  s.board.effects = BoardEffects{};
  return effects;
}

void replay(Session& s, std::string_view keys) {
  for (const char k : keys) static_cast<void>(press(s, static_cast<int16_t>(static_cast<unsigned char>(k))));
}

Session startTestPlay(const Level& level, const std::array<int32_t, kSpecialCount>& counters) {
  Session s;
  s.game.level = level;
  s.game.EditorTestPlay = true;
  startLevel(s);
  s.board.controls.mAna = counters;
  return s;
}

}  // namespace quobbles
