// The editor's level files: Levels/<name>.lev below the data folder, found without regard to
// letter case. A typed name must be one that a file name can hold and that Windows-1252 can
// store; it is checked before any file is touched, so nothing is written outside Levels.
// Saving either writes the whole record or leaves the level marked as changed.
#pragma once

#include <filesystem>
#include <string>

#include "editor/editor_logic.h"
#include "state/file_io.h"
#include "state/game_state.h"

namespace quobbles::editor {

// The level name (Windows-1252) for a name typed as UTF-8, or why it cannot name a level file
// (also when its file name would be too long for the Levels folder).
[[nodiscard]] Outcome<std::string> levelNameFromTyped(const std::string& typedUtf8);

// The file of level `name` (Windows-1252, already checked) in the Levels folder.
std::filesystem::path editorLevelFile(const std::string& name);

// Why level `name` (checked) may not be saved, or an empty text when it may: its file name is
// too long for the Levels folder, or its file is there and cannot be replaced (read-only, or
// not a file). Nothing is written. saveLevelAs asks this itself; a command that asks the user
// whether to replace an existing level asks it first, so that a file that cannot be replaced
// is reported instead of being offered for replacing.
[[nodiscard]] std::string levelSaveRefusal(const std::string& name);

// Writes the level record as level `name` (checked): status 2 is stored as 0, a missing Levels
// folder is made. On success the record takes the name and the status written and the level
// is no longer marked as changed; on failure the record is untouched, the level is marked as
// changed, and the reason is returned. `caution` gets a warning for a save that succeeded but
// may not survive a power loss.
[[nodiscard]] std::string saveLevelAs(GameState& g, EditorState& e, const std::string& name,
                                      std::string* caution = nullptr);

// Reads level `name` (checked) from its file, or tells why it cannot be had. Nothing is created.
[[nodiscard]] Outcome<Level> readEditorLevel(const std::string& name);

// A level read for editing becomes the record; nothing is marked as changed.
void openLoadedLevel(GameState& g, EditorState& e, Level level);

}  // namespace quobbles::editor
