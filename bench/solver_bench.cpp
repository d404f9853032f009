// How fast the solver answers: the full-size map written by bench/full_map.py (50 x 50, scattered
// walls, six hangers, two remove-block pick-ups, the exit in the far corner), and the whole
// campaign, plain and with every star. Each run reports the states searched and states per second.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "sim/level_text.h"
#include "solver/solver.h"
#include "state/tiles.h"

namespace {

using namespace quobbles;
namespace fs = std::filesystem;

const fs::path kSource = QUOBBLES_SOURCE_DIR;

Level levelFrom(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::string text(std::istreambuf_iterator<char>(in), {});
  const Outcome<sim::LevelText> parsed = sim::parseLevelText(text);
  if (!parsed) throw std::runtime_error(file.string() + ": " + parsed.reason);
  return parsed.value->level;
}

void report(benchmark::State& state, int64_t states, int turns) {
  state.counters["states"] =
      benchmark::Counter(static_cast<double>(states), benchmark::Counter::kAvgIterations);
  state.counters["turns"] = turns;
  state.counters["states/s"] = benchmark::Counter(static_cast<double>(states), benchmark::Counter::kIsRate);
}

void FullSizeMap(benchmark::State& state) {
  const Level level = levelFrom(kSource / "bench" / "full_map.txt");
  int64_t states = 0;
  int turns = 0;
  for (auto _ : state) {
    const solver::SolveResult r = solver::solve(level, solver::SolveOptions{});
    if (r.verdict != solver::SolveResult::Verdict::kSolved)
      state.SkipWithError("the full-size map was not solved");
    states += r.states;
    turns = r.turns;
  }
  report(state, states, turns);
}
BENCHMARK(FullSizeMap)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same map with six moving blocks on it, searched up to 300 000 states: blocks that see the
// player answer each of his moves differently, so turns cannot share the world's answer.
void FullSizeMapWithBlocks(benchmark::State& state) {
  Level level = levelFrom(kSource / "bench" / "full_map.txt");
  const std::pair<std::pair<int, int>, uint8_t> blocks[] = {
      {{15, 15}, tile::BrownBlock},        {{35, 12}, tile::PurpleBlock},
      {{8, 44}, tile::BrownBlockVertical}, {{44, 30}, tile::PurpleBlockHorizontal},
      {{28, 38}, tile::BrownBlock},        {{21, 20}, tile::PurpleBlock}};
  for (const auto& [square, code] : blocks) level.code(square.first, square.second) = code;
  solver::SolveOptions options;
  options.maxStates = 300'000;
  int64_t states = 0;
  for (auto _ : state) {
    const solver::SolveResult r = solver::solve(level, options);
    if (r.verdict != solver::SolveResult::Verdict::kGaveUp)
      state.SkipWithError("the search ended before its limit");
    states += r.states;
  }
  report(state, states, 0);
}
BENCHMARK(FullSizeMapWithBlocks)->Unit(benchmark::kMillisecond)->UseRealTime();

void Campaign(benchmark::State& state) {
  std::vector<std::pair<Level, bool>> missions;  // every map plain, and with every star where it has stars
  for (int n = 0;; ++n) {
    const fs::path file = kSource / "data" / "campaign-maps" / ("Map" + std::to_string(n) + ".txt");
    if (!fs::exists(file)) break;
    const Level level = levelFrom(file);
    missions.emplace_back(level, false);
    if (std::count(level.MapGrid.begin(), level.MapGrid.end(), tile::Star) > 0)
      missions.emplace_back(level, true);
  }
  int64_t states = 0;
  int turns = 0;
  for (auto _ : state) {
    turns = 0;
    for (const auto& [level, stars] : missions) {
      solver::SolveOptions options;
      options.allStars = stars;
      const solver::SolveResult r = solver::solve(level, options);
      if (r.verdict != solver::SolveResult::Verdict::kSolved)
        state.SkipWithError("a campaign map was not solved");
      states += r.states;
      turns += r.turns;
    }
  }
  report(state, states, turns);
}
BENCHMARK(Campaign)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
