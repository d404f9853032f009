// Hangers: the start rule, walking ahead each turn, the turning order from every heading,
// the map edge, vacated squares and mines, and killing the player.
#include "engine/rules_scenario.h"

namespace quobbles::testing {
namespace {

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
  Scenario edge({});
  edge.put(0, 49, tile::Hanger, 1);  // left and down lead off the map
  world::Palikoiden_liikutus(edge.g());
  EXPECT_SHOWS(edge, "(1,49) 120/13, (0,49) 0/10");

  Scenario vacated({});
  vacated.put(4, 5, tile::PurpleBlock, 4);  // leaves (4, 5) just before the hanger's turn
  vacated.put(5, 5, tile::Hanger, 1);
  world::Palikoiden_liikutus(vacated.g());
  EXPECT_SHOWS(vacated, "(4,4) 100/14, (4,5) 0/10, (5,6) 120/12");

  Scenario mine({});
  mine.put(4, 5, tile::PermanentWall);
  mine.put(5, 5, tile::Hanger, 1);
  mine.put(5, 6, tile::Mine);
  world::Palikoiden_liikutus(mine.g());
  EXPECT_SHOWS(mine, "(5,6) 3/15, (5,5) 0/0");
}

}  // namespace
}  // namespace quobbles::testing
