// The two ends of a level: death (unless immortality is armed) and the passed level, which
// records campaign progress and asks the window to write the player's profile.
#include "board/board_engine.h"

namespace quobbles::board {

void Kuolla_Kups(GameState& g, BoardModel& b) {
  if (b.vars.TurnAction == turn_action::kImmortality) {
    b.vars.TurnAction = turn_action::kImmortalitySpent;  // saved: the special is spent
    return;
  }
  b.controls.figureVisible = false;
  Form_KeyPress(g, b, key::kCentre);
  // The message label still holds "Well done." if a revived player had passed the level.
  b.controls.messageCaption = "Game over.";
  b.controls.messageVisible = true;
  b.controls.escHintVisible = true;
  g.PlayState = 1;
}

void Kenttä_läpi(GameState& g, BoardModel& b) {
  g.PlayState = 2;
  // Progress belongs to campaign maps only: a test play from the editor or a level from
  // "Play other maps" never marks a campaign map as passed.
  if (!g.EditorTestPlay && g.level.LevelStatus == kCampaignMap) {
    if (b.controls.allStarsVisible) g.profile.LevelStars[g.MapNumber] = kTrue;
    g.profile.LevelPassed[g.MapNumber] = kTrue;
    b.effects.saveProfile = true;
  }
  b.controls.messageCaption = "Well done.";
  b.controls.messageVisible = true;
  b.controls.escHintVisible = true;
  b.controls.face = 1;
  Form_KeyPress(g, b, key::kCentre);
}

}  // namespace quobbles::board
