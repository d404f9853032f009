// The editor's commands and its save and load.
#include "editor/editor_commands.h"

#include <filesystem>
#include <system_error>

#include "editor/copy_paste.h"
#include "editor/editor_files.h"
#include "editor/editor_numbers.h"
#include "state/text_codec.h"

namespace quobbles::editor {

namespace {

namespace fs = std::filesystem;
using Refresh = CommandOutcome::Refresh;
using Next = CommandOutcome::Next;

constexpr const char* kUncorrectValue = "Uncorrect value!";
constexpr const char* kErrorTitle = "Error:";
constexpr const char* kLoadTitle = "Load Level";

bool goesOn(SaveAnswer answer) {
  return answer != SaveAnswer::kCancel && answer != SaveAnswer::kNotSaved;
}

// Discards the level: the record is cleared and the window shows the empty level.
CommandOutcome clearedLevel(GameState& g, EditorState& e) {
  Clear_map(g, e, ClearMode::kPlain);
  return {Refresh::kAll, Next::kStay};
}

// Whether the level may be written as `name`: yes when no such file exists or it is the file
// this level was loaded from or last saved to; otherwise the user is asked.
bool mayReplace(const EditorState& e, const std::string& name, Prompts& prompts) {
  const fs::path target = editorLevelFile(name);
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(target, ec)) || ec) return true;
  if (!e.LevelFile.empty()) {
    const fs::path own(e.LevelFile);
    if (target == own || fs::equivalent(target, own, ec)) return true;
  }
  const std::string existing = shownName(target.stem().string());
  return prompts.message("A level named " + existing + " already exists. Replace it?", "Save level",
                         Buttons::kYesNo, Icon::kQuestion) == Answer::kYes;
}

CommandOutcome saveAndPlay(GameState& g, EditorState& e, Prompts& prompts) {
  if (!Seivaus(g, e, prompts)) return {Refresh::kNothing, Next::kStay};  // nothing saved, nothing to play
  g.PlayState = 0;
  g.EditorTestPlay = true;
  return {Refresh::kAll, Next::kTestPlay};
}

CommandOutcome closeEditor(GameState& g, EditorState& e, Prompts& prompts) {
  if (!goesOn(Kysy_seivata(g, e, prompts))) return {};
  Clear_map(g, e, ClearMode::kPlain);
  forgetChanges(g, e);
  g.EditorTestPlay = false;
  return {Refresh::kAll, Next::kMainMenu};
}

CommandOutcome newLevel(GameState& g, EditorState& e, Prompts& prompts) {
  if (!goesOn(Kysy_seivata(g, e, prompts))) return {};
  asOneStep(g, e, [&] { Clear_map(g, e, ClearMode::kPlain); });
  return {Refresh::kAll, Next::kStay};
}

CommandOutcome copyCommand(EditorState& e, Prompts& prompts) {
  if (!copyArea(e, prompts)) prompts.tell(kUncorrectValue, kErrorTitle, Icon::kCritical);
  return {};
}

CommandOutcome pasteCommand(GameState& g, EditorState& e, Prompts& prompts) {
  if (prompts.message("It may be good idea to save first.. Paste now?", "Paste?", Buttons::kYesNo,
                      Icon::kQuestion) != Answer::kYes)
    return {};
  if (!askPastePosition(e, prompts)) {
    prompts.tell(kUncorrectValue, kErrorTitle, Icon::kCritical);
    return {Refresh::kView, Next::kStay};
  }
  // A paste changes the level like drawing does, also when an error cuts it short.
  const Grid before = g.level.MapGrid;
  bool pasted = false;
  asOneStep(g, e, [&] { pasted = pasteArea(g, e); });
  if (g.level.MapGrid != before) e.LevelChanged = true;
  if (!pasted) prompts.tell(kUncorrectValue, kErrorTitle, Icon::kCritical);
  return {Refresh::kView, Next::kStay};  // squares pasted before a failure keep their codes and are shown
}

}  // namespace

CommandOutcome Comm_Click(EditorCommand command, GameState& g, EditorState& e, Prompts& prompts) {
  // A command ends the change in hand (a stroke, typing into a box) before it starts.
  endChange(g, e);
  switch (command) {
    case EditorCommand::kSaveAndPlay:
      return saveAndPlay(g, e, prompts);
    case EditorCommand::kSave:
      return Seivaus(g, e, prompts) ? CommandOutcome{Refresh::kAll, Next::kStay} : CommandOutcome{};
    case EditorCommand::kLoad:
      return Loudaus(g, e, prompts);
    case EditorCommand::kCloseEditor:
      return closeEditor(g, e, prompts);
    case EditorCommand::kNewLevel:
      return newLevel(g, e, prompts);
    case EditorCommand::kMessage:
      return {Refresh::kNothing, Next::kShowNote};
    case EditorCommand::kCopy:
      return copyCommand(e, prompts);
    case EditorCommand::kPaste:
      return pasteCommand(g, e, prompts);
  }
  return {};
}

CommandOutcome Image1_Click(GameState& g, EditorState& e, Prompts& prompts) {
  endChange(g, e);
  if (prompts.message(
          "This tool destroys all and makes whole map as a huge labyrinth. Do you want to use it now?",
          "Warning!", Buttons::kYesNo, Icon::kQuestion) != Answer::kYes)
    return {};
  asOneStep(g, e, [&] { useLabyrinthTool(g, e); });
  return {Refresh::kAll, Next::kStay};
}

SaveAnswer Kysy_seivata(GameState& g, EditorState& e, Prompts& prompts) {
  if (!e.LevelChanged) return SaveAnswer::kNone;
  switch (prompts.message("Save changes to the level?", "Editor:", Buttons::kYesNoCancel, Icon::kQuestion)) {
    case Answer::kYes:
      return Seivaus(g, e, prompts) ? SaveAnswer::kYes : SaveAnswer::kNotSaved;
    case Answer::kNo:
      return SaveAnswer::kNo;
    default:
      return SaveAnswer::kCancel;
  }
}

bool Seivaus(GameState& g, EditorState& e, Prompts& prompts) {
  const std::string answer = prompts.input("Name:", "Save level", utf8FromGameText(g.level.LevelName));
  if (answer.empty()) return false;  // Cancel, or no name: nothing is saved
  const Outcome<std::string> name = levelNameFromTyped(answer);
  // A file that may not be replaced at all (read-only, or a name too long for the folder) is
  // refused before the question about replacing another level's file.
  std::string failure = name ? levelSaveRefusal(*name.value) : name.reason;
  // Another level's file is replaced only when the user says so; No leaves everything as it was.
  if (failure.empty() && !mayReplace(e, *name.value, prompts)) return false;
  std::string caution;
  if (failure.empty()) failure = saveLevelAs(g, e, *name.value, &caution);
  if (!caution.empty()) prompts.tell(caution, "Save level", Icon::kExclamation);
  if (!failure.empty()) {
    e.LevelChanged = true;
    prompts.tell("The level was not saved as \"" + shownName(answer) + "\":\n" + failure +
                     "\nIt is still marked as changed.",
                 "Save level", Icon::kExclamation);
    return false;
  }
  e.LevelFile = editorLevelFile(*name.value).string();
  markMapSaved(g, e);
  resetEditorView(g);
  return true;
}

CommandOutcome Loudaus(GameState& g, EditorState& e, Prompts& prompts) {
  // A level the user wanted saved but could not be is kept rather than replaced.
  const SaveAnswer saved = Kysy_seivata(g, e, prompts);
  if (saved == SaveAnswer::kNotSaved) return {};
  // A save on the way has shown the saved state already.
  const CommandOutcome unchanged{saved == SaveAnswer::kYes ? Refresh::kAll : Refresh::kNothing, Next::kStay};
  const std::string answer = prompts.input("Name:", "Load level", utf8FromGameText(g.level.LevelName));
  if (answer.empty()) return unchanged;  // Cancel: the editor keeps its level
  const Outcome<std::string> name = levelNameFromTyped(answer);
  if (!name) {
    prompts.tell("There can be no level named \"" + shownName(answer) + "\":\n" + name.reason, kLoadTitle,
                 Icon::kExclamation);
    return unchanged;
  }
  e.LevelChanged = false;
  // From here on the editor holds another level (or none): what could be undone is gone.
  const auto refused = [&](const std::string& message) {
    prompts.tell(message, kLoadTitle, Icon::kExclamation);
    const CommandOutcome outcome = clearedLevel(g, e);
    forgetChanges(g, e);
    return outcome;
  };
  Outcome<Level> level = readEditorLevel(*name.value);
  if (!level) return refused("The level \"" + shownName(answer) + "\" could not be loaded:\n" + level.reason);
  if (level.value->LevelStatus == kCampaignMap) return refused("This is campain map. You can't edit it.");
  const std::string code = prompts.input("Enter EditCode:", kLoadTitle);
  if (!answerEqualsCode(code, level.value->EditCode)) return refused("Access denied - Wrong code!");
  openLoadedLevel(g, e, std::move(*level.value));
  e.LevelFile = editorLevelFile(*name.value).string();
  forgetChanges(g, e);
  resetEditorView(g);
  return {Refresh::kAll, Next::kStay};
}

void reloadAfterTestPlay(GameState& g, EditorState& e, Prompts& prompts) {
  Outcome<Level> saved = readEditorLevel(g.level.LevelName);
  if (saved) {
    g.level = std::move(*saved.value);
    markMapSaved(g, e);
    return;
  }
  e.LevelChanged = true;
  prompts.tell("The level could not be read back from its file:\n" + saved.reason +
                   "\nThe editor shows the level as it was left by the test play.",
               "Editor", Icon::kExclamation);
}

}  // namespace quobbles::editor
