// "Show me": the way a check of the level found is played on the board as a test play, one turn
// at a time, and when the board is left the editor comes back exactly as it was: the level, its
// changed flag, the undo history, the view and the extent. Nothing is saved or read from a file,
// and passing the level records nothing.
//
// The turns are played by the board's timer (the game otherwise has none: everything else happens
// in answer to a key or a click). Each turn is the keys a player would press, handed to the rules
// through the board's own key path, so the player may take over at any moment and undo works.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "board/history.h"
#include "board/session.h"
#include "editor/editor_logic.h"
#include "state/game_state.h"

namespace quobbles {

// The editor as it stood when Show me began: the whole game state (which holds the level, the
// view centre and the extent) and the editor's own variables with their undo history.
struct EditorSnapshot {
  GameState game;
  editor::EditorState editor;
};

// Takes the snapshot and readies the record for the board: a test play of the level in memory,
// without saving it.
[[nodiscard]] EditorSnapshot beginShowMe(GameState& g, const editor::EditorState& e);
// Puts the editor back as the snapshot holds it, whatever was played meanwhile.
void endShowMe(GameState& g, editor::EditorState& e, EditorSnapshot snapshot);

// A key string cut into turns: a move or the pass, a special armed for the move after it ("b6",
// "c5", "m2"), a mine ("v") or the four-direction attack ("n"). Each turn is one step of the
// playback.
[[nodiscard]] std::vector<std::string> turnsOf(std::string_view keys);

class Playback {
 public:
  enum class State {
    kPlaying,    // a turn every tick
    kPaused,     // Ctrl+P, or after Ctrl+Space
    kDone,       // every turn played, or the game ended
    kTakenOver,  // the player pressed a key that plays: the rest is his
  };

  explicit Playback(std::string_view keys);

  State state() const { return state_; }
  std::size_t turnsPlayed() const { return next_; }

  // The timer: the next turn while playing.
  BoardEffects tick(Session& s, History& h);
  // Ctrl+Space: the next turn, and the playback waits after it.
  BoardEffects step(Session& s, History& h);
  // Ctrl+P: pauses, or goes on.
  void togglePause();
  // A key the player pressed on the board. One that plays or takes back a turn (a move, a
  // special, undo, restart) ends the playback before it acts; true when it did.
  bool keyPressed(int16_t key);

  // One line for the board: where the playback stands and which keys steer it.
  std::string status() const;

 private:
  BoardEffects playNext(Session& s, History& h);

  std::vector<std::string> turns_;
  std::size_t next_ = 0;
  State state_ = State::kPlaying;
};

}  // namespace quobbles
