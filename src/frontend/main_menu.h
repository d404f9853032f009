// The main menu's rules without its window: the five items and where they stand, the
// highlighted item MenuChoice with its keys, the editor gate, and "Play other maps".
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "editor/editor_logic.h"
#include "state/game_state.h"
#include "state/prompts.h"

namespace quobbles {

// The main menu's window variable; it outlives the window, so a reopened menu highlights the
// item of the last visit.
struct MainMenuVariables {
  uint8_t MenuChoice = 0;
};
MainMenuVariables& sharedMainMenu();

namespace menu_item {
constexpr uint8_t kPlayCampaign = 0, kPlayOtherMaps = 1, kMapEditor = 2, kCredits = 3, kExit = 4;
}

constexpr int kMenuItemCount = 5;
constexpr int kMenuItemHeight = 480;  // twips

// The items Viesti(0..4) as designed, in twips.
struct MenuItemDesign {
  const char* caption;
  int left, top, width;
};
constexpr std::array<MenuItemDesign, kMenuItemCount> kMenuItems = {{
    {"Play campain", 1905, 2160, 2685},
    {"Play other maps", 1650, 2760, 3225},
    {"Map editor", 2205, 3360, 2085},
    {"Credits", 2520, 3960, 1455},
    {"Exit", 2865, 4560, 765},
}};

// The player figure Pelaaja(0) stands 120 twips above and 690 twips left of the highlighted
// item; `itemLeft` and `itemTop` are where that item stands.
struct FigurePlace {
  int left, top;
};
constexpr FigurePlace figurePlace(int itemLeft, int itemTop) {
  return {itemLeft - 690, itemTop - 120};
}

// The menu's keys: 2 and 8 move the highlight (wrapping round), Esc highlights "Exit", and
// Enter asks for the highlighted item to be run. Other keys change nothing.
enum class MenuKeyResult { kNothing, kRunHighlighted };
[[nodiscard]] MenuKeyResult menuKey(MainMenuVariables& menu, int16_t keyAscii);

// The editor opens only for a player who has passed campaign map 16 since logging in.
[[nodiscard]] bool editorUnlocked(const Profile& profile);
// The "Map editor" item: true when the editor may open; otherwise the player is told why not.
[[nodiscard]] bool mayOpenEditor(const Profile& profile, Prompts& prompts);

// "Play other maps" after the file is chosen: the level record is read from the file and
// judged. Everything but kPlay and kPlayAfterWarning leaves the level record cleared.
enum class OtherMapVerdict {
  kPlay,              // passed before (status 2): play at once
  kPlayAfterWarning,  // never passed (status 0): warn, then play
  kCampaignMap,       // status 1: refused
  kUnreadable,        // missing, a folder, cut short, or a square code the game does not know
  kUnknownStatus,     // a status other than 0, 1 and 2
};
struct OtherMapOutcome {
  OtherMapVerdict verdict = OtherMapVerdict::kUnreadable;
  std::string reason;  // for kUnreadable and kUnknownStatus, in words for a message box
};
[[nodiscard]] OtherMapOutcome loadOtherMap(GameState& g, editor::EditorState& e, const std::string& pathUtf8);

// "Play other maps": a level file is chosen in the file dialog (starting in Levels), loaded and
// judged, with the refusal or the warning shown. True when the board is to open with it.
[[nodiscard]] bool playOtherMaps(GameState& g, editor::EditorState& e, Prompts& prompts);

}  // namespace quobbles
