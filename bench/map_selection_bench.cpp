// The map selection with the largest campaign indexes the reader accepts (4 MB): one title of
// four million characters, 256 titles of 16 000 characters, and four million commas. Each step
// is timed: reading and parsing the index, opening the selection, and six keys that scroll it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "frontend/campaign_index.h"
#include "frontend/map_selection.h"
#include "state/program_files.h"

namespace {

using namespace quobbles;
namespace fs = std::filesystem;

// The hostile indexes, each just under the reader's limit.
std::string hugeIndex(int kind) {
  switch (kind) {
    case 0:
      return "\"" + std::string(4000000, 'W') + "\"\r\nNext\r\n";
    case 1: {
      std::string text;
      for (int i = 0; i < kCampaignSlots; ++i)
        text += std::string(16000, static_cast<char>('A' + i % 26)) + "\r\n";
      return text;
    }
    default:
      return std::string(kMaxCampaignIndexBytes, ',');
  }
}
const char* const kKinds[] = {"one 4M title", "256 titles of 16k", "4M commas"};

class NoPrompts : public Prompts {
 public:
  Answer message(const std::string&, const std::string&, Buttons, Icon, bool) override { return Answer::kOk; }
  std::string input(const std::string&, const std::string&, const std::string&) override { return {}; }
  std::string openFile(const std::string&, const std::string&) override { return {}; }
};

// A program folder holding the index, removed when the benchmark ends.
struct CampaignFolder {
  explicit CampaignFolder(const std::string& index) {
    root = fs::temp_directory_path() / ("quobbles-bench-" + std::to_string(::getpid()));
    fs::create_directories(root / "Campain");
    std::ofstream(root / "Campain" / "Campain.dat", std::ios::binary) << index;
    setProgramFolder(root);
  }
  ~CampaignFolder() { fs::remove_all(root); }
  fs::path root;
};

void BM_ParseIndex(benchmark::State& state) {
  const std::string text = hugeIndex(static_cast<int>(state.range(0)));
  const Bytes bytes(text.begin(), text.end());
  state.SetLabel(kKinds[state.range(0)]);
  for (auto _ : state) benchmark::DoNotOptimize(parseCampaignIndex(bytes));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_ParseIndex)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// What the window's opening does below its drawing: read the index from disk, fill the rows.
void BM_OpenMapSelection(benchmark::State& state) {
  CampaignFolder folder(hugeIndex(static_cast<int>(state.range(0))));
  state.SetLabel(kKinds[state.range(0)]);
  GameState g;
  g.profile.LevelPassed.fill(kTrue);
  NoPrompts prompts;
  for (auto _ : state) {
    MapSelection s;
    openMapSelection(s, g, prompts);
    benchmark::DoNotOptimize(s.Lista);
  }
}
BENCHMARK(BM_OpenMapSelection)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Six scroll keys down and six back up.
void BM_ScrollKeys(benchmark::State& state) {
  CampaignFolder folder(hugeIndex(static_cast<int>(state.range(0))));
  state.SetLabel(kKinds[state.range(0)]);
  GameState g;
  g.profile.LevelPassed.fill(kTrue);
  NoPrompts prompts;
  MapSelection s;
  openMapSelection(s, g, prompts);
  for (auto _ : state) {
    for (int i = 0; i < 6; ++i) (void)selectionKey(s, g, '2');
    for (int i = 0; i < 6; ++i) (void)selectionKey(s, g, '8');
    benchmark::DoNotOptimize(s.Lista);
  }
}
BENCHMARK(BM_ScrollKeys)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
