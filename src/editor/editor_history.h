// Undo and redo in the editor. Every change of the level record and of the editor's own fields
// (the extent, and the file the level belongs to) becomes one step that keeps only what changed:
// the squares with their old and new codes, and each field that changed with its old and new
// value. A change is opened before it is made and ended after; changes of one kind that follow
// each other without an end (one Shift stroke, one drag, typing into one box) make one step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "state/game_state.h"

namespace quobbles::editor {

struct EditorState;

// What made a change. An open change goes on while changes of its kind follow.
enum class StepKind { kSquares, kShiftStroke, kName, kCode, kWidth, kHeight, kCommand };

// What undo and redo restore: the level record, the extent and the level's file.
struct EditedRecord {
  Level level;
  WordPos extent;
  std::string file;
};

template <class T>
struct FieldChange {
  T before;
  T after;
};

struct SquareChange {
  uint16_t index;  // y * 50 + x
  uint8_t before;
  uint8_t after;
};

struct HistoryStep {
  StepKind kind = StepKind::kCommand;
  std::vector<SquareChange> squares;
  std::optional<FieldChange<std::string>> name;
  std::optional<FieldChange<int16_t>> code;
  std::optional<FieldChange<int16_t>> status;
  std::optional<FieldChange<WordPos>> extent;
  std::optional<FieldChange<std::string>> file;

  bool empty() const;
};

// The step that leads from `from` to `to`.
HistoryStep stepBetween(const EditedRecord& from, const EditedRecord& to, StepKind kind);

class EditorHistory {
 public:
  // The oldest steps are dropped beyond this many.
  static constexpr std::size_t kDepth = 1000;

  // Opens a change starting from `now`, or goes on with the open one if it is of this kind.
  void open(const EditedRecord& now, StepKind kind);
  // Ends the open change; what differs from its start becomes a step, and the steps undone
  // before are gone. A change that changed nothing leaves no step.
  void close(const EditedRecord& now);
  bool isOpen() const { return start_.has_value(); }
  std::optional<StepKind> openKind() const;
  // The open change as a step (empty when nothing changed yet, or nothing is open).
  HistoryStep openStep(const EditedRecord& now) const;

  // The step to undo, moved to the redo list; nullptr when there is none. Close first.
  const HistoryStep* takeUndo();
  // The step to redo, moved back to the undo list; nullptr when there is none.
  const HistoryStep* takeRedo();
  std::size_t undoCount() const { return undo_.size(); }
  std::size_t redoCount() const { return redo_.size(); }

  // No steps and no open change.
  void clear();

  // The map as it was last saved or loaded: after an undo or a redo the level counts as changed
  // exactly when its map differs from this.
  Grid savedMap{};

 private:
  std::optional<EditedRecord> start_;
  StepKind kind_ = StepKind::kCommand;
  std::deque<HistoryStep> undo_;
  std::vector<HistoryStep> redo_;
};

// The editor's record as it stands.
EditedRecord editedRecord(const GameState& g, const EditorState& e);

// Opens or goes on with a change of this kind; ends an open change of another kind first.
void beginChange(const GameState& g, EditorState& e, StepKind kind);
// Ends the open change (if any) as one step.
void endChange(const GameState& g, EditorState& e);
// Makes `change` one step of its own.
template <class F>
void asOneStep(GameState& g, EditorState& e, F&& change) {
  endChange(g, e);
  beginChange(g, e, StepKind::kCommand);
  change();
  endChange(g, e);
}

// Whether there is a change to undo (the open one counts) or to redo.
bool canUndo(const GameState& g, const EditorState& e);
bool canRedo(const EditorState& e);

// Undoes the last change, or redoes the last change undone; false when there is none. The
// level then counts as changed exactly when its map differs from the one last saved or loaded.
bool undoChange(GameState& g, EditorState& e);
bool redoChange(GameState& g, EditorState& e);

// After a save, a load, or the return of the saved level after a test play: the map as it
// stands is the saved one.
void markMapSaved(const GameState& g, EditorState& e);
// Load and close editor: no step is left, and the map as it stands is the saved one.
void forgetChanges(const GameState& g, EditorState& e);

}  // namespace quobbles::editor
