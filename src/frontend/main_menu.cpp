// The main menu's rules: the highlight keys, the editor gate and "Play other maps".
#include "frontend/main_menu.h"

#include "editor/level_file.h"

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

bool editorUnlocked(const Profile& profile) {
  return profile.LevelPassed[16] != 0;
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

}  // namespace quobbles
