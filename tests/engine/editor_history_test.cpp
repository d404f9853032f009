// Undo and redo in the editor: which changes make one step, what undo and redo bring back, when
// the level counts as changed afterwards, how deep the history goes, and which commands keep or
// clear it.
#include "editor/editor_history.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "editor/editor_commands.h"
#include "editor/editor_logic.h"
#include "state/level_file.h"
#include "state/program_files.h"
#include "state/tiles.h"
#include "support/program_folder_test.h"

namespace quobbles::editor {
namespace {

class EditorHistoryTest : public testing::ProgramFolderTest {
 protected:
  EditorHistoryTest() { g.MapMax = {49, 49}; }

  // Draws the selected tile on each square, as the mouse does, inside a change of this kind.
  void draw(std::initializer_list<std::pair<int, int>> squares, StepKind kind = StepKind::kSquares) {
    beginChange(g, e, kind);
    for (auto [x, y] : squares) {
      e.CursorSquare = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
      ASSERT_TRUE(drawAtCursor(g, e));
    }
  }
  CommandOutcome run(EditorCommand command, std::deque<std::string> inputs = {},
                     std::deque<Answer> answers = {}) {
    prompts = {};
    prompts.inputs = std::move(inputs);
    prompts.answers = std::move(answers);
    return Comm_Click(command, g, e, prompts);
  }
  int undoAll() {
    int n = 0;
    while (undoChange(g, e)) ++n;
    return n;
  }
};

TEST_F(EditorHistoryTest, ChangesOfOneKindInARowAreOneStepAndUndoRedoBringBackSquaresAndFields) {
  e.SelectedTile = tile::Star;
  draw({{0, 0}, {1, 0}, {2, 0}}, StepKind::kShiftStroke);  // one stroke
  draw({{5, 5}});                                          // another kind ends the stroke
  e.SelectedTile = tile::Exit;
  draw({{5, 5}});  // goes on with the open click: still one step
  beginChange(g, e, StepKind::kName);
  g.level.LevelName = "Ma";
  g.level.LevelName = "Maze";
  beginChange(g, e, StepKind::kCode);
  g.level.EditCode = 42;
  beginChange(g, e, StepKind::kWidth);
  g.MapMax.x = 20;
  endChange(g, e);
  const Level drawn = g.level;
  EXPECT_TRUE(e.LevelChanged);

  // Undo goes back one step at a time, newest first.
  ASSERT_TRUE(undoChange(g, e));
  EXPECT_EQ(g.MapMax, (WordPos{49, 49}));
  ASSERT_TRUE(undoChange(g, e));
  EXPECT_EQ(g.level.EditCode, 0);
  ASSERT_TRUE(undoChange(g, e));
  EXPECT_EQ(g.level.LevelName, "");
  EXPECT_TRUE(e.LevelChanged);  // the map still differs from the one saved (all empty)
  ASSERT_TRUE(undoChange(g, e));
  EXPECT_EQ(g.code(5, 5), tile::Empty);
  EXPECT_EQ(g.code(2, 0), tile::Star);
  ASSERT_TRUE(undoChange(g, e));
  EXPECT_EQ(g.level, Level{});
  EXPECT_FALSE(e.LevelChanged);  // back at the saved map
  EXPECT_FALSE(undoChange(g, e));
  EXPECT_FALSE(canUndo(g, e));

  // Redo replays them all; a new change after an undo drops what could be redone.
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(redoChange(g, e)) << i;
  EXPECT_FALSE(redoChange(g, e));
  EXPECT_EQ(g.level, drawn);
  EXPECT_EQ(g.MapMax.x, 20);
  EXPECT_TRUE(e.LevelChanged);
  ASSERT_TRUE(undoChange(g, e));
  EXPECT_TRUE(canRedo(e));
  beginChange(g, e, StepKind::kCode);
  g.level.EditCode = 7;
  EXPECT_TRUE(canUndo(g, e));  // the open change counts before it is ended
  endChange(g, e);
  EXPECT_FALSE(canRedo(e));

  // A change that changed nothing leaves no step, and keeps what can be redone.
  ASSERT_TRUE(undoChange(g, e));
  beginChange(g, e, StepKind::kName);
  endChange(g, e);
  EXPECT_TRUE(redoChange(g, e));
  EXPECT_EQ(g.level.EditCode, 7);
}

TEST_F(EditorHistoryTest, TheLast1000StepsAreKept) {
  e.SelectedTile = tile::Star;
  const int steps = static_cast<int>(EditorHistory::kDepth) + 5;
  for (int i = 0; i < steps; ++i) {
    endChange(g, e);
    draw({{i % kMapSize, i / kMapSize}});
  }
  endChange(g, e);
  EXPECT_EQ(undoAll(), static_cast<int>(EditorHistory::kDepth));
  // The five oldest steps are gone: their squares stay drawn, every later one is undone.
  for (int i = 0; i < steps; ++i)
    ASSERT_EQ(g.code(i % kMapSize, i / kMapSize), i < 5 ? tile::Star : tile::Empty) << i;
  EXPECT_TRUE(e.LevelChanged);
}

TEST_F(EditorHistoryTest, CommandsAreStepsSavesAndTestPlaysKeepTheHistoryLoadAndCloseClearIt) {
  e.SelectedTile = tile::BreakableWall;
  draw({{3, 3}});
  g.level.LevelName = "Garden";
  // Saving keeps the history; the saved map is now the one undo measures changes against.
  EXPECT_EQ(run(EditorCommand::kSave, {"Garden"}).refresh, CommandOutcome::Refresh::kAll);
  EXPECT_FALSE(e.LevelChanged);
  ASSERT_TRUE(undoChange(g, e));
  EXPECT_EQ(g.code(3, 3), tile::Empty);
  EXPECT_TRUE(e.LevelChanged);  // differs from the map just saved
  ASSERT_TRUE(redoChange(g, e));
  EXPECT_FALSE(e.LevelChanged);

  // The labyrinth, a paste and a new level are one step each.
  prompts.answers = {Answer::kYes};
  std::ignore = Image1_Click(g, e, prompts);
  const Grid maze = g.level.MapGrid;
  EXPECT_EQ(g.level.LevelName, "");
  run(EditorCommand::kCopy, {"1", "1", "1", "1"});         // a pillar, always a wall
  run(EditorCommand::kPaste, {"0", "0"}, {Answer::kYes});  // onto a room, always empty
  EXPECT_TRUE(e.LevelChanged);
  const Grid pasted = g.level.MapGrid;
  run(EditorCommand::kNewLevel, {}, {Answer::kNo});  // No to "Save changes?"
  EXPECT_EQ(g.level.MapGrid, Grid{});
  ASSERT_TRUE(undoChange(g, e));
  EXPECT_EQ(g.level.MapGrid, pasted);
  ASSERT_TRUE(undoChange(g, e));
  EXPECT_EQ(g.level.MapGrid, maze);
  ASSERT_TRUE(undoChange(g, e));  // the maze undone: the saved level is back, name and file too
  EXPECT_EQ(g.code(3, 3), tile::BreakableWall);
  EXPECT_EQ(g.level.LevelName, "Garden");
  EXPECT_EQ(std::filesystem::path(e.LevelFile).filename(), "Garden.lev");
  EXPECT_FALSE(e.LevelChanged);

  // Back from a test play the saved level returns, and the history is still there.
  g.code(3, 3) = tile::Empty;  // as the play left it
  reloadAfterTestPlay(g, e, prompts);
  EXPECT_EQ(g.code(3, 3), tile::BreakableWall);
  EXPECT_TRUE(redoChange(g, e));

  // A load (also a refused one) and closing the editor leave nothing to undo or redo.
  ASSERT_TRUE(undoChange(g, e));
  run(EditorCommand::kLoad, {"Garden", "0"}, {Answer::kNo});
  EXPECT_EQ(g.level.LevelName, "Garden");
  EXPECT_FALSE(canUndo(g, e) || canRedo(e));
  draw({{4, 4}});
  run(EditorCommand::kLoad, {"Garden", "5"}, {Answer::kNo});  // wrong code: cleared
  EXPECT_FALSE(canUndo(g, e) || canRedo(e));
  draw({{4, 4}});
  endChange(g, e);
  run(EditorCommand::kCloseEditor, {}, {Answer::kNo});
  EXPECT_FALSE(canUndo(g, e) || canRedo(e));
  EXPECT_FALSE(e.LevelChanged);
}

}  // namespace
}  // namespace quobbles::editor
