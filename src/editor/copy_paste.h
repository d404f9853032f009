// Copy and paste of a rectangle of squares. Copy only remembers the rectangle; paste copies it
// square by square from the live map, so an overlapping paste reads squares it has already
// written. A refused answer or a square off the grid stops the command with "Uncorrect value!",
// keeping whatever was stored or pasted before.
#pragma once

#include "editor/editor_logic.h"
#include "state/game_state.h"
#include "state/prompts.h"

namespace quobbles::editor {

// Indexes into EditorState::CopyArea.
enum CopyField : std::size_t { CopyLeft = 0, CopyTop, CopySpanX, CopySpanY, PasteLeft, PasteTop };

// The prompts, in the order they are asked, and the titles of their boxes.
inline constexpr const char* kLeftEdgePrompt = "Left edge of area (X-position):";
inline constexpr const char* kTopPrompt = "Top of area (Y-position):";
inline constexpr const char* kRightEdgePrompt = "Right edge of area (X-position):";
inline constexpr const char* kBottomPrompt = "Bottom of area (Y-position):";
inline constexpr const char* kCopyTitle = "Select area to be copied";
inline constexpr const char* kPasteTitle = "Where do I put this?";

// Asks for the four edges and remembers the rectangle. False at the first refused answer, a
// right edge left of the left edge or a bottom above the top; answers taken before stay stored.
[[nodiscard]] bool copyArea(EditorState& e, Prompts& prompts);

// Asks where the rectangle goes. False at the first refused answer.
[[nodiscard]] bool askPastePosition(EditorState& e, Prompts& prompts);

// Copies the remembered rectangle to the paste position, row by row from the top and left to
// right, cut at the grid's right and bottom edge (not at the editing extent). The first square
// of the rectangle is always copied. False when a source or target square lies off the grid;
// squares pasted before that keep their new codes.
[[nodiscard]] bool pasteArea(GameState& g, const EditorState& e);

}  // namespace quobbles::editor
