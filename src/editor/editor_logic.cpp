// The editor's variables, drawing within the extent, the view, clearing and the labyrinth.
#include "editor/editor_logic.h"

#include <chrono>
#include <memory>
#include <random>

#include "state/tiles.h"

namespace quobbles::editor {

EditorState& sharedEditor() {
  static EditorState instance;
  return instance;
}

Random01 clockSeededRandom() {
  const auto seed = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
  auto engine = std::make_shared<std::mt19937_64>(seed);
  return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

void resetEditorView(GameState& g) {
  g.PlayerPos = {0, 0};
  if (g.MapMax.x == 0) g.MapMax = {kMapSize - 1, kMapSize - 1};
}

void Clear_map(GameState& g, EditorState& e, ClearMode mode, Random01 random) {
  if (mode == ClearMode::kLabyrinth && !random) random = clockSeededRandom();
  g.MapMax = {kMapSize - 1, kMapSize - 1};
  for (int y = 0; y < kMapSize; ++y) {
    for (int x = 0; x < kMapSize; ++x) {
      uint8_t c = 0;
      if (mode == ClearMode::kLabyrinth) {
        const bool evenX = x % 2 == 0, evenY = y % 2 == 0;
        if (evenX && evenY)
          c = 0;  // a room
        else if (!evenX && !evenY)
          c = e.SelectedTile;  // a pillar
        else
          c = random() < 0.4 ? e.SelectedTile : 0;  // a passage, walled in 40 % of cases
      }
      g.code(x, y) = c;
    }
  }
  e.LevelChanged = false;
  e.LevelFile.clear();
  g.level.LevelName.clear();
  g.level.EditCode = 0;
  g.level.LevelStatus = kUnpassed;
  resetEditorView(g);
}

void useLabyrinthTool(GameState& g, EditorState& e, Random01 random) {
  if (e.SelectedTile == tile::Empty) e.SelectedTile = tile::PermanentWall;
  Clear_map(g, e, ClearMode::kLabyrinth, std::move(random));
}

WordPos viewSquare(const GameState& g, int k) {
  const int column = k % kEditorViewSide, row = k / kEditorViewSide;
  return {static_cast<int16_t>(g.PlayerPos.x - 4 + column), static_cast<int16_t>(g.PlayerPos.y - 4 + row)};
}

uint8_t viewPicture(const GameState& g, int k) {
  const WordPos s = viewSquare(g, k);
  return g.insideMap(s.x, s.y) ? g.code(s.x, s.y) : tile::PermanentWall;
}

namespace {

bool setCursorSquare(GameState& g, EditorState& e, uint8_t code) {
  const WordPos s = e.CursorSquare;
  if (!g.insideMap(s.x, s.y)) return false;
  e.LevelChanged = true;
  g.code(s.x, s.y) = code;
  return true;
}

}  // namespace

bool drawAtCursor(GameState& g, EditorState& e) {
  return setCursorSquare(g, e, e.SelectedTile);
}

bool clearAtCursor(GameState& g, EditorState& e) {
  return setCursorSquare(g, e, tile::Empty);
}

}  // namespace quobbles::editor
