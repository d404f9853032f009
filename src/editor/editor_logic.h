// The editor's own variables and the record-side rules of editing: drawing and clearing a
// square within the extent, the view onto the map, and resetting the shared level record to an
// empty level or a random labyrinth. Other windows use Clear_map to discard a level.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "editor/editor_history.h"
#include "state/game_state.h"

namespace quobbles::editor {

struct EditorState {
  bool LevelChanged = false;          // a square was drawn or cleared since save, load or clearing
  uint8_t SelectedTile = 0;           // the palette entry chosen
  std::array<uint8_t, 6> CopyArea{};  // CopyLeft, CopyTop, CopySpanX, CopySpanY, PasteLeft, PasteTop
  WordPos CursorSquare;               // the map square under the mouse pointer
  // The file the level was loaded from or last saved to (empty for a new level): a save there
  // replaces it without asking.
  std::string LevelFile;
  EditorHistory history;  // undo and redo; it outlives the window, so a test play keeps it
};

// The editor's variables; they live as long as the program, like the window object.
EditorState& sharedEditor();

enum class ClearMode { kPlain, kLabyrinth };

// A uniform random number in [0, 1).
using Random01 = std::function<double()>;
// A generator seeded from the time of day.
Random01 clockSeededRandom();

// Resets the level record: full extent, every square empty (or a labyrinth of rooms at even
// squares, pillars of the selected tile at odd ones and 40 % walled passages), no name, code 0,
// status 0, no file, nothing changed; the view goes back to (0, 0).
// The labyrinth draws from random, or from a clock-seeded generator when none is given.
void Clear_map(GameState& g, EditorState& e, ClearMode mode, Random01 random = {});

// The record-side part of refreshing the editor from the level: the view back to (0, 0) and
// the extent set to full size if nothing has set it yet.
void resetEditorView(GameState& g);

// The labyrinth tool once the user has agreed: walls of the selected tile (the plain permanent
// wall when Empty is selected, without moving the palette frame), then the labyrinth clearing.
void useLabyrinthTool(GameState& g, EditorState& e, Random01 random = {});

// The editor's view: 9 x 9 squares centred on PlayerPos (the editor's view centre).
constexpr int kEditorViewSide = 9;
constexpr int kEditorViewCells = kEditorViewSide * kEditorViewSide;
// The map square shown by view cell k (row k / 9, column k % 9); it may lie off the map.
WordPos viewSquare(const GameState& g, int k);
// The picture code cell k shows: the square's code inside the extent, a permanent wall outside.
uint8_t viewPicture(const GameState& g, int k);

// Drawing the selected tile on the cursor square (a click), or emptying it (a double click).
// Both refuse a square outside the extent and return false; otherwise the level is changed.
[[nodiscard]] bool drawAtCursor(GameState& g, EditorState& e);
[[nodiscard]] bool clearAtCursor(GameState& g, EditorState& e);

}  // namespace quobbles::editor
