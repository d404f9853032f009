// The map selection's rules without its window: five rows of campaign titles coloured by the
// player's progress, the scroll position, the selection frame Valinta, the keys, and loading
// the selected campaign map (Loudaus). The window shows a MapSelection and forwards its events.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "editor/editor_logic.h"
#include "frontend/campaign_index.h"
#include "play/board_model.h"
#include "state/game_state.h"
#include "state/prompts.h"

namespace quobbles {

constexpr int kListRows = 5;
constexpr int16_t kScrollMax = 251;  // Skrolli.Max: row 4 then shows map 255
constexpr int kHiddenRow = -1;       // Valinta moved out of sight

// The first three maps not yet passed are open; every later unpassed map is locked.
constexpr int kOpenUnpassedMaps = 3;

enum class RowColour { kGreen, kAquamarine, kYellow, kRed, kDarkRed };
Rgb rowRgb(RowColour colour);
// Passed and open maps can be selected; locked maps and "---" rows cannot.
constexpr bool isSelectable(RowColour c) {
  return c != RowColour::kRed && c != RowColour::kDarkRed;
}

struct ListRow {
  std::string caption = "...";  // Windows-1252; "---" past the end of the campaign
  RowColour colour = RowColour::kYellow;
};

struct MapSelection {
  CampaignTitles campaign;  // read when the window opens
  int16_t Skrolli = 0;      // the map shown in row 0
  std::array<ListRow, kListRows> Lista{};
  int frameRow = kHiddenRow;  // the row Valinta surrounds
  RowColour frameColour = RowColour::kYellow;
};

// Fills the five rows for maps Skrolli .. Skrolli + 4.
void Päivitä_lista(MapSelection& s, const Profile& profile);
// Scrolling (Skrolli_Change): the frame goes out of sight and the rows are refreshed.
void Skrolli_Change(MapSelection& s, const Profile& profile, int16_t value);
// A click on a row: a selectable row gets the frame in its colour and becomes MapNumber.
void Lista_Click(MapSelection& s, GameState& g, int row);
// Shows MapNumber framed, in the middle row when the list can scroll that far.
void ValintaJuzka(MapSelection& s, GameState& g);

enum class SelectionKeyResult { kNothing, kPlay, kMainMenu };
// Enter plays, Esc goes back, 2 and 8 walk the selection and scroll the list under it.
[[nodiscard]] SelectionKeyResult selectionKey(MapSelection& s, GameState& g, int16_t keyAscii);

// Loudaus: loads campaign map MapNumber into the level record, PlayState back to 0. On
// failure the record is cleared and `message` holds the text of the error box.
struct MapLoadOutcome {
  bool loaded = false;
  std::string message;  // "Map file corrupted!" or "Map file not found!"
};
inline constexpr const char* kMapCorrupted = "Map file corrupted!";
inline constexpr const char* kMapNotFound = "Map file not found!";
[[nodiscard]] MapLoadOutcome Loudaus(GameState& g, editor::EditorState& e);

// Opening the selection (its Form_Load): the campaign index is read once, a missing or empty
// index is reported, the rows are filled and MapNumber is framed.
void openMapSelection(MapSelection& s, GameState& g, Prompts& prompts);

// "Play": loads the selected map; true when the board is to open with it. A map that cannot be
// loaded is reported, and the player stays to choose another one; without a campaign (its index
// could not be read or names no maps) "Play" says so.
inline constexpr const char* kNoCampaign =
    "There is no campaign map to play: the campaign index Campain\\Campain.dat could not be read or names "
    "no maps.";
[[nodiscard]] bool playSelectedMap(const MapSelection& s, GameState& g, editor::EditorState& e,
                                   Prompts& prompts);

// The campaign map file of a map number: Campain/Map<n>.lev below the campaign folder.
std::filesystem::path campaignMapPath(int mapNumber);

}  // namespace quobbles
