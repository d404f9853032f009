// The world's answer to the player's move. Brown and purple moving blocks: which kinds the four
// scans start and how far they see, the warning colours, and the movement pass with its free
// squares, mines, lines and collisions. Hangers: the start rule, walking ahead each turn, the
// turning order from every heading, the map edge, vacated squares and mines, and killing the
// player. What the player collects at the end of a turn (specials, stars, candles), and buttons
// that only movers press, with the doors opening at the start of the following turn.

#include <set>
#include <tuple>

#include "engine/rules_scenario.h"

namespace quobbles::testing {
namespace {

// ---------------------------------------------------------------- activation

TEST(BlockActivation, EachKindIsStartedOnlyFromItsOwnSides) {
  // Where the block stands seen from the player, the line on that side, the direction towards
  // the player, and the kinds started from there.
  const std::tuple<const char*, int, int, int, uint8_t, std::set<int>> sides[] = {
      {"right", 3, 0, 1, 1, {80, 82, 85, 100, 102, 105}},
      {"left", -3, 0, 3, 3, {80, 82, 83, 100, 102, 103}},
      {"above", 0, -3, 2, 2, {80, 81, 86, 100, 101, 106}},
      {"below", 0, 3, 4, 4, {80, 81, 84, 100, 101, 104}},
  };
  for (const auto& [side, dx, dy, sideLine, value, kinds] : sides) {
    for (int c : {80, 81, 82, 83, 84, 85, 86, 100, 101, 102, 103, 104, 105, 106}) {
      Scenario play({});
      play.placePlayer(10, 10);
      play.put(10 + dx, 10 + dy, static_cast<uint8_t>(c));
      world::Palikat_liikkeeseen(play.g(), play.b());
      const bool started = kinds.count(c) > 0;
      std::string lights = "lights";  // grey, but pink or orange on the side of a block that saw him
      for (int line = 1; line <= 4; ++line)
        lights += !started || line != sideLine ? " 128,128,128" : c >= 100 ? " 255,0,128" : " 255,128,0";
      EXPECT_SHOWS(play, lights) << side << " code " << c;
      EXPECT_EQ(play.state(10 + dx, 10 + dy), started ? value : 0) << side << " code " << c;
    }
  }
}

TEST(BlockActivation, ScansSeeThroughCodesUpToNineteenAsFarAsTheEdge) {
  Scenario play({});
  play.placePlayer(10, 10);
  for (auto& line : play.controls().lines) line.colour = colour::kOrange;  // last turn's colours
  // Right: a shadow wall and a spike ball hide nothing, however far. Left: a wall hides the block.
  // Above: a block that may not move down ends the view. Below: the nearer block is re-aimed.
  const std::tuple<int, int, uint8_t, uint8_t> squares[] = {
      {11, 10, tile::ShadowWall, 0},   {12, 10, tile::SpikeBall, 0},   {49, 10, tile::PurpleBlockLeft, 0},
      {8, 10, tile::BreakableWall, 0}, {6, 10, tile::BrownBlock, 0},   {10, 8, tile::BrownBlockLeft, 0},
      {10, 6, tile::PurpleBlock, 0},   {10, 12, tile::PurpleBlock, 3}, {10, 13, tile::BrownBlock, 0}};
  for (const auto& [x, y, code, state] : squares) play.put(x, y, code, state);
  world::Palikat_liikkeeseen(play.g(), play.b());
  EXPECT_SHOWS(play,
               "(49,10) 105/1, (6,10) 80/0, (10,8) 85/0, (10,6) 100/0, (10,12) 100/4, (10,13) 80/0, "
               "lights 255,0,128 128,128,128 128,128,128 255,0,128");
}

TEST(BlockActivation, BlockOnThePlayersSquareEndsEveryScan) {
  Scenario play({});
  play.placePlayer(10, 10);
  play.put(10, 10, tile::BrownBlock);
  play.put(13, 10, tile::BrownBlock);
  world::Palikat_liikkeeseen(play.g(), play.b());
  // The last accepting scan is the downward one.
  EXPECT_SHOWS(play, "(10,10) 80/4, (13,10) 80/0, lights 255,128,0 255,128,0 255,128,0 255,128,0");
  play.put(10, 10, tile::BrownBlockLeft);
  world::Palikat_liikkeeseen(play.g(), play.b());
  EXPECT_SHOWS(play, "(10,10) 85/1, lights 255,128,0 128,128,128 128,128,128 128,128,128");
}

// ---------------------------------------------------------------- movement in turns

TEST(BlockMovement, BrownStepsInTurnsItSeesThePlayerPurpleKeepsItsHeadingUntilBlocked) {
  Scenario play({"...O", "", "", "", "", "...#..U"});
  play.put(6, 5, tile::PurpleBlock, 1);
  EXPECT_AFTER(play, "5", "(2,0) 80/0, (3,0) 0/10, (5,5) 100/11");
  EXPECT_AFTER(play, "2", "(2,0) 80/0, (3,0) 0/0, (4,5) 100/11, " + kGreyLights);  // out of sight
  EXPECT_AFTER(play, "55", "(2,0) 80/0, (4,5) 100/0");  // stopped by the wall, for good
}

// ---------------------------------------------------------------- the movement pass itself

// The movement pass alone on squares set by hand; the button keeps any door shut.
struct Square {
  int x, y;
  uint8_t code, state;
};
std::string afterPass(std::initializer_list<Square> squares, std::string_view fields) {
  Scenario play({".....+"});
  for (const Square& q : squares) play.put(q.x, q.y, q.code, q.state);
  world::Palikoiden_liikutus(play.g());
  return play.fields(fields);
}
#define EXPECT_PASS(fields, ...) EXPECT_EQ(afterPass({__VA_ARGS__}, fields), fields)

constexpr uint8_t kPurple = tile::PurpleBlock, kHanger = tile::Hanger;

TEST(MovementPass, MoversEnterOnlyFreeSquares) {
  for (int c : {0, 1, 2, 3, 8, 9, 10, 11, 12, 13, 14, 15, 16, 18, 19})
    EXPECT_PASS("(5,5) 100/11, (6,5) 0/10", {5, 5, uint8_t(c), 0}, {6, 5, kPurple, 1}) << c;
  for (int c : {5, 6, 7, 20, 25, 40, 60, 66, 80, 99, 100, 120})
    EXPECT_PASS("(5,5) " + std::to_string(c) + "/0, (6,5) 100/0", {5, 5, uint8_t(c), 0}, {6, 5, kPurple, 1})
        << c;
  EXPECT_PASS("(0,5) 100/0", {0, 5, kPurple, 1});  // the map's edge
}

TEST(MovementPass, OnlyTheFrontMoverOfALineMovesAndTheFirstInReadingOrderTakesASquare) {
  // Purple blocks on (5,5) and next to it, both heading the same way: left, right, up, down.
  EXPECT_PASS("(4,5) 100/11, (5,5) 0/10, (6,5) 100/0", {5, 5, kPurple, 1}, {6, 5, kPurple, 1});
  EXPECT_PASS("(7,5) 100/13, (6,5) 0/10, (5,5) 100/0", {5, 5, kPurple, 3}, {6, 5, kPurple, 3});
  EXPECT_PASS("(5,4) 100/14, (5,5) 0/10, (5,6) 100/0", {5, 5, kPurple, 4}, {5, 6, kPurple, 4});
  EXPECT_PASS("(5,7) 100/12, (5,6) 0/10, (5,5) 100/0", {5, 5, kPurple, 2}, {5, 6, kPurple, 2});
  // Two heading for (5,5): the one above comes first in reading order.
  EXPECT_PASS("(5,5) 100/12, (5,4) 0/10, (6,5) 100/0", {5, 4, kPurple, 2}, {6, 5, kPurple, 1});
  // Unless it runs onto a mine there: both are gone, the second enters the explosion, and the first
  // one's old square is not barred.
  EXPECT_PASS("(5,4) 100/11, (5,5) 100/11, (6,4) 0/10, (6,5) 0/10", {5, 5, tile::Mine, 0}, {5, 4, kPurple, 2},
              {6, 5, kPurple, 1}, {6, 4, kPurple, 1});
}

TEST(Hangers, RestingHangersStartLeftWalkEveryTurnAndKill) {
  Scenario rule({});
  rule.put(5, 5, tile::Hanger);
  rule.put(7, 5, tile::Hanger, 13);
  rule.put(9, 5, tile::BrownBlock);
  world::Viholliset_liikkeeseen(rule.g());
  EXPECT_SHOWS(rule, "(5,5) 120/1, (7,5) 120/13, (9,5) 80/0");

  Scenario play({"..H"});
  EXPECT_AFTER(play, "5", "(1,0) 120/11, (2,0) 0/10, play_state 0");
  EXPECT_AFTER(play, "5", "(0,0) 120/11, play_state 1");
}

TEST(Hangers, TurningOrderFromEveryHeading) {
  // Closed squares of every kind a hanger refuses; the button keeps the door shut.
  const uint8_t closers[] = {tile::PermanentWall, tile::PlayersDoor, tile::GravityLeft,
                             tile::GravityRight,  tile::BrownBlock,  tile::Door};
  const int dx[] = {0, -1, 0, 1, 0}, dy[] = {0, 0, 1, 0, -1};  // direction 1 left, 2 down, 3 right, 4 up
  int n = 0;
  for (int heading = 1; heading <= 4; ++heading) {
    // `closed` squares are closed in the order the hanger tries them: ahead, to its left, behind...
    for (int closed = 0; closed <= 4; ++closed) {
      Scenario play({".....+"});
      play.put(10, 10, tile::Hanger, static_cast<uint8_t>(heading));
      int tried = heading;
      for (int i = 0; i < closed; ++i, tried = tried % 4 + 1)
        play.put(10 + dx[tried], 10 + dy[tried], closers[n++ % 6]);
      world::Palikoiden_liikutus(play.g());
      // Closed in on all four sides it stays, keeping its heading.
      const int x = closed == 4 ? 10 : 10 + dx[tried], y = closed == 4 ? 10 : 10 + dy[tried];
      EXPECT_EQ(play.code(x, y), tile::Hanger) << "heading " << heading << ", closed " << closed;
      EXPECT_EQ(play.state(x, y), tried + 10) << "heading " << heading << ", closed " << closed;
    }
  }
}

TEST(Hangers, MapEdgeAndSquaresVacatedInThePassAreClosedMinesAreNot) {
  EXPECT_PASS("(1,49) 120/13, (0,49) 0/10", {0, 49, kHanger, 1});  // left and down lead off
  // The block leaves (4, 5) just before the hanger's turn.
  EXPECT_PASS("(4,4) 100/14, (4,5) 0/10, (5,6) 120/12", {4, 5, kPurple, 4}, {5, 5, kHanger, 1});
  EXPECT_PASS("(5,6) 3/15, (5,5) 0/0", {4, 5, tile::PermanentWall, 0}, {5, 5, kHanger, 1},
              {5, 6, tile::Mine, 0});
}

TEST(PickUps, EachSpecialAddsOneToItsOwnCounterOnce) {
  // One of the first kind, under the start square: the first turn collects it. Two of the next...
  Scenario play({"immrrraaaaIIIII"});
  EXPECT_AFTER(play, "5", "counters 1 0 0 0 0, (0,0) 0/0");
  EXPECT_AFTER(play, std::string(14, '6'), "counters 1 2 3 4 5");
  EXPECT_EQ(play.picture(15, 1), Picture{"..............."});
}

TEST(PickUps, LastStarShowsTheNoticeAStarAMoverTookIsLost) {
  Scenario play({".*.*"});
  EXPECT_SHOWS(play, "stars_left 2, all_stars 0");
  EXPECT_AFTER(play, "6", "stars_left 1, (1,0) 0/0, all_stars 0");
  EXPECT_AFTER(play, "66", "stars_left 0, all_stars 1");

  Scenario lost({".*", "", ".*U"});
  lost.put(2, 2, tile::PurpleBlock, 1);
  EXPECT_AFTER(lost, "5", "(1,2) 100/11");
  EXPECT_AFTER(lost, "5", "(1,2) 0/10, stars_left 2");  // the star under it is gone for good
  EXPECT_AFTER(lost, "6", "stars_left 1, all_stars 0");

  Scenario starless({});
  EXPECT_AFTER(starless, "56", "stars_left 0, all_stars 0");
}

TEST(PickUps, CandleDarkensAndRecentresTheView) {
  Scenario play({".C.C"});
  // The warning lines follow the figure home.
  EXPECT_AFTER(play, "a6",
               "dark_view -1, (1,0) 0/0, view_shift 4 4, figure 2880 2880 1, "
               "light_spans 2880 3480 2880 3480 2880 3480 2880 3480, face 9");
  EXPECT_AFTER(play, "adwx", "view_shift 4 4, figure 2880 2880 1");  // locked in the dark
  EXPECT_AFTER(play, "66", "(3,0) 0/0, dark_view -1, view_shift 4 4, face 9");
}

TEST(Doors, OnlyMoversPressButtonsAndDoorsOpenInTheTurnAfter) {
  Scenario walker({".+.", "", "D"});
  EXPECT_AFTER(walker, "66", "(1,0) 1/0, (0,2) 40/0");

  Scenario play({"..+O", "", "D....D"});
  EXPECT_AFTER(play, "5", "(2,0) 80/0, (0,2) 40/0, (5,2) 40/0");  // the block rolls onto the button
  // The pressed button does not come back.
  EXPECT_AFTER(play, "5", "(0,2) 0/0, (5,2) 0/0, (1,0) 80/0, (2,0) 0/10, play_state 0");

  // Without buttons they open in the first turn, after the door stopped the player's step.
  Scenario open({".D"});
  EXPECT_AFTER(open, "6", "player 0 0, (1,0) 0/0");
  EXPECT_AFTER(open, "6", "player 1 0");
}

}  // namespace
}  // namespace quobbles::testing
