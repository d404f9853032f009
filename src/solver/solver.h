// A breadth-first search over whole turns on the game's own rules: the fewest turns from the
// level start (all counters 0) to the exit, optionally with every star collected.
//
// A search plays on its own copy of the level, so it may run in a worker thread while the level
// it was given goes on being edited (SearchJob below does exactly that). Another thread may stop
// it through an atomic flag and read its progress at any time, and limits on the states and on
// the memory it may take stop it with an answer that says so: every search ends solved, with no
// way to the exit after the whole space was searched, stopped at a limit, or cancelled.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

#include "state/game_state.h"

namespace quobbles::solver {

constexpr int64_t kDefaultMaxStates = 3'000'000;

// What a running search has done so far. The search updates it every few hundred states and when
// it ends; any thread may read it meanwhile.
struct SolveProgress {
  std::atomic<int64_t> states{0};        // distinct states found
  std::atomic<int64_t> microseconds{0};  // time spent searching
  std::atomic<int64_t> peakBytes{0};     // the most memory the search's tables have held
};

struct SolveOptions {
  bool allStars = false;  // the exit counts only with every star collected
  int64_t maxStates = kDefaultMaxStates;
  // Play the search on the smallest rectangle from (0, 0) outside which the map holds only
  // permanent walls, closed by one row and column of them (the rules see such a wall and the
  // map edge alike). Off, every turn sweeps the whole map; kept for comparing the two.
  bool liveAreaOnly = true;
  // The most memory the search's tables may take, in bytes; 0 means defaultMemoryLimit().
  int64_t maxMemoryBytes = 0;
  // Turns from states with the same squares share the world's answer when no block sees the
  // player. Off, every turn plays its own; kept for comparing the two.
  bool shareWorldAnswers = true;
  // Set from any thread to stop the search; it stops before its next state.
  const std::atomic<bool>* cancel = nullptr;
  SolveProgress* progress = nullptr;  // kept up to date while the search runs, if given
};

struct SolveResult {
  enum class Verdict {
    kSolved,      // `keys` pass the level in the fewest turns there are
    kUnsolvable,  // every reachable state was searched: there is no way to the exit
    kGaveUp,      // stopped at `limit` without an answer
    kCancelled,   // stopped through SolveOptions::cancel
  } verdict = Verdict::kUnsolvable;
  enum class Limit { kNone, kStates, kMemory } limit = Limit::kNone;
  std::string keys;       // the solution's key string
  int turns = 0;          // turns it takes
  int64_t states = 0;     // distinct states searched
  double seconds = 0;     // time to the answer
  int64_t peakBytes = 0;  // the most memory the search's tables held
};

[[nodiscard]] SolveResult solve(const Level& level, const SolveOptions& options);
[[nodiscard]] SolveResult solve(const Level& level, bool allStars, int64_t maxStates);

// A quarter of the machine's memory (1 GiB where the machine does not tell).
[[nodiscard]] int64_t defaultMemoryLimit();
// About how many states a search stores in `bytes`: a state limit that goes with a memory limit.
[[nodiscard]] int64_t statesThatFit(int64_t bytes);

// The highest x and y of the live rectangle described at SolveOptions::liveAreaOnly.
[[nodiscard]] WordPos liveArea(const Level& level);

// A search of a copy of `level` in a thread of its own: the caller keeps its level and its
// thread (a window keeps painting), polls progress(), may cancel() at any time, and takes the
// answer once done() says so. Destroying a job that still runs cancels it and waits for it.
class SearchJob {
 public:
  SearchJob(Level level, SolveOptions options);
  ~SearchJob();
  SearchJob(const SearchJob&) = delete;
  SearchJob& operator=(const SearchJob&) = delete;

  const SolveProgress& progress() const { return progress_; }
  void cancel() { cancel_.store(true); }
  [[nodiscard]] bool done() const;
  // Waits at most `timeout` for the answer; true once the search has ended.
  bool waitFor(std::chrono::milliseconds timeout);
  // Waits for the search to end and returns its answer.
  const SolveResult& result();

 private:
  Level level_;
  SolveOptions options_;
  SolveProgress progress_;
  std::atomic<bool> cancel_{false};
  mutable std::mutex mutex_;
  std::condition_variable finished_;
  bool done_ = false;
  SolveResult result_;
  std::thread thread_;
};

}  // namespace quobbles::solver
