// Leaving the board with Esc: back to the editor after a test play, to the map selection after
// a campaign map, otherwise to the main menu, after marking a first pass in the level's file.
#pragma once

#include <filesystem>
#include <string>

#include "editor/editor_logic.h"
#include "state/game_state.h"
#include "state/prompts.h"

namespace quobbles {

enum class LeaveTo { kEditor, kMapSelection, kMainMenu };

// Decides where Esc leads and does the record-side work: the level is discarded (except for a
// test play, which the editor reloads from its file), a level from "Play other maps" passed for
// the first time gets status 2 written into its file LevelPath, and the play state returns to
// 0. A write-back that fails is reported; the board is left all the same.
[[nodiscard]] LeaveTo leaveBoard(GameState& g, editor::EditorState& e, Prompts& prompts);

}  // namespace quobbles
