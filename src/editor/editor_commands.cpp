// The editor's commands and its save and load.
#include "editor/editor_commands.h"

#include "editor/copy_paste.h"
#include "editor/editor_files.h"
#include "editor/editor_numbers.h"
#include "state/text_codec.h"

namespace quobbles::editor {

namespace {

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

CommandOutcome saveAndPlay(GameState& g, EditorState& e, Prompts& prompts) {
  if (!Seivaus(g, e, prompts)) return {Refresh::kNothing, Next::kStay};  // nothing saved, nothing to play
  g.PlayState = 0;
  g.EditorTestPlay = true;
  return {Refresh::kAll, Next::kTestPlay};
}

CommandOutcome closeEditor(GameState& g, EditorState& e, Prompts& prompts) {
  if (!goesOn(Kysy_seivata(g, e, prompts))) return {};
  Clear_map(g, e, ClearMode::kPlain);
  g.EditorTestPlay = false;
  return {Refresh::kAll, Next::kMainMenu};
}

CommandOutcome newLevel(GameState& g, EditorState& e, Prompts& prompts) {
  if (!goesOn(Kysy_seivata(g, e, prompts))) return {};
  return clearedLevel(g, e);
}

CommandOutcome copyCommand(EditorState& e, Prompts& prompts) {
  if (!copyArea(e, prompts)) prompts.tell(kUncorrectValue, kErrorTitle, Icon::kCritical);
  return {};
}

CommandOutcome pasteCommand(GameState& g, EditorState& e, Prompts& prompts) {
  if (prompts.message("It may be good idea to save first.. Paste now?", "Paste?", Buttons::kYesNo,
                      Icon::kQuestion) != Answer::kYes)
    return {};
  const bool pasted = askPastePosition(e, prompts) && pasteArea(g, e);
  if (!pasted) prompts.tell(kUncorrectValue, kErrorTitle, Icon::kCritical);
  return {Refresh::kView, Next::kStay};  // squares pasted before a failure keep their codes and are shown
}

}  // namespace

CommandOutcome Comm_Click(EditorCommand command, GameState& g, EditorState& e, Prompts& prompts) {
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
  if (prompts.message(
          "This tool destroys all and makes whole map as a huge labyrinth. Do you want to use it now?",
          "Warning!", Buttons::kYesNo, Icon::kQuestion) != Answer::kYes)
    return {};
  useLabyrinthTool(g, e);
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
  std::string caution;
  const std::string failure = name ? saveLevelAs(g, e, *name.value, &caution) : name.reason;
  if (!caution.empty()) prompts.tell(caution, "Save level", Icon::kExclamation);
  if (!failure.empty()) {
    e.LevelChanged = true;
    prompts.tell("The level was not saved as \"" + shownName(answer) + "\":\n" + failure +
                     "\nIt is still marked as changed.",
                 "Save level", Icon::kExclamation);
    return false;
  }
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
  Outcome<Level> level = readEditorLevel(*name.value);
  if (!level) {
    prompts.tell("The level \"" + shownName(answer) + "\" could not be loaded:\n" + level.reason, kLoadTitle,
                 Icon::kExclamation);
    return clearedLevel(g, e);
  }
  if (level.value->LevelStatus == kCampaignMap) {
    prompts.tell("This is campain map. You can't edit it.", kLoadTitle, Icon::kExclamation);
    return clearedLevel(g, e);
  }
  const std::string code = prompts.input("Enter EditCode:", kLoadTitle);
  if (!answerEqualsCode(code, level.value->EditCode)) {
    prompts.tell("Access denied - Wrong code!", kLoadTitle, Icon::kExclamation);
    return clearedLevel(g, e);
  }
  openLoadedLevel(g, e, std::move(*level.value));
  resetEditorView(g);
  return {Refresh::kAll, Next::kStay};
}

void reloadAfterTestPlay(GameState& g, EditorState& e, Prompts& prompts) {
  Outcome<Level> saved = readEditorLevel(g.level.LevelName);
  if (saved) {
    g.level = std::move(*saved.value);
    return;
  }
  e.LevelChanged = true;
  prompts.tell("The level could not be read back from its file:\n" + saved.reason +
                   "\nThe editor shows the level as it was left by the test play.",
               "Editor", Icon::kExclamation);
}

}  // namespace quobbles::editor
