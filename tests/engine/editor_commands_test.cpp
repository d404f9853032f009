// The editor's commands as a level maker drives them: copy, paste and the labyrinth through their
// questions; saving and loading with their refusals; the mended faults (refused names, Cancel,
// failed writes, missing files); the ask-to-save question before close, new and load; the
// replace question for another level's file; and undo and redo (which changes make one step,
// what they bring back, when the level counts as changed, how deep the history goes, which
// commands keep or clear it, and the saved level back after a test play).
#include "editor/editor_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "editor/editor_history.h"
#include "state/level_file.h"
#include "state/program_files.h"
#include "state/tiles.h"
#include "support/program_folder_test.h"

namespace quobbles::editor {
namespace {

namespace fs = std::filesystem;
using Refresh = CommandOutcome::Refresh;
using Next = CommandOutcome::Next;
using Strings = std::vector<std::string>;

class EditorCommands : public testing::ProgramFolderTest {
 protected:
  EditorCommands() { g.MapMax = {49, 49}; }

  // Runs a command with the prompts answered as given; `said` then holds what it asked.
  CommandOutcome run(EditorCommand command, const Strings& inputs = {}, std::deque<Answer> answers = {}) {
    prompts = {};
    prompts.inputs.assign(inputs.begin(), inputs.end());
    prompts.answers = std::move(answers);
    const CommandOutcome outcome = Comm_Click(command, g, e, prompts);
    said.clear();
    for (const auto& a : prompts.asked) said.push_back(a.title + ": " + a.text);
    return outcome;
  }
  fs::path levels() const { return dir.path() / "Levels"; }
  // Draws the selected tile on each square, as the mouse does, inside a change of this kind.
  void draw(std::initializer_list<std::pair<int, int>> squares, StepKind kind = StepKind::kSquares) {
    beginChange(g, e, kind);
    for (auto [x, y] : squares) {
      e.CursorSquare = {static_cast<int16_t>(x), static_cast<int16_t>(y)};
      ASSERT_TRUE(drawAtCursor(g, e));
    }
  }

  Strings said;
};

TEST_F(EditorCommands, CopyPasteAndTheLabyrinthAskFirst) {
  for (int x = 0; x < 4; ++x) g.code(x, 3) = static_cast<uint8_t>(20 + x);
  const std::string area = "Select area to be copied: ", where = "Where do I put this?: ",
                    paste = "Paste?: It may be good idea to save first.. Paste now?";
  EXPECT_EQ(run(EditorCommand::kCopy, {"0", "3", "3", "3"}), CommandOutcome{});
  EXPECT_EQ(said,
            (Strings{area + "Left edge of area (X-position):", area + "Top of area (Y-position):",
                     area + "Right edge of area (X-position):", area + "Bottom of area (Y-position):"}));
  // One square to the right of itself: each pasted square is read again as the next source.
  EXPECT_EQ(run(EditorCommand::kPaste, {"1", "3"}, {Answer::kYes}),
            (CommandOutcome{Refresh::kView, Next::kStay}));
  EXPECT_EQ(said,
            (Strings{paste, where + "Left edge of area (X-position):", where + "Top of area (Y-position):"}));
  for (int x = 0; x <= 5; ++x) EXPECT_EQ(g.code(x, 3), x < 5 ? 20 : 0) << x;
  EXPECT_TRUE(e.LevelChanged);  // a paste marks the level, so its work is not lost unasked
  e.LevelChanged = false;
  run(EditorCommand::kPaste, {"1", "3"}, {Answer::kYes});  // the same codes again: nothing changed
  EXPECT_FALSE(e.LevelChanged);
  EXPECT_EQ(run(EditorCommand::kPaste, {}, {Answer::kNo}), CommandOutcome{});  // No ends it
  EXPECT_EQ(said, Strings{paste});
  for (std::size_t cancelAt = 0; cancelAt < 4; ++cancelAt) {  // Cancel gives the empty text
    run(EditorCommand::kCopy, Strings(cancelAt, "1"));
    EXPECT_EQ(said.back(), "Error:: Uncorrect value!") << cancelAt;
    EXPECT_EQ(said.size(), cancelAt + 2);
    EXPECT_EQ(prompts.asked.back().icon, Icon::kCritical);
  }
  // A paste cut short still shows what it pasted, and marks the level if it changed a square.
  EXPECT_EQ(run(EditorCommand::kPaste, {"1"}, {Answer::kYes}), (CommandOutcome{Refresh::kView, Next::kStay}));
  EXPECT_EQ(said.back(), "Error:: Uncorrect value!");
  EXPECT_FALSE(e.LevelChanged);
  e.CopyArea = {20, 5, 40, 0, 0, 0};  // columns 20..60: the source runs off the grid at column 50
  for (int x = 0; x < kMapSize; ++x) g.code(x, 5) = static_cast<uint8_t>(x % 2 ? 21 : 22);
  run(EditorCommand::kPaste, {"0", "6"}, {Answer::kYes});
  EXPECT_EQ(said.back(), "Error:: Uncorrect value!");
  EXPECT_EQ((std::pair{g.code(0, 6), g.code(1, 6)}), (std::pair<uint8_t, uint8_t>{22, 21}));
  EXPECT_TRUE(e.LevelChanged);

  g.level.LevelName = "Maze";
  prompts = {};
  prompts.answers = {Answer::kNo, Answer::kYes};
  EXPECT_EQ(Image1_Click(g, e, prompts), CommandOutcome{});  // No keeps the map
  EXPECT_EQ(g.code(4, 3), 20);
  EXPECT_EQ(Image1_Click(g, e, prompts), (CommandOutcome{Refresh::kAll, Next::kStay}));
  EXPECT_EQ(prompts.asked.size(), 2u);
  EXPECT_EQ(prompts.asked[1].text,
            "This tool destroys all and makes whole map as a huge labyrinth. Do you want to use it now?");
  EXPECT_EQ((std::tuple{g.level.LevelName, g.code(1, 1), e.SelectedTile}),
            (std::tuple{std::string(), tile::PermanentWall, tile::PermanentWall}));
}

TEST_F(EditorCommands, SaveAndLoadRoundTripAndTheLoadsRefusals) {
  Level level{"Round", -1234, kPassed, {}};
  level.code(49, 49) = tile::PurpleBlockUp;
  g.level = level;
  g.PlayerPos = {7, 7};
  EXPECT_EQ(run(EditorCommand::kSave, {"Round"}), (CommandOutcome{Refresh::kAll, Next::kStay}));
  EXPECT_EQ(said, Strings{"Save level: Name:"});
  EXPECT_EQ(prompts.asked[0].defaultText, "Round");
  EXPECT_EQ((std::tuple{g.PlayerPos.x, g.PlayerPos.y}), (std::tuple{0, 0}));  // the view back at (0, 0)
  level.LevelStatus = kUnpassed;  // a changed level must be passed again
  EXPECT_EQ(ReadLevel(levels() / "Round.lev").value, std::optional(level));
  Clear_map(g, e, ClearMode::kPlain);  // loaded under another spelling, the file's own name comes back
  EXPECT_EQ(run(EditorCommand::kLoad, {"ROUND", " -1234.0 "}), (CommandOutcome{Refresh::kAll, Next::kStay}));
  EXPECT_EQ(said, (Strings{"Load level: Name:", "Load Level: Enter EditCode:"}));
  EXPECT_EQ(g.level, level);

  std::ofstream(levels() / "short.lev", std::ios::binary) << std::string{4, 0, 'a', 'b'};
  ASSERT_EQ(WriteLevel(levels() / "Map3.lev", Level{"Map3", 0, kCampaignMap, {}}), "");
  const long before = files();
  const std::pair<Strings, std::string> refused[] = {
      {{"Round", "1234"}, "Load Level: Access denied - Wrong code!"},
      {{"Map3"}, "Load Level: This is campain map. You can't edit it."},    // no code is asked for
      {{"ghost"}, "Load Level: The level \"ghost\" could not be loaded:"},  // nothing is made
      {{"short"}, "Load Level: The level \"short\" could not be loaded:"}};
  for (const auto& [inputs, refusal] : refused) {
    g.level = level;
    EXPECT_EQ(run(EditorCommand::kLoad, inputs), (CommandOutcome{Refresh::kAll, Next::kStay}));
    EXPECT_EQ(said.size(), inputs.size() + 1);
    EXPECT_EQ(said.back().rfind(refusal, 0), 0u) << said.back();
    EXPECT_EQ(prompts.asked.back().icon, Icon::kExclamation);
    EXPECT_EQ(g.level, Level{});  // nothing of the refused level stays
  }
  EXPECT_EQ(files(), before);
  // Cancel at the name keeps the level; a name that cannot be a file is refused before any file.
  g.level = level;
  EXPECT_EQ(run(EditorCommand::kLoad, {""}), CommandOutcome{});
  EXPECT_EQ(run(EditorCommand::kLoad, {"../Round"}), CommandOutcome{});
  EXPECT_EQ(said.back().rfind("Load Level: There can be no level named \"../Round\"", 0), 0u) << said.back();
  EXPECT_EQ(g.level, level);
}

TEST_F(EditorCommands, ASaveThatFailsOrIsCancelledWritesNothingAndStartsNoTestPlay) {
  const long before = files();
  for (const std::string& name : {std::string(), std::string("../evil"), std::string(100000, 'n')}) {
    e.LevelChanged = name.empty();
    run(EditorCommand::kSave, {name});
    EXPECT_EQ(said.size(), name.empty() ? 1u : 2u);
    EXPECT_LT(said.back().size(), 300u);  // a long name is quoted cut short
    EXPECT_TRUE(e.LevelChanged);          // still to be saved
    EXPECT_EQ(run(EditorCommand::kSaveAndPlay, {name}), CommandOutcome{});
    EXPECT_FALSE(g.EditorTestPlay);
  }
  EXPECT_EQ(files(), before);
  fs::remove_all(levels());
  std::ofstream(levels()) << "x";  // a file where the folder belongs
  EXPECT_EQ(run(EditorCommand::kSaveAndPlay, {"blocked"}), CommandOutcome{});
  EXPECT_NE(said.back().find("\"blocked\""), std::string::npos);
  // Yes to the question, then a failing save: the editor stays open with its drawing.
  EXPECT_EQ(run(EditorCommand::kCloseEditor, {"blocked"}, {Answer::kYes}), CommandOutcome{});
  EXPECT_TRUE(e.LevelChanged);

  fs::remove(levels());
  g.level.LevelName = "Played";
  EXPECT_EQ(run(EditorCommand::kSaveAndPlay, {"Played"}), (CommandOutcome{Refresh::kAll, Next::kTestPlay}));
  EXPECT_TRUE(g.EditorTestPlay);
  EXPECT_TRUE(fs::exists(levels() / "Played.lev"));
}

TEST_F(EditorCommands, CloseNewAndLoadAskToSaveOnlyAfterDrawing) {
  fs::create_directories(levels());
  ASSERT_EQ(WriteLevel(levels() / "Stored.lev", Level{"Stored", 9, kUnpassed, {}}), "");
  // Drawn?, the answer, the name then typed for the save ("": Cancel), and whether close and new
  // go on.
  const std::tuple<bool, Answer, const char*, bool> cases[] = {
      {false, Answer::kCancel, "", true}, {true, Answer::kCancel, "", false}, {true, Answer::kNo, "", true},
      {true, Answer::kYes, "kept", true}, {true, Answer::kYes, "", false},
  };
  for (EditorCommand command :
       {EditorCommand::kCloseEditor, EditorCommand::kNewLevel, EditorCommand::kLoad}) {
    for (const auto& [drawn, answer, name, proceeds] : cases) {
      const bool load = command == EditorCommand::kLoad;
      const bool goesOn = proceeds || (load && answer == Answer::kCancel);  // load goes on after Cancel
      Clear_map(g, e, ClearMode::kPlain);
      g.code(2, 2) = tile::Star;
      e.LevelChanged = drawn;
      Strings inputs = load ? Strings{"Stored", "9"} : Strings{};
      if (answer == Answer::kYes) inputs.insert(inputs.begin(), name);
      const CommandOutcome outcome = run(command, inputs, {answer});
      const std::string what = std::to_string(int(command)) + " " + std::to_string(drawn) + " " + name;
      EXPECT_EQ(!said.empty() && said[0] == "Editor:: Save changes to the level?", drawn) << what;
      if (drawn) {
        EXPECT_EQ(prompts.asked[0].buttons, Buttons::kYesNoCancel) << what;
      }
      EXPECT_EQ(fs::exists(levels() / (std::string(name) + ".lev")), *name != 0) << what;
      EXPECT_EQ(g.code(2, 2), goesOn ? 0 : tile::Star) << what;
      EXPECT_EQ(g.level.LevelName, std::string(load && goesOn ? "Stored" : "")) << what;
      EXPECT_EQ(outcome.next,
                command == EditorCommand::kCloseEditor && goesOn ? Next::kMainMenu : Next::kStay)
          << what;
      fs::remove(levels() / "kept.lev");
    }
  }
}

TEST_F(EditorCommands, AnotherLevelsFileIsReplacedOnlyAfterYesAndNoIsAFailedSave) {
  fs::create_directories(levels());
  const Level others{"Other", 77, kPassed, {}};
  const fs::path otherFile = levels() / "Other.lev";
  ASSERT_EQ(WriteLevel(otherFile, others), "");
  const auto otherBytes = [&] { return ReadLevel(otherFile).value; };
  const std::string question = "Save level: A level named Other already exists. Replace it?";
  const Level mine{"Mine", 5, kPassed, {}};

  // No, in any letter case: nothing is written, and the record and its mark are as before.
  // Close, new and load stop, and save and play starts no test play.
  const std::pair<EditorCommand, std::deque<Answer>> refusals[] = {
      {EditorCommand::kSave, {Answer::kNo}},
      {EditorCommand::kSaveAndPlay, {Answer::kNo}},
      {EditorCommand::kCloseEditor, {Answer::kYes, Answer::kNo}},
      {EditorCommand::kNewLevel, {Answer::kYes, Answer::kNo}},
      {EditorCommand::kLoad, {Answer::kYes, Answer::kNo}}};
  for (const auto& [command, answers] : refusals) {
    g.level = mine;
    g.level.code(1, 1) = tile::Star;
    e.LevelChanged = true;
    EXPECT_EQ(run(command, {"oTHER", "Other", "77"}, answers), CommandOutcome{}) << int(command);
    EXPECT_EQ(said.back(), question) << int(command);
    EXPECT_EQ(prompts.asked.back().buttons, Buttons::kYesNo);
    EXPECT_EQ(prompts.inputs.size(), 2u) << int(command);  // a load asks no name of its own
    EXPECT_EQ((std::tuple{g.level.LevelName, g.level.LevelStatus, g.code(1, 1), e.LevelChanged}),
              (std::tuple{std::string("Mine"), int16_t{kPassed}, tile::Star, true}))
        << int(command);
    EXPECT_FALSE(g.EditorTestPlay);
    EXPECT_EQ(otherBytes(), std::optional(others));
  }

  // Yes replaces it; from then on the file is this level's own, and saving there asks nothing.
  g.level = mine;
  EXPECT_EQ(run(EditorCommand::kSave, {"other"}, {Answer::kYes}).refresh, Refresh::kAll);
  EXPECT_EQ(said, (Strings{"Save level: Name:", question}));
  EXPECT_EQ(otherBytes()->EditCode, 5);
  EXPECT_EQ(run(EditorCommand::kSave, {"OTHER"}).refresh, Refresh::kAll);
  EXPECT_EQ(said, Strings{"Save level: Name:"});
  EXPECT_EQ(files(), 2);  // the folder and the one file: no second spelling of it

  // A level loaded for editing is saved back without the question; a new level is not that
  // level any more, and is asked about.
  ASSERT_EQ(WriteLevel(levels() / "Loaded.lev", Level{"Loaded", 1, kUnpassed, {}}), "");
  run(EditorCommand::kLoad, {"Loaded", "1"});
  EXPECT_EQ(run(EditorCommand::kSave, {"loaded"}).refresh, Refresh::kAll);
  EXPECT_EQ(said, Strings{"Save level: Name:"});
  run(EditorCommand::kNewLevel);
  EXPECT_EQ(run(EditorCommand::kSave, {"Loaded"}, {Answer::kNo}), CommandOutcome{});
  EXPECT_EQ(said.back(), "Save level: A level named Loaded already exists. Replace it?");
}

TEST_F(EditorCommands, ChangesOfOneKindInARowAreOneStepAndUndoRedoBringBackSquaresAndFields) {
  const auto now = [this] { return std::pair{g.level, g.MapMax}; };
  std::vector<std::pair<Level, WordPos>> steps = {now()};  // the record after each step
  e.SelectedTile = tile::Star;
  draw({{0, 0}, {1, 0}, {2, 0}}, StepKind::kShiftStroke);  // one stroke
  steps.push_back(now());
  draw({{5, 5}});  // another kind ends the stroke
  e.SelectedTile = tile::Exit;
  draw({{5, 5}});  // goes on with the open click: still one step
  steps.push_back(now());
  beginChange(g, e, StepKind::kName);
  g.level.LevelName = "Ma";
  g.level.LevelName = "Maze";
  steps.push_back(now());
  beginChange(g, e, StepKind::kCode);
  g.level.EditCode = 42;
  steps.push_back(now());
  beginChange(g, e, StepKind::kWidth);
  g.MapMax.x = 20;
  endChange(g, e);
  steps.push_back(now());
  EXPECT_TRUE(e.LevelChanged);

  // Undo goes back one step at a time, newest first; the level counts as changed while its map
  // differs from the one saved (all empty). Redo replays them all.
  for (std::size_t i = steps.size() - 1; i > 0; --i) {
    ASSERT_TRUE(undoChange(g, e)) << i;
    EXPECT_EQ(now(), steps[i - 1]) << i;
    EXPECT_EQ(e.LevelChanged, i > 1) << i;
  }
  EXPECT_FALSE(undoChange(g, e) || canUndo(g, e));
  for (std::size_t i = 1; i < steps.size(); ++i) {
    ASSERT_TRUE(redoChange(g, e)) << i;
    EXPECT_EQ(now(), steps[i]) << i;
  }
  EXPECT_FALSE(redoChange(g, e));
  EXPECT_TRUE(e.LevelChanged);

  // A new change after an undo drops what could be redone.
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

TEST_F(EditorCommands, TheLast1000StepsAreKept) {
  e.SelectedTile = tile::Star;
  const int steps = static_cast<int>(EditorHistory::kDepth) + 5;
  for (int i = 0; i < steps; ++i) {
    endChange(g, e);
    draw({{i % kMapSize, i / kMapSize}});
  }
  endChange(g, e);
  int undone = 0;
  while (undoChange(g, e)) ++undone;
  EXPECT_EQ(undone, static_cast<int>(EditorHistory::kDepth));
  // The five oldest steps are gone: their squares stay drawn, every later one is undone.
  for (int i = 0; i < steps; ++i)
    ASSERT_EQ(g.code(i % kMapSize, i / kMapSize), i < 5 ? tile::Star : tile::Empty) << i;
  EXPECT_TRUE(e.LevelChanged);
}

TEST_F(EditorCommands, CommandsAreStepsSavesAndTestPlaysKeepTheHistoryLoadAndCloseClearIt) {
  e.SelectedTile = tile::BreakableWall;
  draw({{3, 3}});
  g.level.LevelName = "Garden";
  // Saving keeps the history; the saved map is now the one undo measures changes against.
  EXPECT_EQ(run(EditorCommand::kSave, {"Garden"}).refresh, CommandOutcome::Refresh::kAll);
  EXPECT_FALSE(e.LevelChanged);
  ASSERT_TRUE(undoChange(g, e));
  EXPECT_EQ((std::pair{g.code(3, 3), e.LevelChanged}),
            (std::pair{tile::Empty, true}));  // differs from the saved map
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
  for (const Grid& back : {pasted, maze}) {
    ASSERT_TRUE(undoChange(g, e));
    EXPECT_EQ(g.level.MapGrid, back);
  }
  ASSERT_TRUE(undoChange(g, e));  // the maze undone: the saved level is back, name and file too
  EXPECT_EQ((std::tuple{g.code(3, 3), g.level.LevelName, fs::path(e.LevelFile).filename(), e.LevelChanged}),
            (std::tuple{tile::BreakableWall, std::string("Garden"), fs::path("Garden.lev"), false}));

  // Back from a test play the saved level returns, and the history is still there.
  g.code(3, 3) = tile::Empty;  // as the play left it
  reloadAfterTestPlay(g, e, prompts);
  EXPECT_EQ(g.code(3, 3), tile::BreakableWall);
  EXPECT_TRUE(redoChange(g, e));

  // A load (also a refused one) and closing the editor leave nothing to undo or redo.
  ASSERT_TRUE(undoChange(g, e));
  run(EditorCommand::kLoad, {"Garden", "0"}, {Answer::kNo});
  EXPECT_FALSE(g.level.LevelName != "Garden" || canUndo(g, e) || canRedo(e));
  draw({{4, 4}});
  run(EditorCommand::kLoad, {"Garden", "5"}, {Answer::kNo});  // wrong code: cleared
  EXPECT_FALSE(canUndo(g, e) || canRedo(e));
  draw({{4, 4}});
  endChange(g, e);
  run(EditorCommand::kCloseEditor, {}, {Answer::kNo});
  EXPECT_FALSE(canUndo(g, e) || canRedo(e) || e.LevelChanged);

  // Back from a test play of a level whose file cannot be read, it is kept as played and offered
  // for saving.
  g.level.LevelName = "Trip";
  g.code(3, 3) = tile::Star;  // as the play left it
  reloadAfterTestPlay(g, e, prompts);
  EXPECT_EQ((std::tuple{g.level.LevelName, g.code(3, 3), e.LevelChanged}),
            (std::tuple{std::string("Trip"), tile::Star, true}));
  EXPECT_EQ(prompts.messages().back().rfind("The level could not be read back from its file:", 0), 0u);
}

}  // namespace
}  // namespace quobbles::editor
