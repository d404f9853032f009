// "Check level": the searches one after the other, their limits, and what the game says.
#include "frontend/level_check.h"

#include <algorithm>

#include "state/tiles.h"

namespace quobbles {

namespace {

using Verdict = solver::SolveResult::Verdict;
using Limit = solver::SolveResult::Limit;

constexpr int64_t kMegabyte = 1 << 20;

std::string counted(int64_t n, const char* one, const char* many) {
  return groupedDigits(n) + " " + (n == 1 ? one : many);
}

std::string megabytes(int64_t bytes) {
  return groupedDigits((bytes + kMegabyte / 2) / kMegabyte) + " MB";
}

// "0.4 s", "12 s", "3 min 05 s".
std::string duration(int64_t microseconds) {
  const int64_t seconds = microseconds / 1'000'000;
  if (seconds < 10) {
    const int64_t tenths = microseconds / 100'000;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " s";
  }
  if (seconds < 60) return std::to_string(seconds) + " s";
  return std::to_string(seconds / 60) + " min " + (seconds % 60 < 10 ? "0" : "") +
         std::to_string(seconds % 60) + " s";
}

// "its limit of 3 000 000 states", "its memory limit of 512 MB".
std::string limitReached(const solver::SolveResult& r, const CheckLimits& limits) {
  if (r.limit == Limit::kMemory) return "its memory limit of " + megabytes(limits.maxMemoryBytes);
  return "its limit of " + counted(limits.maxStates, "state", "states");
}

std::string starsLine(const CheckAnswer& a) {
  const solver::SolveResult& s = *a.allStars;
  switch (s.verdict) {
    case Verdict::kSolved:
      return "With every star collected it takes " + counted(s.turns, "turn", "turns") + ".";
    case Verdict::kUnsolvable:
      return a.stars == 1 ? "But the star can't be collected on any way to the exit."
                          : "But the stars can't all be collected on any way to the exit.";
    case Verdict::kGaveUp:
      return "Whether every star can be collected is not known: that search stopped at " +
             limitReached(s, a.limits) + ".";
    case Verdict::kCancelled:
      break;
  }
  return "The search for every star was cancelled.";
}

// The answer without what it says about searching further.
std::string answerOnly(const CheckAnswer& a) {
  if (!a.hasExit) return "No way to the exit!\nThis map has no exit: nobody can pass it.";
  switch (a.plain.verdict) {
    case Verdict::kSolved: {
      std::string text = "This level can be passed!\nThe shortest way to the exit takes " +
                         counted(a.plain.turns, "turn", "turns") + ".";
      if (a.allStars) text += "\n" + starsLine(a);
      return text;
    }
    case Verdict::kUnsolvable:
      return "No way to the exit!\nAll " + counted(a.plain.states, "state", "states") +
             " this level can reach were searched, and none of them gets to the exit.";
    case Verdict::kGaveUp:
      return "No answer yet.\nThe search stopped at " + limitReached(a.plain, a.limits) +
             " without finding the way to the exit. The level may still be passable.";
    case Verdict::kCancelled:
      break;
  }
  return "The check was cancelled.";
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Limits
// ---------------------------------------------------------------------------------------------

CheckLimits limitsForMemory(int64_t memoryBytes) {
  return {solver::statesThatFit(memoryBytes), memoryBytes};
}

CheckLimits defaultCheckLimits() {
  return limitsForMemory(solver::defaultMemoryLimit());
}

int64_t memoryCeiling() {
  return 2 * solver::defaultMemoryLimit();
}

std::optional<CheckLimits> raisedLimits(const CheckLimits& limits, int64_t ceiling) {
  if (limits.maxMemoryBytes >= ceiling) return std::nullopt;
  return CheckLimits{2 * limits.maxStates, std::min(2 * limits.maxMemoryBytes, ceiling)};
}

// ---------------------------------------------------------------------------------------------
// Texts
// ---------------------------------------------------------------------------------------------

std::string groupedDigits(int64_t n) {
  const std::string digits = std::to_string(n < 0 ? -n : n);
  std::string out = n < 0 ? "-" : "";
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ' ';
    out += digits[i];
  }
  return out;
}

bool CheckAnswer::cancelled() const {
  return plain.verdict == Verdict::kCancelled || (allStars && allStars->verdict == Verdict::kCancelled);
}

bool CheckAnswer::stoppedAtLimit() const {
  return plain.verdict == Verdict::kGaveUp || (allStars && allStars->verdict == Verdict::kGaveUp);
}

std::string answerText(const CheckAnswer& a) {
  std::string text = answerOnly(a);
  if (a.stoppedAtLimit() && !raisedLimits(a.limits))
    text += "\nThere is no room on this machine to search further.";
  return text;
}

std::string progressText(const CheckProgress& p) {
  return std::string(p.starsSearch ? "Looking for the shortest way with every star..."
                                   : "Looking for the shortest way to the exit...") +
         "\n\nStates searched: " + groupedDigits(p.states) +
         "\nStates per second: " + groupedDigits(p.statesPerSecond) + "\nTime: " + duration(p.microseconds);
}

std::string limitsText(const CheckLimits& limits) {
  return "Limits: " + counted(limits.maxStates, "state", "states") + ", " + megabytes(limits.maxMemoryBytes) +
         " of memory.";
}

std::string searchedText(const CheckProgress& p) {
  return "Searched " + counted(p.states, "state", "states") + " in " + duration(p.microseconds) + ".";
}

// ---------------------------------------------------------------------------------------------
// The check
// ---------------------------------------------------------------------------------------------

LevelCheck::LevelCheck(Level level, CheckLimits limits, const CheckAnswer* before)
    : level_(std::move(level)), started_(std::chrono::steady_clock::now()) {
  answer_.limits = limits;
  const Grid& map = level_.MapGrid;
  answer_.hasExit = std::find(map.begin(), map.end(), tile::Exit) != map.end();
  answer_.stars = static_cast<int>(std::count(map.begin(), map.end(), tile::Star));
  if (!answer_.hasExit) {
    done_ = true;  // nothing to search for
  } else if (before != nullptr && before->passable() && answer_.stars > 0) {
    answer_.plain = before->plain;  // kept, not searched again
    startSearch(true);
  } else {
    startSearch(false);
  }
}

LevelCheck::~LevelCheck() = default;  // a search still running is cancelled and waited for

void LevelCheck::startSearch(bool allStars) {
  solver::SolveOptions options;
  options.allStars = allStars;
  options.maxStates = answer_.limits.maxStates;
  options.maxMemoryBytes = answer_.limits.maxMemoryBytes;
  jobForStars_ = allStars;
  job_ = std::make_unique<solver::SearchJob>(level_, options);
}

void LevelCheck::take(const solver::SolveResult& result) {
  job_.reset();
  statesBefore_ += result.states;
  if (result.seconds > 0)
    lastRate_ = static_cast<int64_t>(static_cast<double>(result.states) / result.seconds);
  if (jobForStars_) {
    answer_.allStars = result;
    done_ = true;
    return;
  }
  answer_.plain = result;
  if (result.verdict == Verdict::kSolved && answer_.stars > 0)
    startSearch(true);
  else
    done_ = true;
}

bool LevelCheck::poll() {
  if (!done_ && job_ && job_->done()) take(solver::SolveResult(job_->result()));
  return done_;
}

const CheckAnswer& LevelCheck::finish() {
  while (!done_) take(solver::SolveResult(job_->result()));
  return answer_;
}

void LevelCheck::cancel() {
  if (done_) return;
  job_->cancel();
  const solver::SolveResult result = job_->result();
  job_.reset();
  statesBefore_ += result.states;
  if (jobForStars_)
    answer_.allStars = result;
  else
    answer_.plain = result;
  done_ = true;
}

CheckProgress LevelCheck::progress() const {
  CheckProgress p;
  p.starsSearch = jobForStars_;
  p.states = statesBefore_;
  p.statesPerSecond = lastRate_;
  p.microseconds =
      std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started_)
          .count();
  if (job_) {
    const solver::SolveProgress& running = job_->progress();
    const int64_t states = running.states.load(), microseconds = running.microseconds.load();
    p.states += states;
    if (microseconds > 0) p.statesPerSecond = states * 1'000'000 / microseconds;
  }
  return p;
}

}  // namespace quobbles
