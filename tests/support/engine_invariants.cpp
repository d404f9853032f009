// Invariants of the game state.
#include "support/engine_invariants.h"

#include "state/tiles.h"

namespace quobbles::testing {

namespace {

// The values the movement pass, the blasts and the hangers ever leave in the state grid.
bool knownStateByte(uint8_t s) {
  return s <= 5 || (s >= 10 && s <= 15) || s == 25;
}

}  // namespace

std::string brokenInvariant(const Session& s) {
  const GameState& g = s.game;
  const BoardModel& b = s.board;
  if (g.PlayerPos.x >= kMapSize || g.PlayerPos.y >= kMapSize) return "the player left the map";
  if (g.PlayState > 2) return "play state outside 0..2";
  if (b.vars.ViewShift.x > 8 || b.vars.ViewShift.y > 8) return "view shift outside 0..8";
  int stars = 0;
  for (int i = 0; i < kSquares; ++i) {
    const uint8_t code = g.level.MapGrid[static_cast<std::size_t>(i)];
    if (!isValidTileCode(code)) return "square " + std::to_string(i) + " holds code " + std::to_string(code);
    const uint8_t state = g.StateGrid[static_cast<std::size_t>(i)];
    if (!knownStateByte(state))
      return "square " + std::to_string(i) + " has state byte " + std::to_string(state);
    stars += code == tile::Star;
  }
  if (b.vars.StarsLeft < stars) return "stars left is below the stars on the map";
  for (int32_t c : b.controls.mAna)
    if (c < 0 || c > kCounterLimit) return "a specials counter left its range";
  const auto overBoard = [](int16_t v) { return v >= kBoardOrigin && v <= kBoardEnd - kSquareTwips; };
  if (!overBoard(b.controls.figureLeft) || !overBoard(b.controls.figureTop))
    return "the figure left the board";
  if (b.controls.face > 9) return "no such face";
  return {};
}

}  // namespace quobbles::testing
