// The board's key handler and level start: keys that do nothing, the view keys with the figure
// and the warning lines, help, the hint colour, and the progress a passed level records.
#include "engine/rules_scenario.h"

namespace quobbles::testing {
namespace {

TEST(TurnKeys, UnlistedKeysChangeNothing) {
  Scenario play({"..O", ".i"}, {1, 1, 1, 1, 1});
  const std::string before = sim::dump(play.s);
  for (char k : std::string("ACVBNMSDWX01379zq\t")) {
    play.keys(std::string(1, k));
    EXPECT_EQ(sim::dump(play.s), before) << "key code " << int(k);
  }
}

TEST(TurnKeys, ViewKeysMoveTheViewAndTheFigureTheOtherWay) {
  Scenario play({});
  // Line1(1) and Line1(3) span the player's row at the figure's top, Line1(2) and Line1(4) his
  // column at its left; each stays on its own edge.
  auto expectFigureAndLines = [&play](int left, int top, const char* when) {
    const auto& l = play.controls().lines;
    EXPECT_EQ((std::array<int, 2>{play.controls().figureLeft, play.controls().figureTop}),
              (std::array<int, 2>{left, top}))
        << when;
    EXPECT_EQ((std::array<int, 16>{l[0].x1, l[0].x2, l[0].y1, l[0].y2, l[1].x1, l[1].x2, l[1].y1, l[1].y2,
                                   l[2].x1, l[2].x2, l[2].y1, l[2].y2, l[3].x1, l[3].x2, l[3].y1, l[3].y2}),
              (std::array<int, 16>{5880, 5880, top, top + 600, left, left + 600, 480, 480, 480, 480, top,
                                   top + 600, left, left + 600, 5880, 5880}))
        << when;
  };
  play.keys("aaaaa");  // the fifth one does nothing
  EXPECT_EQ(play.vars().ViewShift, at(0, 4));
  expectFigureAndLines(5280, 2880, "after a");
  play.keys("dddddddddd");
  EXPECT_EQ(play.vars().ViewShift, at(8, 4));
  expectFigureAndLines(480, 2880, "after d");
  play.keys("wwwww");
  EXPECT_EQ(play.vars().ViewShift, at(8, 0));
  expectFigureAndLines(480, 5280, "after w");
  play.keys("xxxxxxxxxx");
  EXPECT_EQ(play.vars().ViewShift, at(8, 8));
  expectFigureAndLines(480, 480, "after x");
  play.keys("s");
  EXPECT_EQ(play.vars().ViewShift, at(4, 4));
  expectFigureAndLines(2880, 2880, "after s");
  EXPECT_EQ(play.g().LastMoveKey, 0);  // no turn was played
}

TEST(TurnKeys, SpaceAsksForHelpAndEscToLeave) {
  Scenario play({});
  ASSERT_EQ(play.controls().hintColour, colour::kBrightYellow);
  board::takeEffects(play.b());
  board::Form_KeyPress(play.g(), play.b(), board::key::kHelp);
  EXPECT_EQ(play.face(), 8);
  EXPECT_EQ(play.controls().hintColour, colour::kOlive);
  EXPECT_TRUE(board::takeEffects(play.b()).openHelp);
  play.keys("5");
  EXPECT_EQ(play.face(), 0);
  EXPECT_EQ(play.controls().hintColour, colour::kOlive);
  board::Kauko_nappi(play.g(), play.b(), board::key::kRight);  // keys handed on by the help windows
  EXPECT_EQ(play.player(), at(1, 0));
  board::Form_KeyPress(play.g(), play.b(), board::key::kEsc);
  EXPECT_TRUE(board::takeEffects(play.b()).leaveBoard);
}

TEST(LevelStart, HintIsBrightUntilOneOfTheFirstThreeMapsIsPassed) {
  for (int passed : {-1, 0, 1, 2, 3}) {
    GameState g;
    BoardModel b;
    if (passed >= 0) g.profile.LevelPassed[passed] = kTrue;
    board::Form_Load(g, b);
    EXPECT_EQ(b.controls.hintColour, passed >= 0 && passed <= 2 ? colour::kOlive : colour::kBrightYellow)
        << "passed map " << passed;
  }
}

// Passes a level of the given status; returns whether a profile save was asked for.
bool passLevel(Scenario& play, int16_t status, int16_t testPlay) {
  play.g().level.LevelStatus = status;
  play.g().EditorTestPlay = testPlay;
  play.g().MapNumber = 7;
  board::takeEffects(play.b());
  board::Form_KeyPress(play.g(), play.b(), board::key::kRight);
  EXPECT_EQ(play.g().PlayState, 2);
  return board::takeEffects(play.b()).saveProfile;
}

TEST(Progress, OnlyAPassedCampaignMapOutsideTheEditorIsRecorded) {
  Scenario allStars({"*E"});
  allStars.keys("5");
  ASSERT_TRUE(allStars.controls().allStarsVisible);
  EXPECT_TRUE(passLevel(allStars, kCampaignMap, kFalse));
  EXPECT_EQ(allStars.g().profile.LevelPassed[7], kTrue);
  EXPECT_EQ(allStars.g().profile.LevelStars[7], kTrue);
  EXPECT_EQ(allStars.g().profile.LevelPassed[0], kFalse);

  Scenario starLeft({".E", "*"});
  EXPECT_TRUE(passLevel(starLeft, kCampaignMap, kFalse));
  EXPECT_EQ(starLeft.g().profile.LevelPassed[7], kTrue);
  EXPECT_EQ(starLeft.g().profile.LevelStars[7], kFalse);

  const std::vector<std::pair<int16_t, int16_t>> unrecorded = {
      {kUnpassed, kFalse}, {kPassed, kFalse}, {kCampaignMap, kTrue}};
  for (const auto& [status, testPlay] : unrecorded) {
    Scenario play({".E"});
    EXPECT_FALSE(passLevel(play, status, testPlay)) << "status " << status << ", test play " << testPlay;
    EXPECT_EQ(play.g().profile.LevelPassed[7], kFalse) << "status " << status << ", test play " << testPlay;
    EXPECT_EQ(play.controls().messageCaption, "Well done.");
  }
}

}  // namespace
}  // namespace quobbles::testing
