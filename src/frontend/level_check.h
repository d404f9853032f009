// "Check level" in the editor: whether the level as it stands can be passed, how many turns the
// shortest way to the exit takes and, when the map holds stars, the shortest way with every star.
// The search runs on a copy of the level in a thread of its own (solver::SearchJob), so the
// editor keeps painting while it runs; the rules themselves still run only on the window thread,
// on the level in the editor. The window asks poll() now and then, may cancel at any time, and
// shows the progress and the answer in the texts made here.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "solver/solver.h"
#include "state/game_state.h"

namespace quobbles {

// How far a check may search: stored states, and memory for the search's tables.
struct CheckLimits {
  int64_t maxStates = 0;
  int64_t maxMemoryBytes = 0;
  friend bool operator==(const CheckLimits&, const CheckLimits&) = default;
};

// A quarter of the machine's memory, and the states that memory holds.
[[nodiscard]] CheckLimits defaultCheckLimits();
[[nodiscard]] CheckLimits limitsForMemory(int64_t memoryBytes);

// The most memory "Search further" asks for: half the machine's memory, so that the game and
// the rest of the machine keep room.
[[nodiscard]] int64_t memoryCeiling();
// Both limits doubled, the memory no higher than `ceiling`; nothing when the memory is at the
// ceiling already (a search with more states than its memory holds would only stop there).
[[nodiscard]] std::optional<CheckLimits> raisedLimits(const CheckLimits& limits,
                                                      int64_t ceiling = memoryCeiling());

// What a check found. The star mission is searched only when the map holds stars and the exit
// can be reached at all (every way with every star is also a way to the exit).
struct CheckAnswer {
  bool hasExit = true;  // no exit on the map: nothing was searched
  int stars = 0;        // stars on the map
  solver::SolveResult plain;
  std::optional<solver::SolveResult> allStars;
  CheckLimits limits;  // what the search was allowed

  bool passable() const { return plain.verdict == solver::SolveResult::Verdict::kSolved; }
  bool cancelled() const;
  // A search stopped at a limit: more room might give an answer.
  bool stoppedAtLimit() const;
  bool starsSolved() const { return allStars && allStars->verdict == solver::SolveResult::Verdict::kSolved; }
};

// The answer as the game tells it. A search stopped at a limit that cannot be raised any more
// says so.
[[nodiscard]] std::string answerText(const CheckAnswer& answer);

// What the window shows while the check runs.
struct CheckProgress {
  bool starsSearch = false;  // the search with every star is under way
  int64_t states = 0;        // states this check has searched so far, its searches together
  int64_t statesPerSecond = 0;
  int64_t microseconds = 0;  // since the check began
};
[[nodiscard]] std::string progressText(const CheckProgress& progress);

// "Limits: 46 000 000 states, 5 888 MB of memory."
[[nodiscard]] std::string limitsText(const CheckLimits& limits);
// "Searched 1 234 states in 3 s."
[[nodiscard]] std::string searchedText(const CheckProgress& progress);

// Whole numbers with their thousands set apart by a space, as "1 234 567".
[[nodiscard]] std::string groupedDigits(int64_t n);

class LevelCheck {
 public:
  // Starts searching a copy of `level`. With `before`, a check whose way to the exit is known
  // already (a search further after the star mission stopped at its limit) searches only the
  // star mission again.
  LevelCheck(Level level, CheckLimits limits, const CheckAnswer* before = nullptr);
  ~LevelCheck();
  LevelCheck(const LevelCheck&) = delete;
  LevelCheck& operator=(const LevelCheck&) = delete;

  // Takes in what the running search has found and starts the next one; true once the answer is
  // complete. Never waits.
  bool poll();
  // Waits for the whole answer.
  const CheckAnswer& finish();
  // Stops the search under way and waits for its thread, which stops before its next state; the
  // answer is then a cancelled one.
  void cancel();
  [[nodiscard]] bool done() const { return done_; }
  [[nodiscard]] CheckProgress progress() const;
  [[nodiscard]] const CheckAnswer& answer() const { return answer_; }

 private:
  void startSearch(bool allStars);
  void take(const solver::SolveResult& result);

  Level level_;
  CheckAnswer answer_;
  std::unique_ptr<solver::SearchJob> job_;
  bool jobForStars_ = false;
  int64_t statesBefore_ = 0;  // of the searches already finished
  int64_t lastRate_ = 0;      // states per second of the last search finished
  std::chrono::steady_clock::time_point started_;
  bool done_ = false;
};

}  // namespace quobbles
