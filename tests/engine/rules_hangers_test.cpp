// Hangers: the start rule, walking ahead each turn, the turning order from every heading,
// the map edge, vacated squares and mines, and killing the player.
#include "engine/rules_scenario.h"

namespace quobbles::testing {
namespace {

// Direction d (1 left, 2 down, 3 right, 4 up) as a step on the map.
BytePos stepFrom(BytePos from, int d) {
  const int dx[] = {0, -1, 0, 1, 0};
  const int dy[] = {0, 0, 1, 0, -1};
  return at(from.x + dx[d], from.y + dy[d]);
}
int turnedOnce(int d) {
  return d % 4 + 1;
}

TEST(Hangers, StartRuleGivesRestingHangersHeadingLeft) {
  Scenario play({});
  play.put(5, 5, tile::Hanger);
  play.put(7, 5, tile::Hanger, 13);
  play.put(9, 5, tile::BrownBlock);
  world::Viholliset_liikkeeseen(play.g());
  EXPECT_EQ(play.state(5, 5), 1);
  EXPECT_EQ(play.state(7, 5), 13);
  EXPECT_EQ(play.state(9, 5), 0);
}

TEST(Hangers, WalksLeftFromTheFirstTurnAndTurnsAtAWall) {
  Scenario play({"", "", "", "", "", "..#..H"});
  play.keys("5");
  EXPECT_EQ(play.code(4, 5), tile::Hanger);
  EXPECT_EQ(play.state(4, 5), 11);
  play.keys("5");
  EXPECT_EQ(play.code(3, 5), tile::Hanger);
  play.keys("5");  // the wall ahead: a quarter turn to its left, and the step in the same turn
  EXPECT_EQ(play.code(3, 6), tile::Hanger);
  EXPECT_EQ(play.state(3, 6), 12);
  EXPECT_EQ(play.code(3, 5), tile::Empty);
}

TEST(Hangers, TurningOrderFromEveryHeading) {
  // Closed squares of every kind a hanger refuses; the button keeps the door shut.
  const std::vector<uint8_t> closers = {tile::PermanentWall, tile::PlayersDoor, tile::GravityLeft,
                                        tile::GravityRight,  tile::BrownBlock,  tile::Door};
  const BytePos home = at(10, 10);
  int n = 0;
  for (int heading = 1; heading <= 4; ++heading) {
    // closedCount squares are closed in the order the hanger tries them: ahead, then its turns.
    for (int closedCount = 0; closedCount <= 4; ++closedCount) {
      Scenario play({"", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "", "+"});
      play.put(home.x, home.y, tile::Hanger, static_cast<uint8_t>(heading));
      int tried = heading;
      for (int i = 0; i < closedCount; ++i) {
        const BytePos closed = stepFrom(home, tried);
        play.put(closed.x, closed.y, closers[n++ % closers.size()]);
        tried = turnedOnce(tried);
      }
      world::Palikoiden_liikutus(play.g());
      if (closedCount == 4) {
        EXPECT_EQ(play.code(home.x, home.y), tile::Hanger) << "heading " << heading;
        EXPECT_EQ(play.state(home.x, home.y), heading + 10) << "heading " << heading;
      } else {
        const BytePos to = stepFrom(home, tried);
        EXPECT_EQ(play.code(to.x, to.y), tile::Hanger) << "heading " << heading << ", closed " << closedCount;
        EXPECT_EQ(play.state(to.x, to.y), tried + 10) << "heading " << heading << ", closed " << closedCount;
        EXPECT_EQ(play.code(home.x, home.y), tile::Empty);
        EXPECT_EQ(play.state(home.x, home.y), 10);
      }
    }
  }
}

TEST(Hangers, MapEdgeIsClosedLikeAWall) {
  Scenario play({});
  play.put(0, 49, tile::Hanger, 1);  // left and down lead off the map
  world::Palikoiden_liikutus(play.g());
  EXPECT_EQ(play.code(1, 49), tile::Hanger);
  EXPECT_EQ(play.state(1, 49), 13);
}

TEST(Hangers, SquareVacatedInThePassIsClosedAMineIsNot) {
  Scenario vacated({});
  vacated.put(4, 5, tile::PurpleBlock, 4);  // leaves (4, 5) just before the hanger's turn
  vacated.put(5, 5, tile::Hanger, 1);
  world::Palikoiden_liikutus(vacated.g());
  EXPECT_EQ(vacated.code(4, 4), tile::PurpleBlock);
  EXPECT_EQ(vacated.code(4, 5), tile::Empty);
  EXPECT_EQ(vacated.code(5, 6), tile::Hanger);
  EXPECT_EQ(vacated.state(5, 6), 12);

  Scenario mine({});
  mine.put(4, 5, tile::PermanentWall);
  mine.put(5, 5, tile::Hanger, 1);
  mine.put(5, 6, tile::Mine);
  world::Palikoiden_liikutus(mine.g());
  EXPECT_EQ(mine.code(5, 6), tile::Explosion);
  EXPECT_EQ(mine.state(5, 6), 15);
  EXPECT_EQ(mine.code(5, 5), tile::Empty);
  EXPECT_EQ(mine.state(5, 5), 0);
}

TEST(Hangers, HangerOnThePlayersSquareKills) {
  Scenario play({"..H"});
  play.keys("5");
  EXPECT_EQ(play.code(1, 0), tile::Hanger);
  EXPECT_EQ(play.g().PlayState, 0);
  play.keys("5");
  EXPECT_EQ(play.code(0, 0), tile::Hanger);
  EXPECT_EQ(play.g().PlayState, 1);
}

}  // namespace
}  // namespace quobbles::testing
