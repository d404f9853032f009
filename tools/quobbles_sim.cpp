// quobbles-sim: plays a level file with a key string on the game's own rules and prints the
// whole observable state; with --solve it searches for the shortest way to the exit.
// It never writes a file.
#include <charconv>
#include <chrono>
#include <cstdio>
#include <iomanip>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "board/session.h"
#include "sim/dump.h"
#include "solver/solver.h"
#include "state/level_file.h"
#include "state/version.h"

namespace {

using namespace quobbles;

// Bad arguments and unreadable levels: one line on stderr and exit status 2.
int refuse(const std::string& why) {
  std::cerr << "quobbles-sim: " << why << '\n';
  return 2;
}

constexpr const char* kUsage =
    "usage: quobbles-sim [--counters A,B,C,D,E] [--each] LEVEL_FILE KEYS\n"
    "       quobbles-sim --solve [--stars] [--max-states N] [--max-memory MB] [--progress] LEVEL_FILE\n"
    "       quobbles-sim --version\n";

constexpr int64_t kMegabyte = 1 << 20;

bool parseCount(std::string_view text, int64_t limit, int64_t& out) {
  if (text.empty()) return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size() && out >= 0 && out <= limit;
}

bool parseCounters(std::string_view text, std::array<int32_t, kSpecialCount>& counters) {
  for (int i = 0; i < kSpecialCount; ++i) {
    const std::size_t comma = text.find(',');
    const bool last = i == kSpecialCount - 1;
    if (last != (comma == std::string_view::npos)) return false;
    int64_t value = 0;
    if (!parseCount(text.substr(0, comma), kCounterLimit, value)) return false;
    counters[static_cast<std::size_t>(i)] = static_cast<int32_t>(value);
    if (!last) text.remove_prefix(comma + 1);
  }
  return true;
}

// One line of figures about a search: states, time, rate and memory.
std::string figures(int64_t states, double seconds, int64_t bytes) {
  std::ostringstream line;
  const double rate = seconds > 0 ? static_cast<double>(states) / seconds : 0.0;
  line << states << " states in " << std::fixed << std::setprecision(2) << seconds << " s ("
       << std::setprecision(0) << rate << " states/s), peak memory " << std::setprecision(1)
       << static_cast<double>(bytes) / kMegabyte << " MB";
  return line.str();
}

// Searches and prints the verdict; the exit status is 0 when solved, 1 otherwise. With
// `progress`, the search runs in a thread of its own and a line of figures goes to stderr
// every second.
int runSolver(const Level& level, const solver::SolveOptions& options, bool progress) {
  using solver::SolveResult;
  SolveResult r;
  if (progress) {
    solver::SearchJob job(level, options);
    while (!job.waitFor(std::chrono::seconds(1))) {
      const solver::SolveProgress& p = job.progress();
      std::cerr << "searching: " << figures(p.states, static_cast<double>(p.microseconds) / 1e6, p.peakBytes)
                << std::endl;
    }
    r = job.result();
  } else {
    r = solver::solve(level, options);
  }
  switch (r.verdict) {
    case SolveResult::Verdict::kSolved:
      std::cout << "solution " << r.keys << "\nturns " << r.turns << "\nstates " << r.states << '\n';
      break;
    case SolveResult::Verdict::kUnsolvable:
      std::cout << "unsolvable\nstates " << r.states << '\n';
      break;
    case SolveResult::Verdict::kGaveUp:
      std::cout << "gave up\nstates " << r.states << '\n';
      if (r.limit == SolveResult::Limit::kMemory)
        std::cerr << "quobbles-sim: the search stopped without an answer: it reached its memory limit of "
                  << (options.maxMemoryBytes > 0 ? options.maxMemoryBytes : solver::defaultMemoryLimit()) /
                         kMegabyte
                  << " MB (--max-memory)\n";
      else
        std::cerr << "quobbles-sim: the search stopped without an answer: it reached its limit of "
                  << r.states << " states (--max-states)\n";
      break;
    case SolveResult::Verdict::kCancelled:
      std::cout << "cancelled\nstates " << r.states << '\n';
      break;
  }
  std::cerr << "searched " << figures(r.states, r.seconds, r.peakBytes) << '\n';
  return r.verdict == SolveResult::Verdict::kSolved ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::array<int32_t, kSpecialCount> counters{};
  bool each = false, solve = false, progress = false, searchOption = false;
  solver::SolveOptions options;
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help") {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "--version") {
      std::cout << "quobbles-sim " << gameVersion() << '\n';
      return 0;
    }
    if (arg == "--counters") {
      if (++i >= argc || !parseCounters(argv[i], counters))
        return refuse("--counters needs five whole numbers >= 0 separated by commas");
    } else if (arg == "--each") {
      each = true;
    } else if (arg == "--solve") {
      solve = true;
    } else if (arg == "--stars") {
      options.allStars = searchOption = true;
    } else if (arg == "--progress") {
      progress = searchOption = true;
    } else if (arg == "--max-states") {
      searchOption = true;
      if (++i >= argc || !parseCount(argv[i], INT64_MAX / 2, options.maxStates) || options.maxStates == 0)
        return refuse("--max-states needs a whole number > 0");
    } else if (arg == "--max-memory") {
      searchOption = true;
      int64_t megabytes = 0;
      if (++i >= argc || !parseCount(argv[i], INT64_MAX / kMegabyte, megabytes) || megabytes == 0)
        return refuse("--max-memory needs a whole number of megabytes > 0");
      options.maxMemoryBytes = megabytes * kMegabyte;
    } else if (arg.size() > 2 && arg.substr(0, 2) == "--") {
      return refuse("unknown option " + std::string(arg));
    } else {
      positional.emplace_back(arg);
    }
  }

  if (solve) {
    if (positional.size() != 1) return refuse("--solve takes one LEVEL_FILE");
    if (each) return refuse("--each cannot be used with --solve");
  } else if (positional.size() != 2) {
    return refuse("expected LEVEL_FILE and KEYS");
  } else if (searchOption) {
    return refuse("--stars, --max-states, --max-memory and --progress belong to --solve");
  }

  Outcome<Level> level = ReadLevel(positional[0]);
  if (!level) return refuse("cannot read " + positional[0] + ": " + level.reason);

  if (solve) return runSolver(*level.value, options, progress);

  const std::string& keys = positional[1];
  for (char k : keys)
    if (static_cast<unsigned char>(k) < 32 || static_cast<unsigned char>(k) > 126)
      return refuse("KEYS may hold only characters 32..126");

  Session session = startTestPlay(*level.value, counters);
  if (each) std::cout << "step 0\n" << sim::dump(session);
  for (std::size_t i = 0; i < keys.size(); ++i) {
    replay(session, keys.substr(i, 1));
    if (each) std::cout << "step " << i + 1 << '\n' << sim::dump(session);
  }
  if (!each) std::cout << sim::dump(session);
  return 0;
}
