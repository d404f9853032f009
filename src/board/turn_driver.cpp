// One turn: the player's move, then the world answers in its fixed order (block activation,
// hangers' start, movement pass), then the pick-up, the death check, the immortality refund, the
// face and the redraw.
#include "board/board_engine.h"
#include "play/board_view.h"
#include "state/tiles.h"
#include "world/world_rules.h"

namespace quobbles::board {

namespace {

// Steps 1-12 of the turn (all but the redraw), with the world's answer from `answer`; true when
// they ran to the end.
template <class Answer>
bool turnWithoutRedraw(GameState& g, BoardModel& b, Answer&& answer) {
  if (g.PlayState != 0) return false;  // nothing happens after death or a passed level
  Pelaajan_liikutus(g, b);
  if (g.PlayState != 0) return false;  // the exit ends the turn at once
  answer(g, b);
  world::Bonuksen_Keräys(g, b);
  // The only death check: whatever the actors left on the player's square is judged here.
  if (isDeadly(g.code(g.PlayerPos.x, g.PlayerPos.y))) Kuolla_Kups(g, b);
  // Immortality that was not needed is given back.
  if (b.vars.TurnAction == turn_action::kImmortality) play::addToCounter(b, kImmortalityCounter, 1);
  b.controls.face = b.vars.DarkView ? 9 : 0;
  if (b.vars.TurnAction == turn_action::kImmortalitySpent) b.controls.face = 5;
  b.vars.TurnAction = turn_action::kNone;
  return true;
}

}  // namespace

void worldAnswer(GameState& g, BoardModel& b) {
  if (b.vars.TurnAction != turn_action::kInvisibility) world::Palikat_liikkeeseen(g, b);
  world::Viholliset_liikkeeseen(g);
  world::Palikoiden_liikutus(g);
}

void Vuoron_suoritus(GameState& g, BoardModel& b) {
  if (turnWithoutRedraw(g, b, worldAnswer)) play::kartan_piirto(g, b);
}

bool playMoveKey(GameState& g, BoardModel& b, int16_t key,
                 const std::function<void(GameState&, BoardModel&)>& answer) {
  g.LastMoveKey = key;
  return turnWithoutRedraw(g, b, answer);
}

}  // namespace quobbles::board
