// "Show me": the snapshot of the editor, and the playback of a way through the level.
#include "frontend/show_me.h"

#include <utility>

#include "board/board_engine.h"

namespace quobbles {

namespace {

// Keys that arm a special for the move that follows them.
bool armsForAMove(char k) {
  return k == board::key::kRemoveBlock || k == board::key::kInvisibility || k == board::key::kImmortality;
}

bool playsOrTakesBack(int16_t key) {
  using namespace board::key;
  switch (key) {
    case kDown:
    case kLeft:
    case kPass:
    case kRight:
    case kUp:
    case kInvisibility:
    case kMine:
    case kRemoveBlock:
    case kAttack:
    case kImmortality:
    case kUndo:
    case kUndoControl:
    case kRestart:
      return true;
    default:
      return false;
  }
}

}  // namespace

EditorSnapshot beginShowMe(GameState& g, const editor::EditorState& e) {
  EditorSnapshot snapshot{g, e};
  g.EditorTestPlay = true;  // passing records nothing, as in every test play
  g.PlayState = 0;
  return snapshot;
}

void endShowMe(GameState& g, editor::EditorState& e, EditorSnapshot snapshot) {
  g = std::move(snapshot.game);
  e = std::move(snapshot.editor);
}

std::vector<std::string> turnsOf(std::string_view keys) {
  std::vector<std::string> turns;
  std::string turn;
  for (const char k : keys) {
    turn += k;
    if (!armsForAMove(k)) turns.push_back(std::exchange(turn, {}));
  }
  if (!turn.empty()) turns.push_back(turn);  // a special armed at the very end
  return turns;
}

Playback::Playback(std::string_view keys) : turns_(turnsOf(keys)) {
  if (turns_.empty()) state_ = State::kDone;
}

BoardEffects Playback::playNext(Session& s, History& h) {
  BoardEffects effects;
  for (const char k : turns_[next_]) {
    const BoardEffects e = playKey(s, h, static_cast<int16_t>(static_cast<unsigned char>(k)));
    effects.openHelp |= e.openHelp;
    effects.leaveBoard |= e.leaveBoard;
    effects.saveProfile |= e.saveProfile;
  }
  ++next_;
  if (next_ == turns_.size() || s.game.PlayState != 0) state_ = State::kDone;
  return effects;
}

BoardEffects Playback::tick(Session& s, History& h) {
  if (state_ != State::kPlaying) return {};
  // The game ended some other way (God's Tools moved the player onto the exit, say): nothing
  // more to show.
  if (s.game.PlayState != 0) {
    state_ = State::kDone;
    return {};
  }
  return playNext(s, h);
}

BoardEffects Playback::step(Session& s, History& h) {
  if (state_ == State::kPlaying) state_ = State::kPaused;
  if (state_ != State::kPaused) return {};
  if (s.game.PlayState != 0) {
    state_ = State::kDone;
    return {};
  }
  return playNext(s, h);
}

void Playback::togglePause() {
  if (state_ == State::kPlaying)
    state_ = State::kPaused;
  else if (state_ == State::kPaused)
    state_ = State::kPlaying;
}

bool Playback::keyPressed(int16_t key) {
  if (state_ == State::kDone || state_ == State::kTakenOver || !playsOrTakesBack(key)) return false;
  state_ = State::kTakenOver;
  return true;
}

std::string Playback::status() const {
  const std::string played = std::to_string(next_), of = " of " + std::to_string(turns_.size());
  switch (state_) {
    case State::kPlaying:
      return played + of + " turns shown - Ctrl+P pause, Ctrl+Space step";
    case State::kPaused:
      return "Paused at " + played + of + " - Ctrl+P go on, Ctrl+Space step";
    case State::kDone:
      // The game may have ended before the last turn (God's Tools changed the way).
      if (next_ < turns_.size()) return "Ended at " + played + of + " - Esc: back to the editor";
      return "All " + std::to_string(turns_.size()) + " turns shown - Esc: back to the editor";
    case State::kTakenOver:
      break;
  }
  return "Your play from turn " + std::to_string(next_ + 1) + " on - Esc: back to the editor";
}

}  // namespace quobbles
