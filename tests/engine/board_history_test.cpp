// Undo and restart on the board: an undone step gives back the whole session of a game that never
// took it (across deaths, specials, teleports, gravity, stars and the candle), keys that play no
// turn are no steps, restart is one step back to the opened board, a passed level stays passed,
// God's Tools presses are steps, and a long game's history stays small.
#include <random>
#include <tuple>

#include "board/history.h"
#include "engine/rules_scenario.h"
#include "world/gods_tools.h"

namespace quobbles::testing {
namespace {

constexpr char kBackspace = 8, kCtrlZ = 26, kCtrlR = 18;
const std::string kUndo(1, kBackspace), kUndoControl(1, kCtrlZ), kRestart(1, kCtrlR);

// A level in play whose keys go through the history, as the board window's do.
struct Played : Scenario {
  History h;
  explicit Played(const Picture& rows, Counters counters = {}) : Scenario(rows, counters) { h.begin(s); }
  Played& play(std::string_view keys) {
    for (const char k : keys) static_cast<void>(playKey(s, h, static_cast<int16_t>(k)));
    return *this;
  }
  std::string shownAfter(std::string_view keys, std::string_view text) { return play(keys).fields(text); }
};

// Equal sessions; on a difference the dumps tell where.
#define EXPECT_SAME_SESSION(a, b)              \
  do {                                         \
    EXPECT_EQ(sim::dump(a), sim::dump(b));     \
    EXPECT_TRUE((a) == (b)) << "off the dump"; \
  } while (0)

TEST(Undo, GivesBackTheWholeSessionOfAGameThatNeverTookTheStep) {
  // What is played first, the step, and what the step is seen to have done.
  const std::tuple<const char*, Picture, Counters, const char*, const char*, const char*> cases[] = {
      {"a move", {"..."}, {}, "", "6", "player 1 0, last_move_key 54"},
      {"a move after view keys and help", {"..."}, {}, "6aw ", "6", "player 2 0, view_shift 3 3, face 0"},
      {"death by a block", {"..O"}, {}, "5", "5", "play_state 1, figure 2880 2880 0, message 1 Game over."},
      {"a special after death", {"..O"}, {1, 0, 0, 0, 0}, "55", "c", "play_state 1, counters 0 0 0 0 0"},
      {"invisibility armed", {"..."}, {2, 0, 0, 0, 0}, "", "c", "turn_action 2, face 2, counters 1 0 0 0 0"},
      {"a mine under a block", {"..O"}, {0, 1, 0, 0, 0}, "5", "v", "(0,0) 3/15, (1,0) 0/0, face 4"},
      {"a removed wall", {".w"}, {0, 0, 1, 0, 0}, "b", "6", "(1,0) 3/15, counters 0 0 0 0 0, player 0 0"},
      {"the attack", {".", "w", "", "O"}, {0, 0, 0, 1, 0}, "", "n", "(0,1) 3/15, counters 0 0 0 0 0"},
      {"immortality that saved him", {"..O"}, {0, 0, 0, 0, 1}, "5m", "5", "play_state 0, face 5"},
      {"a teleport", {"..T", "", "", "wT...T"}, {}, "6", "6", "player 1 3"},
      {"a fall under gravity", {".<", "#.", "", ".#"}, {}, "62846", "6", "player 1 1, gravity -1"},
      {"gravity switched", {".<.", "###"}, {}, "6", "4", "player 0 0, gravity -1"},
      {"the last star", {"..*", "*"}, {}, "2", "866", "stars_left 0, all_stars 1"},
      {"the candle", {".C"}, {}, "a", "6", "dark_view -1, face 9, view_shift 4 4"},
      {"a hanger's walk", {"....", "...H"}, {}, "5", "5", "(1,1) 120/11"},
  };
  int n = 0;
  for (const auto& [name, rows, counters, first, step, shows] : cases) {
    SCOPED_TRACE(name);
    Played game(rows, counters);
    game.play(first);
    const Session never = game.s;
    const std::size_t steps = game.h.steps();
    // The last key of a two-key step is the one that does it; undo takes back one step each.
    EXPECT_EQ(game.shownAfter(step, shows), shows);
    for (std::size_t k = 0; k < std::string_view(step).size(); ++k) game.play(++n % 2 ? kUndo : kUndoControl);
    EXPECT_SAME_SESSION(game.s, never);
    EXPECT_EQ(game.h.steps(), steps);
  }
}

TEST(Undo, KeysThatPlayNoTurnAreNoStepsAndAreForgottenWithTheStepBeforeThem) {
  const Picture rows{"....", "", "..O"};
  Played game(rows);
  game.play("6");
  ASSERT_EQ(game.h.steps(), 1u);
  // View keys, Space, Esc, upper-case letters, other keys, and specials without a counter.
  game.play(
      "adwxs aw\x1b"
      "CVBNMS019zcvbnm");
  EXPECT_EQ(game.h.steps(), 1u);
  EXPECT_EQ(game.fields("view_shift 3 3, face 8"), "view_shift 3 3, face 8");
  game.play(kUndo);
  EXPECT_EQ(game.h.steps(), 0u);
  EXPECT_SAME_SESSION(game.s, Played(rows).s);
  // Nothing more to undo: the session stays as it is.
  game.play("a");
  const Session viewMoved = game.s;
  game.play(kUndo + kUndoControl);
  EXPECT_SAME_SESSION(game.s, viewMoved);

  // After death the move keys play no turn and are no steps; undo brings him back to life.
  game.play("s665");
  ASSERT_EQ(game.fields("play_state 1"), "play_state 1");
  const std::size_t steps = game.h.steps();
  game.play("2486");
  EXPECT_EQ(game.h.steps(), steps);
  game.play(kUndo);
  EXPECT_EQ(game.fields("play_state 0, figure 2880 2880 1, message 0 Game over., esc_hint 0"),
            "play_state 0, figure 2880 2880 1, message 0 Game over., esc_hint 0");
}

TEST(Undo, EveryStepIsTakenBackInTurnDownToTheOpenedBoard) {
  // Blocks, a hanger, walls to break, teleports, gravity, stars and a spike ball; keys at random,
  // God's Tools among them, and before every step the session as it was.
  Played game(
      {"..*...#....O", ".>..T.w..x..", "...w....H...", "#....U..*.T.", "..<....w....", "O..........U"},
      {3, 3, 3, 3, 3});
  const Session opened = game.s;
  std::mt19937 random(12345);
  const std::string keys = "24568246824682468cvbnmadwxs \x1b";
  std::vector<Session> before;
  for (int i = 0; i < 1500; ++i) {
    const Session now = game.s;
    const std::size_t steps = game.h.steps();
    if (random() % 6 == 0)
      useGodsTool(game.s, game.h, static_cast<int>(random() % world::kGodsToolCount));
    else
      game.play(std::string(1, keys[random() % keys.size()]));
    ASSERT_LE(game.h.steps(), steps + 1);
    if (game.h.steps() > steps) before.push_back(now);
  }
  ASSERT_GT(before.size(), 700u);
  ASSERT_FALSE(game.h.levelPassed());
  while (!before.empty()) {
    game.play(kUndo);
    ASSERT_TRUE(game.s == before.back()) << "step " << before.size() << "\n" << sim::dump(game.s);
    before.pop_back();
  }
  EXPECT_SAME_SESSION(game.s, opened);
  EXPECT_EQ(game.h.steps(), 0u);
}

TEST(Restart, IsOneStepBackToTheBoardAsItOpened) {
  Played game({"..O", "", "T..", "..T"}, {0, 1, 0, 0, 0});
  const Session opened = game.s;
  game.play(kRestart);  // nothing to go back to
  EXPECT_EQ(game.h.steps(), 0u);
  // A mine, through the teleport, and death by the block that saw him come out.
  game.play("2v2a255");
  ASSERT_EQ(game.fields("(0,1) 4/0, player 2 4, play_state 1"), "(0,1) 4/0, player 2 4, play_state 1");
  const Session beforeRestart = game.s;
  const std::size_t steps = game.h.steps();
  game.play(kRestart);
  EXPECT_SAME_SESSION(game.s, opened);
  EXPECT_EQ(game.h.steps(), steps + 1);
  game.play(kUndo);
  EXPECT_SAME_SESSION(game.s, beforeRestart);
  game.play(kRestart + "6" + kUndo);
  EXPECT_SAME_SESSION(game.s, opened);
}

TEST(Restart, APassedLevelCanNeitherBeUndoneNorRestarted) {
  Played game({"..E"}, {1, 0, 0, 0, 0});
  game.g().EditorTestPlay = false;  // a campaign map: the pass is recorded in the profile
  game.g().level.LevelStatus = kCampaignMap;
  game.g().MapNumber = 3;
  game.h.begin(game.s);
  game.play("6");
  EXPECT_TRUE(playKey(game.s, game.h, board::key::kRight).saveProfile);
  ASSERT_EQ(game.fields("play_state 2, message 1 Well done."), "play_state 2, message 1 Well done.");
  EXPECT_TRUE(game.h.levelPassed());
  EXPECT_EQ(game.h.steps(), 0u);
  const Session passed = game.s;
  game.play(kUndo + kUndoControl + kRestart);
  EXPECT_SAME_SESSION(game.s, passed);
  EXPECT_EQ(game.g().profile.LevelPassed[3], kTrue);
  // A special is still a step after the pass, but undo stops at the pass.
  game.play("c");
  EXPECT_EQ(game.h.steps(), 1u);
  game.play(kUndo + kUndo + kRestart);
  EXPECT_SAME_SESSION(game.s, passed);
}

TEST(GodsTools, EachPressThatChangesSomethingIsOneStep) {
  Played game({"..O", ".*"});
  game.play("55");
  ASSERT_EQ(game.fields("play_state 1"), "play_state 1");
  const Session dead = game.s;
  useGodsTool(game.s, game.h, world::kBackToLife);
  const Session revived = game.s;
  useGodsTool(game.s, game.h, world::kPlayerLeft);  // at x = 0: nothing changes, no step
  useGodsTool(game.s, game.h, world::kPlayerDown);  // onto the star, which stays
  useGodsTool(game.s, game.h, world::kAddMine);
  EXPECT_EQ(game.fields("play_state 0, player 0 1, counters 0 1 0 0 0"),
            "play_state 0, player 0 1, counters 0 1 0 0 0");
  game.play(kUndo + kUndo);
  EXPECT_SAME_SESSION(game.s, revived);
  game.play(kUndo);
  EXPECT_SAME_SESSION(game.s, dead);
}

TEST(History, AStepThatChangesALengthOfTextIsTakenBackToo) {
  Played game({"."});
  const Session before = game.s;
  Session after = before;
  after.game.LevelPath = "a much longer path than before";
  after.board.controls.messageCaption = "x";
  after.game.PlayerPos = {3, 4};
  game.h.record(before, after);
  game.s = after;
  game.play(kUndo);
  EXPECT_SAME_SESSION(game.s, before);
}

TEST(History, TenThousandTurnsOnABusyMapKeepUnderTenMegabytes) {
  // Twelve hangers and six brown blocks that never stop, walls to walk into, and the player on a
  // random walk that goes back a few turns whenever he dies, as a player would.
  Picture rows(40, std::string(40, '.'));
  for (std::size_t i = 0; i < 12; ++i) rows[3 + 3 * i][5 + 2 * i] = 'H';
  for (std::size_t i = 0; i < 6; ++i) rows[2 + 6 * i][38 - 5 * i] = 'O';
  for (std::size_t i = 0; i < 40; i += 4) rows[20][i] = '#';
  Played game(rows);
  const Session opened = game.s;
  std::mt19937 random(777);
  while (game.h.steps() < 10'000) {
    game.play(std::string(1, "24568"[random() % 5]));
    if (game.g().PlayState == 1) game.play(std::string(1 + random() % 8, kBackspace));
  }
  ASSERT_EQ(game.h.steps(), 10'000u);
  const std::size_t bytes = game.h.storedBytes();
  EXPECT_LT(bytes, 10u * 1024 * 1024);
  RecordProperty("history_bytes", static_cast<int>(bytes));
  std::printf("history of 10000 turns: %zu bytes\n", bytes);
  while (game.h.steps() > 0) game.play(kUndo);
  EXPECT_SAME_SESSION(game.s, opened);
}

}  // namespace
}  // namespace quobbles::testing
