// Undo and redo of the editor's changes, kept as differences.
#include "editor/editor_history.h"

#include "editor/editor_logic.h"

namespace quobbles::editor {

namespace {

template <class T>
void noteField(std::optional<FieldChange<T>>& out, const T& before, const T& after) {
  if (!(before == after)) out = FieldChange<T>{before, after};
}

// Puts one side of a step into the record: the old values for an undo, the new ones for a redo.
void apply(const HistoryStep& step, bool forward, GameState& g, EditorState& e) {
  for (const SquareChange& s : step.squares) g.level.MapGrid[s.index] = forward ? s.after : s.before;
  const auto side = [forward](const auto& change) { return forward ? change->after : change->before; };
  if (step.name) g.level.LevelName = side(step.name);
  if (step.code) g.level.EditCode = side(step.code);
  if (step.status) g.level.LevelStatus = side(step.status);
  if (step.extent) g.MapMax = side(step.extent);
  if (step.file) e.LevelFile = side(step.file);
  e.LevelChanged = g.level.MapGrid != e.history.savedMap;
}

}  // namespace

bool HistoryStep::empty() const {
  return squares.empty() && !name && !code && !status && !extent && !file;
}

HistoryStep stepBetween(const EditedRecord& from, const EditedRecord& to, StepKind kind) {
  HistoryStep step;
  step.kind = kind;
  for (std::size_t i = 0; i < from.level.MapGrid.size(); ++i)
    if (from.level.MapGrid[i] != to.level.MapGrid[i])
      step.squares.push_back({static_cast<uint16_t>(i), from.level.MapGrid[i], to.level.MapGrid[i]});
  noteField(step.name, from.level.LevelName, to.level.LevelName);
  noteField(step.code, from.level.EditCode, to.level.EditCode);
  noteField(step.status, from.level.LevelStatus, to.level.LevelStatus);
  noteField(step.extent, from.extent, to.extent);
  noteField(step.file, from.file, to.file);
  return step;
}

void EditorHistory::open(const EditedRecord& now, StepKind kind) {
  if (start_ && kind_ == kind) return;
  close(now);
  start_ = now;
  kind_ = kind;
}

void EditorHistory::close(const EditedRecord& now) {
  if (!start_) return;
  HistoryStep step = stepBetween(*start_, now, kind_);
  start_.reset();
  if (step.empty()) return;
  redo_.clear();
  undo_.push_back(std::move(step));
  if (undo_.size() > kDepth) undo_.pop_front();
}

std::optional<StepKind> EditorHistory::openKind() const {
  if (!start_) return std::nullopt;
  return kind_;
}

HistoryStep EditorHistory::openStep(const EditedRecord& now) const {
  if (!start_) return {};
  return stepBetween(*start_, now, kind_);
}

const HistoryStep* EditorHistory::takeUndo() {
  if (undo_.empty()) return nullptr;
  redo_.push_back(std::move(undo_.back()));
  undo_.pop_back();
  return &redo_.back();
}

const HistoryStep* EditorHistory::takeRedo() {
  if (redo_.empty()) return nullptr;
  undo_.push_back(std::move(redo_.back()));
  redo_.pop_back();
  return &undo_.back();
}

void EditorHistory::clear() {
  start_.reset();
  undo_.clear();
  redo_.clear();
}

EditedRecord editedRecord(const GameState& g, const EditorState& e) {
  return {g.level, g.MapMax, e.LevelFile};
}

void beginChange(const GameState& g, EditorState& e, StepKind kind) {
  e.history.open(editedRecord(g, e), kind);
}

void endChange(const GameState& g, EditorState& e) {
  if (e.history.isOpen()) e.history.close(editedRecord(g, e));
}

bool canUndo(const GameState& g, const EditorState& e) {
  return e.history.undoCount() > 0 || !e.history.openStep(editedRecord(g, e)).empty();
}

bool canRedo(const EditorState& e) {
  return e.history.redoCount() > 0;
}

bool undoChange(GameState& g, EditorState& e) {
  endChange(g, e);
  const HistoryStep* step = e.history.takeUndo();
  if (step == nullptr) return false;
  apply(*step, false, g, e);
  return true;
}

bool redoChange(GameState& g, EditorState& e) {
  endChange(g, e);
  const HistoryStep* step = e.history.takeRedo();
  if (step == nullptr) return false;
  apply(*step, true, g, e);
  return true;
}

void markMapSaved(const GameState& g, EditorState& e) {
  e.history.savedMap = g.level.MapGrid;
}

void forgetChanges(const GameState& g, EditorState& e) {
  e.history.clear();
  markMapSaved(g, e);
}

}  // namespace quobbles::editor
