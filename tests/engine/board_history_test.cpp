// Undo and restart: an undone step gives back the whole session of a game that never took it
// (across deaths, specials, teleports, gravity, stars and the candle, on a random walk); keys that
// play no turn are no steps; restart is one step; a pass cannot be undone; a long game's history
// stays small.
#include <random>
#include <tuple>

#include "board/history.h"
#include "engine/rules_scenario.h"
#include "world/gods_tools.h"

namespace quobbles::testing {
namespace {

const std::string kUndo = "\b", kUndoControl = "\x1a", kRestart = "\x12";

// A level in play whose keys go through the history, as the board window's do.
struct Played : Scenario {
  History h;
  explicit Played(const Picture& rows, Counters counters = {}) : Scenario(rows, counters) { h.begin(s); }
  Played& play(std::string_view keys) {
    for (const char k : keys) static_cast<void>(playKey(s, h, static_cast<int16_t>(k)));
    return *this;
  }
};

// Equal sessions; on a difference the dumps tell where.
void expectSameSession(const Session& a, const Session& b) {
  EXPECT_EQ(sim::dump(a), sim::dump(b));
  EXPECT_TRUE(a == b);
}

TEST(Undo, KeysThatPlayNoTurnAreNoStepsAndAreForgottenWithTheStepBeforeThem) {
  const Picture rows{"....", "", "..O"};
  Played game(rows, {0, 0, 0, 0, 0});
  // View keys, Space, Esc, upper case, other keys, specials without a counter: one step only.
  game.play(
      "6adwxs aw\x1b"
      "CVBNMS019zcvbnm");
  EXPECT_EQ(game.h.steps(), 1u);
  expectSameSession(game.play(kUndo).s, Played(rows).s);
  const Session viewMoved = game.play("a").s;
  expectSameSession(game.play(kUndo + kUndoControl).s, viewMoved);  // nothing left to undo
  // After death the move keys play no turn; undo brings him back.
  ASSERT_EQ(game.play("s665").fields("play_state 1"), "play_state 1");
  const std::size_t steps = game.h.steps();
  EXPECT_EQ(game.play("2486").h.steps(), steps);
  const std::string alive = "play_state 0, figure 2880 2880 1, message 0 Game over., esc_hint 0";
  EXPECT_EQ(game.play(kUndo).fields(alive), alive);
}

TEST(Undo, EveryStepIsTakenBackInTurnDownToTheOpenedBoard) {
  // A walled room of blocks, a hanger, walls, teleports, gravity, stars, a candle and a spike ball;
  // random keys and
  // God's Tools presses, and before every step the session as it was. Both undo keys take a step
  // back, each the session of a game that never took it.
  Played game({".T*...#....O#", ".>..T.w..x..#", "...w....H...#", "#....U..*.T.#", "..<..C.w....#",
               "O..........U#", "#############"},
              {3, 3, 3, 3, 3});
  const Session opened = game.s;
  std::mt19937 random(12345);
  const std::string keys = "24568246824682468cvbnmadwxs \x1b";
  std::vector<Session> before;
  int deaths = 0, darkened = 0, teleported = 0;
  const auto undo = [&game, &before] {
    game.play(before.size() % 2 ? kUndo : kUndoControl);
    ASSERT_TRUE(game.s == before.back()) << "step " << before.size() << "\n" << sim::dump(game.s);
    before.pop_back();
  };
  for (int i = 0; i < 3000; ++i) {
    const Session now = game.s;
    const std::size_t steps = game.h.steps();
    if (game.g().PlayState == 1 && random() % 2 == 0) {
      undo();  // back from death, mostly
      continue;
    }
    if (random() % 6 == 0)
      useGodsTool(game.s, game.h, static_cast<int>(random() % world::kGodsToolCount));
    else
      game.play(std::string(1, keys[random() % keys.size()]));
    if (game.h.steps() > steps) before.push_back(now);
    deaths += game.g().PlayState == 1 && now.game.PlayState == 0;
    darkened += game.b().vars.DarkView && !now.board.vars.DarkView;
    teleported += std::abs(game.g().PlayerPos.x - now.game.PlayerPos.x) +
                      std::abs(game.g().PlayerPos.y - now.game.PlayerPos.y) >
                  1;
  }
  ASSERT_EQ(before.size(), game.h.steps());
  ASSERT_GT(before.size(), 700u);
  EXPECT_GT(deaths * darkened * teleported, 0) << deaths << " deaths, " << darkened << " candles, "
                                               << teleported << " teleports: the walk must meet them";
  while (!before.empty()) undo();
  expectSameSession(game.s, opened);
}

TEST(Restart, IsOneStepBackToTheOpenedBoardAndAPassIsFinal) {
  Played game({"..O", "", "T..", "..T"}, {0, 1, 0, 0, 0});
  const Session opened = game.s;
  EXPECT_EQ(game.play(kRestart).h.steps(), 0u);  // nothing to go back to
  // A mine, through the teleport, and death by the block that saw him come out.
  ASSERT_EQ(game.play("2v2a255").fields("(0,1) 4/0, player 2 4, play_state 1"),
            "(0,1) 4/0, player 2 4, play_state 1");
  const Session dead = game.s;
  expectSameSession(game.play(kRestart).s, opened);
  expectSameSession(game.play(kUndo).s, dead);

  Played pass({"..E"}, {1, 0, 0, 0, 0});
  pass.g().EditorTestPlay = false;  // a campaign map: the pass goes into the profile at once
  pass.g().level.LevelStatus = kCampaignMap;
  pass.h.begin(pass.s);
  EXPECT_TRUE(playKey(pass.play("6").s, pass.h, board::key::kRight).saveProfile);
  EXPECT_TRUE(pass.h.levelPassed());
  const Session passed = pass.s;
  expectSameSession(pass.play(kUndo + kRestart).s, passed);
  EXPECT_EQ(pass.play("c").h.steps(), 1u);  // a special after the pass is a step, back to the pass
  expectSameSession(pass.play(kUndo + kUndo + kRestart).s, passed);
}

TEST(GodsTools, EachPressThatChangesSomethingIsOneStep) {
  Played game({"..O", ".*"});
  const Session dead = game.play("55").s;
  useGodsTool(game.s, game.h, world::kBackToLife);
  const Session revived = game.s;
  useGodsTool(game.s, game.h, world::kPlayerLeft);  // at x = 0 nothing changes: no step
  useGodsTool(game.s, game.h, world::kPlayerDown);
  EXPECT_EQ(game.h.steps(), 4u);
  expectSameSession(game.play(kUndo).s, revived);
  expectSameSession(game.play(kUndo).s, dead);
}

TEST(History, AStepThatChangesTheLengthOfATextIsTakenBackToo) {
  Played game({"."});
  const Session before = game.s;
  Session after = before;
  after.game.LevelPath = "a much longer path than before";
  after.board.controls.messageCaption = "x";
  game.h.record(before, after);
  game.s = after;
  expectSameSession(game.play(kUndo).s, before);
}

TEST(History, TenThousandTurnsOnABusyMapKeepUnderTenMegabytes) {
  // Twelve hangers and six brown blocks that never stop, and the player on a random walk that
  // goes back a few turns whenever he dies. Whole copies of the session would take over 60 MB.
  Picture rows(40, std::string(40, '.'));
  for (std::size_t i = 0; i < 12; ++i) rows[3 + 3 * i][5 + 2 * i] = 'H';
  for (std::size_t i = 0; i < 6; ++i) rows[2 + 6 * i][38 - 5 * i] = 'O';
  Played game(rows);
  const Session opened = game.s;
  std::mt19937 random(777);
  while (game.h.steps() < 10'000) {
    game.play(std::string(1, "24568"[random() % 5]));
    if (game.g().PlayState == 1) game.play(std::string(1 + random() % 8, '\b'));
  }
  const std::size_t bytes = game.h.storedBytes();
  std::printf("history of 10000 turns: %zu bytes\n", bytes);
  EXPECT_LT(bytes, 10u * 1024 * 1024);
  while (game.h.steps() > 0) game.play(kUndo);
  expectSameSession(game.s, opened);
}

}  // namespace
}  // namespace quobbles::testing
