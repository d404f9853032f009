// The map selection's rules: row colours from the player's progress, the selection frame, the
// keys 2 and 8 while the list scrolls, and the initial selection.
#include <gtest/gtest.h>

#include "frontend/map_selection.h"

namespace quobbles {
namespace {

using C = RowColour;
using Colours = std::array<RowColour, kListRows>;

class MapSelectionRules : public ::testing::Test {
 protected:
  void campaignOf(int maps) {
    s.campaign.titles.clear();
    for (int i = 0; i < maps; ++i) s.campaign.titles.push_back("Map " + std::to_string(i));
  }
  void open() {
    Päivitä_lista(s, g.profile);
    ValintaJuzka(s, g);
  }
  Colours colours() const {
    Colours out{};
    for (int i = 0; i < kListRows; ++i)
      out[static_cast<std::size_t>(i)] = s.Lista[static_cast<std::size_t>(i)].colour;
    return out;
  }
  void key(char k) { EXPECT_EQ(selectionKey(s, g, k), SelectionKeyResult::kNothing); }
  // The selected map and where the frame is: {MapNumber, Skrolli, frame row}.
  std::array<int, 3> where() const { return {g.MapNumber, s.Skrolli, s.frameRow}; }

  GameState g;
  MapSelection s;
};

TEST_F(MapSelectionRules, FreshProfileOpensThreeMapsAndLocksTheRest) {
  campaignOf(10);
  open();
  EXPECT_EQ(colours(), (Colours{C::kYellow, C::kYellow, C::kYellow, C::kRed, C::kRed}));
  EXPECT_EQ(s.Lista[3].caption, "Map 3");
  EXPECT_EQ(where(), (std::array<int, 3>{0, 0, 0}));
  Lista_Click(s, g, 3);  // locked: ignored
  EXPECT_EQ(where(), (std::array<int, 3>{0, 0, 0}));
}

TEST_F(MapSelectionRules, PassedMapsOpenTheNextOnes) {
  campaignOf(10);
  g.profile.LevelPassed[0] = kTrue;
  g.profile.LevelPassed[2] = 5;  // any non-zero value is passed
  g.profile.LevelStars[2] = kTrue;
  g.profile.LevelStars[0] = 1;  // only -1 means all stars
  open();
  EXPECT_EQ(colours(), (Colours{C::kGreen, C::kYellow, C::kAquamarine, C::kYellow, C::kYellow}));
  Lista_Click(s, g, 2);
  EXPECT_EQ(s.frameColour, C::kAquamarine);
  EXPECT_EQ(g.MapNumber, 2);
  Skrolli_Change(s, g.profile, 1);
  EXPECT_EQ(s.frameRow, kHiddenRow);
  EXPECT_EQ(g.MapNumber, 2);  // scrolling keeps the selected map
  EXPECT_EQ(s.Lista[4].caption, "Map 5");
  EXPECT_EQ(s.Lista[4].colour, C::kRed);
}

TEST_F(MapSelectionRules, ShortCampaignEndsInDashRows) {
  campaignOf(3);
  open();
  EXPECT_EQ(colours(), (Colours{C::kYellow, C::kYellow, C::kYellow, C::kDarkRed, C::kDarkRed}));
  EXPECT_EQ(s.Lista[3].caption, "---");
  key('2');
  key('2');
  EXPECT_EQ(where(), (std::array<int, 3>{2, 0, 2}));
  key('2');  // scrolls; the new middle row is "---", so the frame goes and map 2 stays selected
  EXPECT_EQ(where(), (std::array<int, 3>{2, 1, kHiddenRow}));

  // With one map, key 2 does not step onto the "---" row below it.
  campaignOf(1);
  g.MapNumber = 0;
  open();
  key('2');
  EXPECT_EQ(where(), (std::array<int, 3>{0, 0, 0}));
}

TEST_F(MapSelectionRules, KeysWalkTheTopRowsThenScrollUnderTheMiddleRow) {
  campaignOf(256);
  g.profile.LevelPassed.fill(kTrue);
  open();
  key('8');  // at the top with map 0: nothing
  EXPECT_EQ(where(), (std::array<int, 3>{0, 0, 0}));
  key('2');
  key('2');
  EXPECT_EQ(where(), (std::array<int, 3>{2, 0, 2}));
  for (int i = 0; i < 5; ++i) key('2');
  EXPECT_EQ(where(), (std::array<int, 3>{7, 5, 2}));
  key('8');  // scrolled to 5, row 2: scrolls to 4 and selects map 6
  EXPECT_EQ(where(), (std::array<int, 3>{6, 4, 2}));
  for (int i = 0; i < 4; ++i) key('8');
  EXPECT_EQ(where(), (std::array<int, 3>{2, 0, 2}));
  key('8');
  EXPECT_EQ(where(), (std::array<int, 3>{1, 0, 1}));

  // The end of the list: key 2 stops at the last scroll position.
  g.MapNumber = 253;
  open();
  EXPECT_EQ(where(), (std::array<int, 3>{253, 251, 2}));
  key('2');
  EXPECT_EQ(where(), (std::array<int, 3>{253, 251, 2}));
}

TEST_F(MapSelectionRules, InitialSelectionPutsTheMapInTheMiddleRow) {
  campaignOf(256);
  g.profile.LevelPassed.fill(kTrue);
  g.MapNumber = 9;
  open();
  EXPECT_EQ(where(), (std::array<int, 3>{9, 7, 2}));
  EXPECT_EQ(s.Lista[0].caption, "Map 7");
  g.MapNumber = 1;
  open();
  EXPECT_EQ(where(), (std::array<int, 3>{1, 0, 1}));
  // Maps 254 and 255 cannot reach the middle row.
  g.MapNumber = 255;
  open();
  EXPECT_EQ(where(), (std::array<int, 3>{255, 251, 4}));
  EXPECT_EQ(s.Lista[4].caption, "Map 255");
}

TEST_F(MapSelectionRules, KeyEightAfterDraggingToTheTopBringsTheSelectionBack) {
  campaignOf(20);
  g.profile.LevelPassed.fill(kTrue);
  g.MapNumber = 9;
  open();
  Skrolli_Change(s, g.profile, 0);  // dragged back to the top; map 9 is out of sight
  key('8');
  EXPECT_EQ(where(), (std::array<int, 3>{8, 6, 2}));
}

}  // namespace
}  // namespace quobbles
