// The map selection's rows, selection, keys and the loading of a campaign map.
#include "frontend/map_selection.h"

#include <algorithm>
#include <system_error>

#include "state/level_file.h"
#include "state/program_files.h"

namespace quobbles {

Rgb rowRgb(RowColour colour) {
  switch (colour) {
    case RowColour::kGreen:
      return {0, 255, 0};
    case RowColour::kAquamarine:
      return {0, 255, 170};
    case RowColour::kYellow:
      return {255, 255, 0};
    case RowColour::kRed:
      return {255, 0, 0};
    case RowColour::kDarkRed:
      return {128, 0, 0};
  }
  return {};
}

void Päivitä_lista(MapSelection& s, const Profile& profile) {
  const int v = s.Skrolli;
  const int mapCount = static_cast<int>(s.campaign.titles.size());
  // The colours of the visible rows depend on every map before them: count the maps not yet
  // passed from map 0 on.
  int unpassed = 0;
  for (int i = 0; i <= v + kListRows - 1 && i < kCampaignSlots; ++i) {
    const auto slot = static_cast<std::size_t>(i);
    const bool passed = profile.LevelPassed[slot] != 0;
    if (!passed) ++unpassed;
    if (i < v) continue;
    ListRow& row = s.Lista[static_cast<std::size_t>(i - v)];
    if (i >= mapCount) {
      row = {"---", RowColour::kDarkRed};
    } else if (!passed) {
      row = {s.campaign.titles[slot], unpassed <= kOpenUnpassedMaps ? RowColour::kYellow : RowColour::kRed};
    } else {
      row = {s.campaign.titles[slot],
             profile.LevelStars[slot] == kTrue ? RowColour::kAquamarine : RowColour::kGreen};
    }
  }
}

void Skrolli_Change(MapSelection& s, const Profile& profile, int16_t value) {
  s.Skrolli = std::clamp<int16_t>(value, 0, kScrollMax);
  s.frameRow = kHiddenRow;
  Päivitä_lista(s, profile);
}

void Lista_Click(MapSelection& s, GameState& g, int row) {
  if (row < 0 || row >= kListRows) return;
  const ListRow& clicked = s.Lista[static_cast<std::size_t>(row)];
  if (!isSelectable(clicked.colour)) return;
  s.frameRow = row;
  s.frameColour = clicked.colour;
  g.MapNumber = static_cast<uint8_t>(row + s.Skrolli);
}

void ValintaJuzka(MapSelection& s, GameState& g) {
  // Maps 254 and 255 cannot reach the middle row: the list stops at its last position and the
  // frame goes to row 3 or 4.
  const int wanted = g.MapNumber >= 2 ? g.MapNumber - 2 : 0;
  const auto scroll = static_cast<int16_t>(std::min<int>(wanted, kScrollMax));
  Skrolli_Change(s, g.profile, scroll);
  Lista_Click(s, g, g.MapNumber - scroll);
}

SelectionKeyResult selectionKey(MapSelection& s, GameState& g, int16_t keyAscii) {
  switch (keyAscii) {
    case 13:
      return SelectionKeyResult::kPlay;
    case 27:
      return SelectionKeyResult::kMainMenu;
    case '2':
      if (s.Skrolli == 0 && g.MapNumber < 2) {
        // Walking down the top rows; a row that cannot be selected (a campaign of one or two
        // maps) is not stepped onto, so MapNumber never names a map that is not there.
        Lista_Click(s, g, g.MapNumber + 1);
      } else if (s.Skrolli != kScrollMax) {
        Skrolli_Change(s, g.profile, static_cast<int16_t>(s.Skrolli + 1));
        Lista_Click(s, g, 2);
      }
      break;
    case '8':
      if (s.Skrolli == 0 && g.MapNumber > 0) {
        if (g.MapNumber - 1 < kListRows) {
          Lista_Click(s, g, g.MapNumber - 1);
        } else {
          // The list was dragged to its top while a map further down stayed selected: the map
          // above it is selected and brought into view, as when the window opens.
          g.MapNumber = static_cast<uint8_t>(g.MapNumber - 1);
          ValintaJuzka(s, g);
          break;
        }
      }
      if (s.Skrolli > 0) {
        Skrolli_Change(s, g.profile, static_cast<int16_t>(s.Skrolli - 1));
        Lista_Click(s, g, 2);
      }
      break;
    default:
      break;
  }
  return SelectionKeyResult::kNothing;
}

std::filesystem::path campaignMapPath(int mapNumber) {
  return campaignFile({"Campain", "Map" + std::to_string(mapNumber) + ".lev"});
}

void openMapSelection(MapSelection& s, GameState& g, Prompts& prompts) {
  // The index is read once per opening: the program never writes it, and a missing index is
  // reported once rather than on every scroll.
  Outcome<CampaignTitles> index = readProgramCampaignIndex();
  if (!index) {
    prompts.tell(
        "The campaign index Campain\\Campain.dat cannot be read, so there are no campaign maps to play.\n" +
            index.reason,
        "Error!", Icon::kCritical, true);
  } else if (index.value->titles.empty()) {
    prompts.tell(
        "The campaign index Campain\\Campain.dat names no maps, so there are no campaign maps to play.",
        "Error!", Icon::kCritical, true);
  } else {
    s.campaign = std::move(*index.value);
  }
  Päivitä_lista(s, g.profile);
  ValintaJuzka(s, g);
}

bool playSelectedMap(const MapSelection& s, GameState& g, editor::EditorState& e, Prompts& prompts) {
  // With no campaign (or a selection past its end) there is nothing to play: say why.
  if (s.campaign.titles.empty()) {
    prompts.tell(kNoCampaign, "Error!", Icon::kCritical, true);
    return false;
  }
  if (g.MapNumber >= s.campaign.titles.size()) {
    prompts.tell("Map " + std::to_string(g.MapNumber) + " is not in the campaign, which has " +
                     std::to_string(s.campaign.titles.size()) + " maps. Choose one of the list.",
                 "Error!", Icon::kCritical, true);
    return false;
  }
  const MapLoadOutcome loaded = Loudaus(g, e);
  if (!loaded.loaded) prompts.tell(loaded.message, "Error!", Icon::kCritical, true);
  return loaded.loaded;
}

MapLoadOutcome Loudaus(GameState& g, editor::EditorState& e) {
  g.PlayState = 0;
  MapLoadOutcome out;
  Outcome<Bytes> bytes = readFileStart(campaignMapPath(g.MapNumber), kMaxLevelFileRead);
  if (!bytes) {
    editor::Clear_map(g, e, editor::ClearMode::kPlain);
    out.message = kMapNotFound;
    return out;
  }
  // A file that is there but does not hold a whole level is as corrupted as one with the
  // wrong code or status.
  Outcome<Level> level = decodeLevel(*bytes.value);
  if (level && level.value->EditCode == g.MapNumber && level.value->LevelStatus == kCampaignMap) {
    g.level = std::move(*level.value);
    out.loaded = true;
    return out;
  }
  out.message = kMapCorrupted;
  editor::Clear_map(g, e, editor::ClearMode::kPlain);
  return out;
}

}  // namespace quobbles
