// The map selection's rules: row colours from the player's progress, the selection frame, the
// keys 2 and 8 while the list scrolls, and the initial selection.
#include <gtest/gtest.h>

#include <tuple>

#include "frontend/map_selection.h"

namespace quobbles {
namespace {

using Where = std::array<int, 3>;  // {MapNumber, Skrolli, frame row}

class MapSelectionRules : public ::testing::Test {
 protected:
  // Opens the list on a campaign of `maps` maps, then presses `keys`.
  void open(int maps, const std::string& keys = "") {
    s.campaign.titles.clear();
    for (int i = 0; i < maps; ++i) s.campaign.titles.push_back("Map " + std::to_string(i));
    Päivitä_lista(s, g.profile);
    ValintaJuzka(s, g);
    for (char k : keys) EXPECT_EQ(selectionKey(s, g, k), SelectionKeyResult::kNothing);
  }
  // The five rows' colours as letters: Green, Aquamarine, Yellow, Red and D for dark red.
  std::string colours() const {
    std::string out;
    for (const ListRow& row : s.Lista) out += "GAYRD"[static_cast<int>(row.colour)];
    return out;
  }
  Where where() const { return {g.MapNumber, s.Skrolli, s.frameRow}; }

  GameState g;
  MapSelection s;
};

TEST_F(MapSelectionRules, ColoursFollowProgressAndTheFrameTakesTheRowsColour) {
  open(10);
  EXPECT_EQ(colours(), "YYYRR");
  Lista_Click(s, g, 3);  // locked: ignored
  EXPECT_EQ(where(), (Where{0, 0, 0}));

  g.profile.LevelPassed[0] = kTrue;
  g.profile.LevelPassed[2] = 5;  // any non-zero value is passed
  g.profile.LevelStars[2] = kTrue;
  g.profile.LevelStars[0] = 1;  // only -1 means all stars
  open(10);
  EXPECT_EQ(colours(), "GYAYY");
  Lista_Click(s, g, 2);
  EXPECT_EQ(s.frameColour, RowColour::kAquamarine);
  EXPECT_EQ(where(), (Where{2, 0, 2}));
  Skrolli_Change(s, g.profile, 1);
  EXPECT_EQ(where(), (Where{2, 1, kHiddenRow}));  // scrolling keeps the selected map
  EXPECT_EQ(colours(), "YAYYR");                  // maps 1 .. 5

  g = GameState{};
  open(3, "22");
  EXPECT_EQ(colours() + s.Lista[3].caption, "YYYDD---");
  Lista_Click(s, g, 3);  // ignored
  EXPECT_EQ(where(), (Where{2, 0, 2}));
  EXPECT_EQ(selectionKey(s, g, '2'), SelectionKeyResult::kNothing);  // scrolls; the new middle row is "---":
                                                                     // the frame goes, map 2 stays selected
  EXPECT_EQ(where(), (Where{2, 1, kHiddenRow}));
  g.MapNumber = 0;
  open(1, "2");  // no step onto the "---" row below the only map
  EXPECT_EQ(where(), (Where{0, 0, 0}));
}

TEST_F(MapSelectionRules, KeysWalkTheTopRowsThenScrollUnderTheMiddleRow) {
  g.profile.LevelPassed.fill(kTrue);
  const std::tuple<int, std::string, Where> cases[] = {
      // {MapNumber, keys, then where}
      {0, "8", {0, 0, 0}},  // at the top with map 0: nothing
      {0, "22", {2, 0, 2}},
      {0, "2222222", {7, 5, 2}},
      {0, "22222228", {6, 4, 2}},  // scrolled to 5, row 2: scrolls to 4 and selects map 6
      {0, "2222222888888", {1, 0, 1}},
      {9, "", {9, 7, 2}},  // opened with the map in the middle row
      {1, "", {1, 0, 1}},
      {253, "2", {253, 251, 2}},  // the last scroll position
      {255, "", {255, 251, 4}},   // maps 254 and 255 cannot reach the middle row
  };
  for (const auto& [start, keys, expected] : cases) {
    g.MapNumber = static_cast<uint8_t>(start);
    open(256, keys);
    EXPECT_EQ(where(), expected) << "from map " << start << " keys " << keys;
  }

  // Key 8 after the list was dragged back to the top brings the selection back into sight.
  g.MapNumber = 9;
  open(20);
  Skrolli_Change(s, g.profile, 0);
  EXPECT_EQ(selectionKey(s, g, '8'), SelectionKeyResult::kNothing);
  EXPECT_EQ(where(), (Where{8, 6, 2}));
}

}  // namespace
}  // namespace quobbles
