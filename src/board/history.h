// Undo and restart on the board. Every turn or special the player takes, and every God's Tools
// button of a test play, is one step; Backspace or Ctrl+Z takes the last step back and Ctrl+R
// returns to the session as the board opened (itself one step). A step is kept as the bytes that
// changed, not as a copy of the session, so a long level costs little. A passed level cannot be
// undone: its pass was recorded at once, so the history starts anew from it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "board/session.h"

namespace quobbles {

namespace board::key {
constexpr int16_t kUndo = 8;          // Backspace
constexpr int16_t kUndoControl = 26;  // Ctrl+Z
constexpr int16_t kRestart = 18;      // Ctrl+R
}  // namespace board::key

class History {
 public:
  // The board opened with `s`: restart leads back to it, and there is nothing to undo yet.
  void begin(const Session& s);

  // Records one step that took the session from `before` to `after`. Whatever changed between
  // the last step and `before` (the view keys, Space) is kept with it, so that undoing this step
  // gives `before` back whole. A step that passes the level empties the history.
  void record(const Session& before, const Session& after);

  // Takes the last step back: `s` becomes the session as it stood just before that step. False
  // (and `s` untouched) when there is no step to undo.
  bool undo(Session& s);

  // Puts back the session as the board opened, as one step that undo can take back. False (and
  // `s` untouched) after a pass, or when `s` already is that session.
  bool restart(Session& s);

  std::size_t steps() const { return steps_.size(); }
  bool levelPassed() const { return passed_; }
  // The bytes the history holds: its steps, the session after the last one and the session as
  // the board opened.
  std::size_t storedBytes() const;

 private:
  using Bytes = std::vector<uint8_t>;
  // Where a step's two differences begin in `changes_`: first what changed before the step
  // (since the step before it), then the step itself; the next step's `drift` ends it.
  struct Step {
    uint32_t drift;
    uint32_t change;
  };

  Bytes start_;    // the session as the board opened
  Bytes tip_;      // the session right after the last step (or the start)
  Bytes changes_;  // the steps' differences, one after the other
  std::vector<Step> steps_;
  bool passed_ = false;
};

// The game's history for its session; the board begins it whenever it opens.
History& sharedHistory();

// The board's key with undo and restart: Backspace and Ctrl+Z undo, Ctrl+R restarts, and every
// other key goes to press(). A key that plays a turn (no move key after death or a pass) or
// uses a special, and changes the session, is recorded as one step; the view keys, Space and Esc
// never are.
[[nodiscard]] BoardEffects playKey(Session& s, History& h, int16_t key);

// One God's Tools button of a test play, recorded as one step when it changes anything.
void useGodsTool(Session& s, History& h, int index);

}  // namespace quobbles
