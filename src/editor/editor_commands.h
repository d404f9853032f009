// The editor's commands: its buttons Comm(0..7) and the labyrinth tool, with the ask-to-save
// question (Kysy_seivata), saving (Seivaus) and loading (Loudaus). Questions and messages go
// through the prompts; the window then shows what the outcome asks for.
#pragma once

#include "editor/editor_logic.h"
#include "state/game_state.h"
#include "state/prompts.h"

namespace quobbles::editor {

// The command buttons Comm(0..7), in the order of their indexes.
enum class EditorCommand { kSaveAndPlay, kSave, kLoad, kCloseEditor, kNewLevel, kMessage, kCopy, kPaste };

// What the window does after a command.
struct CommandOutcome {
  // kView: redraw the view squares; kAll: put the whole record into the window (Päivitä_tiedot).
  enum class Refresh { kNothing, kView, kAll } refresh = Refresh::kNothing;
  // Where the editor goes next: it stays, or a test play starts, or it closes to the main menu,
  // or the note for level makers opens beside it.
  enum class Next { kStay, kTestPlay, kMainMenu, kShowNote } next = Next::kStay;
  friend bool operator==(const CommandOutcome&, const CommandOutcome&) = default;
};

[[nodiscard]] CommandOutcome Comm_Click(EditorCommand command, GameState& g, EditorState& e,
                                        Prompts& prompts);

// The labyrinth tool, after its warning.
[[nodiscard]] CommandOutcome Image1_Click(GameState& g, EditorState& e, Prompts& prompts);

// The answers of the ask-to-save question. kNotSaved: the user chose Yes but the level could not
// be saved (cancelled name, refused name, failed write); callers then stop as on Cancel, so that
// drawing the user wanted kept is never thrown away.
enum class SaveAnswer { kNone, kYes, kNo, kCancel, kNotSaved };
[[nodiscard]] SaveAnswer Kysy_seivata(GameState& g, EditorState& e, Prompts& prompts);

// Asks for the name and saves; true when the level was written. The view returns to (0, 0).
[[nodiscard]] bool Seivaus(GameState& g, EditorState& e, Prompts& prompts);

// Asks for a name and the edit code and opens that level for editing, or clears the editor.
[[nodiscard]] CommandOutcome Loudaus(GameState& g, EditorState& e, Prompts& prompts);

// The editor's load handler after a test play: the editor goes on with the level as it was
// saved, not as it was played. A file that cannot be read back is reported, and the level in
// memory is kept, marked as changed.
void reloadAfterTestPlay(GameState& g, EditorState& e, Prompts& prompts);

}  // namespace quobbles::editor
