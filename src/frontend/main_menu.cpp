// The main menu's rules: the highlight keys, the editor gate and "Play other maps".
#include "frontend/main_menu.h"

#include <filesystem>

#include "state/level_file.h"
#include "state/program_files.h"

namespace quobbles {

MainMenuVariables& sharedMainMenu() {
  static MainMenuVariables instance;
  return instance;
}

MenuKeyResult menuKey(MainMenuVariables& menu, int16_t keyAscii) {
  switch (keyAscii) {
    case 13:
      return MenuKeyResult::kRunHighlighted;
    case 27:
      menu.MenuChoice = menu_item::kExit;
      break;
    case '2':
      menu.MenuChoice = menu.MenuChoice >= kMenuItemCount - 1 ? 0 : menu.MenuChoice + 1;
      break;
    case '8':
      menu.MenuChoice = menu.MenuChoice == 0 ? kMenuItemCount - 1 : menu.MenuChoice - 1;
      break;
    default:
      break;
  }
  return MenuKeyResult::kNothing;
}

namespace {

constexpr const char* kCampaignRefusal = "This is campain map. -Ha! Don't you think it's that easy!";
constexpr const char* kNeverPassedWarning =
    "No one has ever passed this version of this level! This message may warn you if you are trying to play "
    "an "
    "unpossible level. Level maker: If level is once passed in this mode this message will not be shown "
    "again. "
    "Any changes to level will bring it back. So pass your level once when it's ready. It makes other to "
    "believe "
    "it really is possible to pass even if it may make your brain suffer!";
constexpr const char* kEditorLocked =
    "To get edit your own maps you need to pass level number 16: 'Trip to the Garden'. If you are already "
    "passed "
    "it enter to play campain and come back to enter to the MAP EDITOR.";

}  // namespace

bool editorUnlocked(const Profile& profile) {
  return profile.LevelPassed[16] != 0;
}

bool mayOpenEditor(const Profile& profile, Prompts& prompts) {
  if (editorUnlocked(profile)) return true;
  prompts.tell(kEditorLocked, "Not yet!", Icon::kNone, true);
  return false;
}

OtherMapOutcome loadOtherMap(GameState& g, editor::EditorState& e, const std::string& pathUtf8) {
  OtherMapOutcome out;
  Outcome<Level> read = ReadLevel(std::filesystem::path(pathUtf8));
  if (!read) {
    out.verdict = OtherMapVerdict::kUnreadable;
    out.reason = read.reason;
  } else {
    g.level = std::move(*read.value);
    switch (g.level.LevelStatus) {
      case kUnpassed:
        out.verdict = OtherMapVerdict::kPlayAfterWarning;
        break;
      case kPassed:
        out.verdict = OtherMapVerdict::kPlay;
        break;
      case kCampaignMap:
        out.verdict = OtherMapVerdict::kCampaignMap;
        break;
      default:
        out.verdict = OtherMapVerdict::kUnknownStatus;
        out.reason = "Its status value is " + std::to_string(g.level.LevelStatus) +
                     ", but a level file holds 0 (never passed), 1 (campaign map) or 2 (passed).";
        break;
    }
  }
  if (out.verdict != OtherMapVerdict::kPlay && out.verdict != OtherMapVerdict::kPlayAfterWarning)
    editor::Clear_map(g, e, editor::ClearMode::kPlain);
  return out;
}

bool playOtherMaps(GameState& g, editor::EditorState& e, Prompts& prompts) {
  g.LevelPath.clear();
  // The dialog's filter has one entry, "Levels (*.lev)".
  const std::string chosen = prompts.openFile("Levels (*.lev)", dataFile({"Levels"}).string() + "/");
  if (chosen.empty()) return false;
  g.LevelPath = chosen;

  const OtherMapOutcome out = loadOtherMap(g, e, g.LevelPath);
  switch (out.verdict) {
    case OtherMapVerdict::kCampaignMap:
      prompts.tell(kCampaignRefusal, "", Icon::kNone, true);
      return false;
    case OtherMapVerdict::kUnreadable:
    case OtherMapVerdict::kUnknownStatus:
      prompts.tell("The level file " + std::filesystem::path(chosen).filename().string() +
                       " cannot be played:\n" + out.reason,
                   "Error!", Icon::kCritical, true);
      return false;
    case OtherMapVerdict::kPlayAfterWarning:
      prompts.tell(kNeverPassedWarning, "Warning!", Icon::kCritical, true);
      return true;
    case OtherMapVerdict::kPlay:
      return true;
  }
  return false;
}

}  // namespace quobbles
