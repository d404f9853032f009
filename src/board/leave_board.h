// Leaving the board with Esc: back to the editor after a test play, to the map selection after
// a campaign map, otherwise to the main menu, after marking a first pass in the level's file.
#pragma once

#include <filesystem>
#include <string>

#include "editor/editor_logic.h"
#include "state/game_state.h"

namespace quobbles::board {

enum class LeaveTo { kEditor, kMapSelection, kMainMenu };

struct LeaveOutcome {
  LeaveTo next = LeaveTo::kMainMenu;
  std::string writeBackFailure;  // why the level file could not be marked as passed, if it could not
};

// Decides where Esc leads and does the record-side work: the level is discarded (except for a
// test play, which the editor reloads from its file), a level from "Play other maps" passed for
// the first time gets status 2 written into its file, and the play state returns to 0.
LeaveOutcome leaveBoard(GameState& g, editor::EditorState& e, const std::filesystem::path& levelFile);

}  // namespace quobbles::board
