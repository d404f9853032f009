// "Check level" and "Show me" without the windows: what the game answers for levels that can be
// passed (with and without stars, with stars that cannot all be had), that cannot, and for
// searches cut by their limits and searched further; cancelling; a found way played back on
// campaign maps with its pause, step and take-over; and the editor put back exactly afterwards.
#include "frontend/level_check.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "board/board_engine.h"
#include "board/history.h"
#include "board/session.h"
#include "frontend/show_me.h"
#include "sim/level_text.h"
#include "state/tiles.h"
#include "support/ascii_map.h"

namespace quobbles {
namespace {

using Verdict = solver::SolveResult::Verdict;

constexpr CheckLimits kRoomy{100'000, 64 << 20};

Level walled(const std::vector<std::string>& rows) {
  return testing::levelFromPicture(rows, '#');
}

CheckAnswer checked(const Level& level, CheckLimits limits = kRoomy) {
  LevelCheck check(level, limits);
  return check.finish();
}

// The whole map open with hangers wandering over it, and the exit walled into the far corner.
Level hangerRoom(bool exit, int hangers = 1) {
  Level open;
  for (int i = 0; i < hangers; ++i) open.code(7 * i + 5, 6 * i + 9) = tile::Hanger;
  if (exit) open.code(49, 49) = tile::Exit;
  if (exit) open.code(48, 49) = open.code(49, 48) = open.code(48, 48) = tile::PermanentWall;
  return open;
}

TEST(LevelCheck, SaysInHowManyTurnsALevelAndItsStarsCanBePassed) {
  const CheckAnswer plain = checked(walled({"...E"}));
  EXPECT_EQ(answerText(plain), "This level can be passed!\nThe shortest way to the exit takes 3 turns.");
  EXPECT_FALSE(plain.allStars);  // no star, no star mission
  // The exit two steps away, the star one step down and back.
  const CheckAnswer detour = checked(walled({"..E", "*##"}));
  EXPECT_EQ(answerText(detour),
            "This level can be passed!\nThe shortest way to the exit takes 2 turns.\n"
            "With every star collected it takes 4 turns.");
  // Stars walled in behind the exit: the level passes, the mission never does.
  const CheckAnswer one = checked(walled({"..E", "###*"})), two = checked(walled({"..E*", "###*"}));
  EXPECT_EQ(answerText(one),
            "This level can be passed!\nThe shortest way to the exit takes 2 turns.\n"
            "But the star can't be collected on any way to the exit.");
  EXPECT_EQ(one.allStars->verdict, Verdict::kUnsolvable);
  EXPECT_NE(answerText(two).find("But the stars can't all be collected"), std::string::npos);
}

TEST(LevelCheck, SaysThereIsNoWayOnlyAfterSearchingEverything) {
  const CheckAnswer closed = checked(walled({"..#E", "*.##"}));
  EXPECT_EQ((std::tuple{closed.plain.verdict, closed.stoppedAtLimit(), bool(closed.allStars)}),
            (std::tuple{Verdict::kUnsolvable, false, false}));  // no way to the exit, none with stars
  EXPECT_EQ(answerText(closed), "No way to the exit!\nAll " + std::to_string(closed.plain.states) +
                                    " states this level can reach were searched, and none of them gets "
                                    "to the exit.");
  EXPECT_GE(closed.plain.states, 4);
  // Without an exit there is nothing to search for, however big the map.
  const LevelCheck none(hangerRoom(false), defaultCheckLimits());
  EXPECT_TRUE(none.done());
  EXPECT_EQ(answerText(none.answer()), "No way to the exit!\nThis map has no exit: nobody can pass it.");
}

TEST(LevelCheck, StopsAtItsLimitsAndSearchesFurtherWithThemRaised) {
  const Level corridor = walled({"...................E"});  // every step is a new state
  const CheckAnswer cut = checked(corridor, {5, 64 << 20});
  EXPECT_EQ((std::tuple{cut.plain.verdict, cut.plain.states, cut.stoppedAtLimit()}),
            (std::tuple{Verdict::kGaveUp, int64_t{5}, true}));
  EXPECT_EQ(answerText(cut),
            "No answer yet.\nThe search stopped at its limit of 5 states without finding the way to the "
            "exit. The level may still be passable.");
  // "Search further" doubles both limits, the memory only up to its ceiling, and then no more.
  EXPECT_EQ(raisedLimits(cut.limits, 100 << 20), (CheckLimits{10, 100 << 20}));
  EXPECT_FALSE(raisedLimits({10, 100 << 20}, 100 << 20));
  EXPECT_EQ(raisedLimits({10, 100 << 20}, 1 << 30), (CheckLimits{20, 200 << 20}));
  EXPECT_EQ(checked(corridor, {20, 200 << 20}).plain.turns, 19);
  EXPECT_EQ(answerText(checked(corridor, {5, memoryCeiling()})),
            answerText(cut) + "\nThere is no room on this machine to search further.");
  // The memory limit, named in megabytes.
  const CheckAnswer full = checked(hangerRoom(true), {1'000'000, 1 << 20});
  EXPECT_EQ(full.plain.limit, solver::SolveResult::Limit::kMemory);
  EXPECT_TRUE(full.plain.states > 1000 && full.plain.peakBytes > 0 && full.plain.peakBytes <= 1 << 20)
      << full.plain.states << " states, " << full.plain.peakBytes << " bytes";
  EXPECT_NE(answerText(full).find("stopped at its memory limit of 1 MB without"), std::string::npos)
      << answerText(full);

  // The way to the exit is found, the star mission stops at the limit; searched further, only the
  // star mission is searched again.
  const Level far = walled({"..E", ".#", "..........*"});
  const CheckAnswer whole = checked(far);
  ASSERT_TRUE(whole.starsSolved());
  const int64_t between = (whole.plain.states + whole.allStars->states) / 2;
  ASSERT_LT(whole.plain.states, between);
  const CheckAnswer half = checked(far, {between, 64 << 20});
  EXPECT_EQ((std::tuple{half.plain.verdict, half.allStars->verdict, half.stoppedAtLimit()}),
            (std::tuple{Verdict::kSolved, Verdict::kGaveUp, true}));
  EXPECT_NE(answerText(half).find("Whether every star can be collected is not known: that search stopped at "
                                  "its limit of " +
                                  groupedDigits(between) + " states."),
            std::string::npos)
      << answerText(half);
  LevelCheck further(far, kRoomy, &half);
  const CheckAnswer again = further.finish();
  EXPECT_EQ((std::pair{again.plain.keys, again.allStars->keys}),
            (std::pair{whole.plain.keys, whole.allStars->keys}));
  EXPECT_EQ(further.progress().states, whole.allStars->states);  // the way to the exit was kept
}

TEST(LevelCheck, CancelStopsTheSearchAtOnce) {
  // Hangers wandering over the open map, the exit walled in: far more states than this test waits for.
  LevelCheck check(hangerRoom(true, 6), defaultCheckLimits());
  for (int waited = 0; check.progress().states < 2000 && waited < 60'000; waited += 5)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  const CheckProgress seen = check.progress();
  EXPECT_GE(seen.states, 2000);
  EXPECT_GT(seen.statesPerSecond, 0);
  EXPECT_NE(progressText(seen).find("States searched: " + groupedDigits(seen.states)), std::string::npos);
  EXPECT_FALSE(check.poll());
  check.cancel();
  EXPECT_TRUE(check.done());  // the search's thread has ended: cancel waited for it
  EXPECT_GE(check.progress().states, seen.states);
  EXPECT_EQ((std::pair{check.answer().cancelled(), answerText(check.answer())}),
            (std::pair{true, std::string("The check was cancelled.")}));
}

// The ways a check finds, played by Show me on a board that the editor's snapshot is taken from:
// two walled rooms and two campaign maps, with and without every star.
TEST(ShowMe, PlaysTheWayFoundToTheExitAndTheEditorComesBack) {
  EXPECT_EQ(turnsOf("b6c5vnm255"), (std::vector<std::string>{"b6", "c5", "v", "n", "m2", "5", "5"}));
  EXPECT_EQ(turnsOf("6b"), (std::vector<std::string>{"6", "b"}));
  EXPECT_EQ(Playback("").state(), Playback::State::kDone);
  const auto maps = std::filesystem::path(QUOBBLES_SOURCE_DIR) / "data" / "campaign-maps";
  const auto campaign = [&maps](const char* map) {
    const std::string text(
        std::istreambuf_iterator<char>(std::ifstream(maps / map, std::ios::binary).rdbuf()), {});
    return sim::parseLevelText(text).value.value().level;
  };
  for (const auto& [level, stars] : {std::pair{walled({"..E", "*##"}), false},
                                     {walled({"..E", "*##"}), true},
                                     {campaign("Map5.txt"), false},
                                     {campaign("Map13.txt"), true}}) {
    const CheckAnswer answer = checked(level, {3'000'000, 256 << 20});
    ASSERT_TRUE(stars ? answer.starsSolved() : answer.passable()) << answerText(answer);
    const solver::SolveResult& way = stars ? *answer.allStars : answer.plain;
    Session s;
    s.game.level = level;
    s.game.MapNumber = 5;
    editor::EditorState e;
    const EditorSnapshot snapshot = beginShowMe(s.game, e);
    startLevel(s);  // as the board does when it opens
    History h;
    h.begin(s);
    Playback playback(way.keys);
    BoardEffects effects;
    for (int tick = 0; tick < 1000 && playback.state() == Playback::State::kPlaying; ++tick)
      effects = playback.tick(s, h);
    EXPECT_EQ((std::tuple{playback.state(), playback.turnsPlayed(), int(s.game.PlayState),
                          s.board.controls.allStarsVisible}),
              (std::tuple{Playback::State::kDone, static_cast<std::size_t>(way.turns), 2, stars}))
        << level.LevelName;
    // A campaign map passed in a test play is not the player's progress.
    EXPECT_FALSE(effects.saveProfile);
    EXPECT_EQ(s.game.profile.LevelPassed[5], 0);
    EXPECT_EQ(playback.status(),
              "All " + std::to_string(way.turns) + " turns shown - Esc: back to the editor");
    // The board stays as the last turn left it.
    const Session end = s;
    static_cast<void>(playback.tick(s, h));
    static_cast<void>(playback.step(s, h));
    EXPECT_TRUE(s == end);
    endShowMe(s.game, e, snapshot);
    EXPECT_EQ(s.game.level, level);
  }
}

TEST(ShowMe, PausesStepsAndLetsThePlayerTakeOver) {
  const Level corridor = walled({".......E"});
  Session s = startTestPlay(corridor);
  History h;
  h.begin(s);
  Playback p("6666666");
  const auto at = [&s] { return int(s.game.PlayerPos.x); };
  static_cast<void>(p.tick(s, h));
  p.togglePause();  // Ctrl+P
  static_cast<void>(p.tick(s, h));
  EXPECT_EQ((std::pair{at(), p.status()}),
            (std::pair{1, std::string("Paused at 1 of 7 - Ctrl+P go on, Ctrl+Space step")}));
  static_cast<void>(p.step(s, h));  // Ctrl+Space: one turn, still paused
  static_cast<void>(p.tick(s, h));
  EXPECT_EQ((std::pair{at(), p.state()}), (std::pair{2, Playback::State::kPaused}));
  p.togglePause();
  static_cast<void>(p.tick(s, h));
  EXPECT_EQ((std::pair{at(), p.status()}),
            (std::pair{3, std::string("3 of 7 turns shown - Ctrl+P pause, Ctrl+Space step")}));
  static_cast<void>(p.step(s, h));  // a step while playing pauses there too
  EXPECT_EQ((std::pair{at(), p.state()}), (std::pair{4, Playback::State::kPaused}));
  p.togglePause();

  // Keys that only look (the view, help) leave the playback alone; a move takes over.
  for (const int16_t look : {int16_t{'a'}, int16_t{'s'}, int16_t{32}}) EXPECT_FALSE(p.keyPressed(look));
  EXPECT_TRUE(p.keyPressed('4'));
  static_cast<void>(playKey(s, h, '4'));
  static_cast<void>(p.tick(s, h));
  static_cast<void>(p.step(s, h));
  p.togglePause();
  EXPECT_EQ((std::pair{at(), p.state()}), (std::pair{3, Playback::State::kTakenOver}));
  EXPECT_EQ(p.status(), "Your play from turn 5 on - Esc: back to the editor");
  // Each turn shown is a step that undo takes back, like the player's own.
  EXPECT_EQ(h.steps(), 5u);
  static_cast<void>(playKey(s, h, board::key::kUndo));
  static_cast<void>(playKey(s, h, board::key::kUndo));
  EXPECT_EQ(at(), 3);
  // More turns than the way needs: the game ends first, and the playback with it.
  Session t = startTestPlay(corridor);
  History ht;
  ht.begin(t);
  Playback longer("666666666");
  for (int tick = 0; tick < 20; ++tick) static_cast<void>(longer.tick(t, ht));
  EXPECT_EQ((std::pair{int(t.game.PlayState), longer.status()}),
            (std::pair{2, std::string("Ended at 7 of 9 - Esc: back to the editor")}));
  // Undo and restart take over as well, special keys too.
  for (const int16_t key : {board::key::kUndo, board::key::kRestart, board::key::kMine}) {
    Playback other("666");
    EXPECT_TRUE(other.keyPressed(key));
    EXPECT_EQ(other.state(), Playback::State::kTakenOver);
  }
}

TEST(ShowMe, LeavesTheEditorExactlyAsItWas) {
  GameState g;
  editor::EditorState e;
  g.level.LevelName = "Garden";
  g.MapMax = {20, 30};  // the extent
  // Two strokes drawn, the second undone, a third begun: undo, redo and the open change.
  e.SelectedTile = tile::BreakableWall;
  for (const int x : {1, 2, 3}) {
    editor::beginChange(g, e, x == 2 ? editor::StepKind::kShiftStroke : editor::StepKind::kSquares);
    e.CursorSquare = {static_cast<int16_t>(x), 0};
    ASSERT_TRUE(editor::drawAtCursor(g, e));
    if (x == 2) {
      ASSERT_TRUE(editor::undoChange(g, e));
    }
  }
  g.code(5, 5) = tile::Exit;
  e.LevelFile = "Levels/Garden.lev";
  g.PlayerPos = {10, 12};   // the view centre
  g.EditorTestPlay = true;  // a test play was made before
  const GameState before = g;
  ASSERT_TRUE(e.LevelChanged);

  // The board plays on the game's one state; whatever it and God's Tools do there, and even a
  // clearing of the editor on the way out, is undone.
  Session board;
  board.game = g;
  EditorSnapshot snapshot = beginShowMe(board.game, e);
  EXPECT_TRUE(board.game.EditorTestPlay);
  startLevel(board);
  replay(board, "6622");
  board.game.code(9, 9) = tile::Hanger;
  editor::Clear_map(board.game, e, editor::ClearMode::kPlain);
  endShowMe(board.game, e, std::move(snapshot));

  EXPECT_TRUE(board.game == before);  // the level, the view centre, the extent, the test play flag
  EXPECT_EQ((std::tuple{e.LevelChanged, e.LevelFile, int(e.SelectedTile), e.history.openKind(),
                        editor::canRedo(e)}),
            (std::tuple{true, std::string("Levels/Garden.lev"), int(tile::BreakableWall),
                        editor::StepKind::kSquares, true}));
  ASSERT_TRUE(editor::undoChange(board.game, e));  // the open change: square (3, 0)
  EXPECT_EQ((std::pair{int(board.game.code(3, 0)), int(board.game.code(1, 0))}),
            (std::pair{int(tile::Empty), int(tile::BreakableWall)}));
  ASSERT_TRUE(editor::undoChange(board.game, e));
  EXPECT_EQ(int(board.game.code(1, 0)), int(tile::Empty));
  EXPECT_FALSE(editor::undoChange(board.game, e));
}

}  // namespace
}  // namespace quobbles
